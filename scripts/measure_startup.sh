#!/usr/bin/env bash
# Start-up time of the main window with its start page, cold (file caches
# dropped, where the machine allows it) and warm, under a virtual display,
# with the processor time spent until then and the memory after; then the
# online chart readings from command to published page. The machine's load
# is printed first: other work on it slows every figure but the processor
# times. scripts/measure_startup.sh [PROGRAM_FOLDER] starts this build's
# program on another program folder's data (start-up only); to measure an
# older build, run its own copy of this script.
set -euo pipefail
cd "$(dirname "$0")/.."
export QTWEBENGINE_DISABLE_SANDBOX=1 QTWEBENGINE_CHROMIUM_FLAGS=--disable-gpu
run() { xvfb-run -a -s "-screen 0 1100x800x24" build/tests/startup_timing "$@" 2>/dev/null; }
echo "load average: $(cut -d' ' -f1-3 /proc/loadavg)"
if sync && echo 3 > /proc/sys/vm/drop_caches 2>/dev/null; then
  echo "cold:"; run "$@"
else
  echo "cold: file caches cannot be dropped here; first run after the build:"; run "$@"
fi
echo "warm:"
for _ in 1 2 3 4 5; do run "$@"; done
[ $# -gt 0 ] && exit 0
echo "online chart readings:"
xvfb-run -a -s "-screen 0 1100x800x24" build/tests/online_timing 2>/dev/null
