#!/usr/bin/env bash
# Throughput of every route of velmora-services, measured with wrk on
# loopback: requests per second and the 99th percentile of latency per route.
# With a second binary (an older build) both are measured in the same run,
# route by route and round by round in turn, so that the machine's load weighs
# on both alike; req/s is the mean over the rounds, p99 each round's.
#
#   scripts/service_throughput.sh [--seconds S] [--connections C] [--rounds R] [OTHER_BINARY]
#
# Uses build/Velmora/velmora-services with its program folder, and the other
# binary with the program folder it stands in (its data may differ).
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=3
connections=32
rounds=1
while [[ $# -gt 0 ]]; do
  case "$1" in
    --seconds) seconds=$2; shift 2 ;;
    --rounds) rounds=$2; shift 2 ;;
    --connections) connections=$2; shift 2 ;;
    *) break ;;
  esac
done
binaries=(build/Velmora/velmora-services)
folders=(build/Velmora/)
names=(this)
if [[ $# -gt 0 ]]; then
  binaries+=("$1")
  folders+=("$(dirname "$1")/")
  names+=(other)
fi

work=$(mktemp -d)
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  rm -rf "$work"
}
trap cleanup EXIT

ports=()
for i in "${!binaries[@]}"; do
  "${binaries[$i]}" --listen 127.0.0.1:0 --folder "${folders[$i]}" >"$work/out$i" 2>/dev/null &
  pids+=($!)
  for _ in $(seq 50); do [[ -s "$work/out$i" ]] && break; sleep 0.1; done
  ports+=("$(head -1 "$work/out$i" | sed 's/.*://')")
done

# METHOD PATH [FORM]: one line per route (GBK fields percent-encoded).
routes=(
  "GET /health"
  "GET /bazi/sizhu.asp?china95_year=1990&china95_month=5&china95_day=27&china95_time=11&sex=1"
  "POST /chest/bz/bazi.asp name=%D5%C5%C8%FD&sex=%C4%D0&y=1990&m=5&d=27&h=11"
  "GET /ceming/cmjg-mz.asp?youname1=%C5%B7%D1%F4&youname2=%C3%F7%D4%C2"
  "GET /xingjia/test.asp?R1=1&Name1=%86%CE&Name2=%CC%EF%B7%BC"
  "GET /s?st=2&word=%B5%A5%CC%EF%B7%BC&FrontType=1&submit1="
  "GET /api/bazi?birth=2000-11-03&time=12:30&sex=%E5%A5%B3&place=%E5%96%80%E4%BB%80"
  "GET /chest/ming.htm"
  "POST /chest/ming.asp xing=%C1%F5&xingbie=%C5%AE&zishu=3"
  "GET /chest/gs.htm?xing=%D5%C5&zishu=2&hangye=%BD%CC%BF%C6%CE%C4%CE%C0%D0%D4%D0%D0%D2%B5"
  "GET /yuncheng_xingzuo_new.php?type=w&xingzuo=12"
  "GET /birthday/2-29.htm"
  "GET /chest/bz/images/wood.png"
  "GET /hunpei/java/hunpei/hunpeie.js"
  "GET /nosuch.asp"
)

printf '%-34s %-6s %10s %8s  %s\n' route binary req/s non-2xx "p99 per round"
for route in "${routes[@]}"; do
  read -r method path form <<<"$route"
  script=()
  if [[ "$method" == POST ]]; then
    cat >"$work/post.lua" <<LUA
wrk.method = "POST"
wrk.body = "$form"
wrk.headers["Content-Type"] = "application/x-www-form-urlencoded"
LUA
    script=(-s "$work/post.lua")
  fi
  declare -A rates=() p99s=() bad=() errors=()
  for _ in $(seq "$rounds"); do
    for i in "${!binaries[@]}"; do
      result=$(wrk -t2 -c"$connections" -d"${seconds}s" --latency "${script[@]}" "http://127.0.0.1:${ports[$i]}$path")
      rates[$i]+=" $(awk '/^Requests\/sec/ {print $2}' <<<"$result")"
      p99s[$i]+=" $(awk '$1 == "99%" {print $2}' <<<"$result")"
      bad[$i]=$(( ${bad[$i]:-0} + $(awk '/Non-2xx/ {n = $NF} END {print n + 0}' <<<"$result") ))
      errors[$i]+=$(grep -o 'Socket errors.*' <<<"$result" || true)
    done
  done
  for i in "${!binaries[@]}"; do
    mean=$(awk '{s = 0; for (i = 1; i <= NF; i++) s += $i; printf "%.0f", s / NF}' <<<"${rates[$i]}")
    printf '%-34s %-6s %10s %8s  p99:%s %s\n' "$method ${path:0:29}" "${names[$i]}" "$mean" "${bad[$i]}" "${p99s[$i]}" \
      "${errors[$i]}"
  done
done
