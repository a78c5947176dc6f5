#!/usr/bin/env bash
# Builds the libFuzzer targets of fuzz/ with clang in build-fuzz/ and runs
# them, as many at a time as there are cores, each on a working copy of its
# seed corpus (build-fuzz/corpus/NAME, grown from fuzz/corpus/NAME).
#
#   scripts/fuzz.sh                     every target for 30 s (what CI runs)
#   scripts/fuzz.sh --time 600          every target for 600 s
#   scripts/fuzz.sh --runs 10000000     every target for ten million executions
#   scripts/fuzz.sh --runs 1000 gbk     only the targets named
#
# Prints the executions and the time of each target. A finding fails the run:
# libFuzzer prints what broke, and the input is kept in build-fuzz/findings/;
# replay it with build-fuzz/fuzz/NAME_fuzz build-fuzz/findings/FILE.
set -euo pipefail
cd "$(dirname "$0")/.."

limit=(-max_total_time=30)
targets=()
while [[ $# -gt 0 ]]; do
  case "$1" in
    --time) limit=(-max_total_time="$2"); shift 2 ;;
    --runs) limit=(-runs="$2"); shift 2 ;;
    -*) echo "usage: scripts/fuzz.sh [--time SECONDS | --runs N] [TARGET...]" >&2; exit 2 ;;
    *) targets+=("$1"); shift ;;
  esac
done

scripts/setup.sh
CXX=clang++ cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVELMORA_FUZZ=ON -DVELMORA_BENCHMARKS=OFF >/dev/null
cmake --build build-fuzz --target fuzz_targets --parallel "$(nproc)"

if [[ ${#targets[@]} -eq 0 ]]; then
  for binary in build-fuzz/fuzz/*_fuzz; do
    name=$(basename "$binary")
    targets+=("${name%_fuzz}")
  done
fi

mkdir -p build-fuzz/findings
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

# One target on its working corpus; prints its executions and time, or what
# broke and where the input is kept.
run_target() {
  local name=$1
  mkdir -p "build-fuzz/corpus/$name"
  local log=build-fuzz/$name.log
  local start
  start=$(date +%s%N)
  if ! "build-fuzz/fuzz/${name}_fuzz" "${limit[@]}" -timeout=25 -print_final_stats=1 \
      -artifact_prefix="build-fuzz/findings/$name-" "build-fuzz/corpus/$name" "fuzz/corpus/$name" >"$log" 2>&1; then
    tail -n 40 "$log" >&2
    echo "fuzz: $name found a failure; the input is in build-fuzz/findings/" >&2
    return 1
  fi
  local tenths=$((($(date +%s%N) - start) / 100000000))
  local runs
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
  printf '%-16s %12s executions in %6d.%d s\n' "$name" "$runs" $((tenths / 10)) $((tenths % 10))
}

for name in "${targets[@]}"; do
  [[ -d fuzz/corpus/$name ]] || { echo "fuzz: $name has no seed corpus fuzz/corpus/$name" >&2; exit 1; }
done
# One target per core at a time: each still gets a whole core for its time.
failed=0
running=0
for name in "${targets[@]}"; do
  if [[ $running -ge $(nproc) ]]; then
    wait -n || failed=1
    running=$((running - 1))
  fi
  run_target "$name" &
  running=$((running + 1))
done
while [[ $running -gt 0 ]]; do
  wait -n || failed=1
  running=$((running - 1))
done
exit "$failed"
