#!/usr/bin/env bash
# Takes screenshots of the running program under a virtual display:
#   scripts/screenshots.sh OUTPUT_FOLDER
# The main window at start-up, each work panel, the calendar drop-down, every
# report page, the extra pages, the views of the 生男生女 window, the
# answered 本周星座运程 and 生日密码 windows, the naming windows with their
# proposals, the marriage window with a drawn match, the online name windows
# and a name reading followed by its online detail, and the dialog of the
# birth minute and place with the places it offers.
set -euo pipefail
cd "$(dirname "$0")/.."
out=$(realpath -m "${1:-build/screenshots}")
mkdir -p "$out"
export QTWEBENGINE_DISABLE_SANDBOX=1 QTWEBENGINE_CHROMIUM_FLAGS=--disable-gpu
export VELMORA_SCREENSHOTS="$out"
xvfb-run -a -s "-screen 0 1100x800x24" build/tests/app_screenshots
ls "$out"
