#!/usr/bin/env bash
# Answers per second of GET /api/bazi (the whole chart of a birth at a place, as
# JSON) through the service: starts build/Velmora/velmora-services on a free
# loopback port, runs wrk (Debian's wrk) against it for ten seconds with two
# threads and 32 connections, prints wrk's report and stops the service.
#   scripts/measure_bazi_api.sh [BUILD_FOLDER]
set -euo pipefail

build=${1:-build}
command -v wrk >/dev/null || { echo "measure_bazi_api: wrk is missing (apt-get install wrk)" >&2; exit 1; }
output=$(mktemp)
"$build/Velmora/velmora-services" --listen 127.0.0.1:0 --folder "$build/Velmora/" 2>/dev/null >"$output" &
service=$!
trap 'kill "$service" 2>/dev/null; rm -f "$output"' EXIT
for _ in $(seq 50); do
  grep -q '^listening on ' "$output" && break
  sleep 0.1
done
address=$(sed -n 's/^listening on //p' "$output")
[[ -n "$address" ]] || { echo "measure_bazi_api: the service did not start" >&2; exit 1; }
# 2000-11-03 12:30 in 喀什 (%E5%96%80%E4%BB%80), a woman (%E5%A5%B3)
wrk -t2 -c32 -d10s "http://$address/api/bazi?birth=2000-11-03&time=12:30&sex=%E5%A5%B3&place=%E5%96%80%E4%BB%80"
