#!/usr/bin/env bash
# Three copies of velmora-services on loopback behind HAProxy with the
# configuration of packaging/haproxy.cfg; wrk sends requests through HAProxy
# and one copy is killed (SIGKILL) halfway. Reports the requests, the failed
# ones (socket errors and answers other than 2xx) and the 99th percentile of
# latency; exits 1 when any request failed.
#
#   scripts/balanced_service.sh [--seconds S] [--connections C] [--port P] [--service BINARY]
#
# P (default 18080) is HAProxy's port, P+1..P+3 those of the copies; BINARY
# defaults to build/Velmora/velmora-services, its folder is the program folder.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=10
connections=32
port=18080
service=build/Velmora/velmora-services
while [[ $# -gt 0 ]]; do
  case "$1" in
    --seconds) seconds=$2; shift 2 ;;
    --connections) connections=$2; shift 2 ;;
    --port) port=$2; shift 2 ;;
    --service) service=$2; shift 2 ;;
    *) echo "usage: $0 [--seconds S] [--connections C] [--port P] [--service BINARY]" >&2; exit 2 ;;
  esac
done
for tool in haproxy wrk curl; do
  command -v "$tool" >/dev/null || { echo "$tool is missing: scripts/setup.sh installs it" >&2; exit 2; }
done
work=$(mktemp -d)
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

copies=()
for i in 1 2 3; do
  "$service" --listen "127.0.0.1:$((port + i))" --folder "$(dirname "$service")/" >/dev/null 2>"$work/copy$i.log" &
  pids+=($!)
  copies+=($!)
done
sed -e "s/bind :8080/bind 127.0.0.1:$port/" \
    -e "s/127.0.0.1:8081/127.0.0.1:$((port + 1))/" \
    -e "s/127.0.0.1:8082/127.0.0.1:$((port + 2))/" \
    -e "s/127.0.0.1:8083/127.0.0.1:$((port + 3))/" packaging/haproxy.cfg >"$work/haproxy.cfg"
haproxy -f "$work/haproxy.cfg" -db >"$work/haproxy.log" 2>&1 &
pids+=($!)
# Up when every copy answers, directly and through HAProxy.
up() {
  for p in "$port" $((port + 1)) $((port + 2)) $((port + 3)); do
    [[ $(curl -s -o /dev/null -w '%{http_code}' "http://127.0.0.1:$p/health") == 200 ]] || return 1
  done
}
for _ in $(seq 100); do up && break; sleep 0.1; done
if ! up; then
  echo "the copies or HAProxy did not start:" >&2
  cat "$work"/*.log >&2
  exit 1
fi

target="http://127.0.0.1:$port/bazi/sizhu.asp?china95_year=1990&china95_month=5&china95_day=27&china95_time=11&sex=1"
wrk -t2 -c"$connections" -d"${seconds}s" --latency "$target" >"$work/wrk.txt" &
run=$!
sleep "$(awk "BEGIN {print $seconds / 2}")"
kill -KILL "${copies[1]}"
{ wait "${copies[1]}"; } 2>/dev/null || true  # without the shell's "Killed" line
echo "killed copy 2 (pid ${copies[1]}) after $((seconds / 2)) s"
wait "$run"

requests=$(awk '/requests in/ {print $1}' "$work/wrk.txt")
p99=$(awk '$1 == "99%" {print $2}' "$work/wrk.txt")
rate=$(awk '/^Requests\/sec/ {print $2}' "$work/wrk.txt")
non2xx=$(awk '/Non-2xx/ {print $NF}' "$work/wrk.txt")
socket=$(awk '/Socket errors/ {gsub(",", ""); print $4 + $6 + $8 + $10}' "$work/wrk.txt")
errors=$(( ${non2xx:-0} + ${socket:-0} ))
echo "requests: $requests ($rate/s), failed: $errors (non-2xx ${non2xx:-0}, socket errors ${socket:-0}), p99: $p99"
[[ $errors == 0 ]]
