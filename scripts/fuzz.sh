#!/usr/bin/env bash
# Builds the libFuzzer targets of fuzz/ with clang in build-fuzz/ and runs
# them one after the other, each on a working copy of its seed corpus
# (build-fuzz/corpus/NAME, grown from fuzz/corpus/NAME).
#
#   scripts/fuzz.sh                     every target for 30 s (what CI runs)
#   scripts/fuzz.sh --time 600          every target for 600 s
#   scripts/fuzz.sh --runs 10000000     every target for ten million executions
#   scripts/fuzz.sh --runs 1000 gbk     only the targets named
#
# Prints the executions and the time of each target. A finding stops the run:
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
for name in "${targets[@]}"; do
  [[ -d fuzz/corpus/$name ]] || { echo "fuzz: $name has no seed corpus fuzz/corpus/$name" >&2; exit 1; }
  mkdir -p "build-fuzz/corpus/$name"
  log=build-fuzz/$name.log
  start=$(date +%s%N)
  if ! "build-fuzz/fuzz/${name}_fuzz" "${limit[@]}" -timeout=25 -print_final_stats=1 \
      -artifact_prefix="build-fuzz/findings/$name-" "build-fuzz/corpus/$name" "fuzz/corpus/$name" >"$log" 2>&1; then
    tail -n 40 "$log" >&2
    echo "fuzz: $name found a failure; the input is in build-fuzz/findings/" >&2
    exit 1
  fi
  tenths=$((($(date +%s%N) - start) / 100000000))
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
  printf '%-14s %12s executions in %6d.%d s\n' "$name" "$runs" $((tenths / 10)) $((tenths % 10))
done
