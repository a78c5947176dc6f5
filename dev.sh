#!/usr/bin/env bash
# Velmora's two entry points on a Debian 12 machine:
#   ./dev.sh run    install what is missing, build, start the program
#   ./dev.sh test   install what is missing, build, run the whole test suite
set -euo pipefail
cd "$(dirname "$0")"

build() {
  scripts/setup.sh
  local werror=OFF
  [[ "${CI:-}" == "true" ]] && werror=ON
  cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DVELMORA_WERROR="$werror" >/dev/null
  cmake --build build --parallel "$(nproc)"
}

case "${1:-}" in
  run)
    build
    shift
    # Until the main window exists the command-line front end is what starts;
    # without arguments it shows today's calendar line.
    if [[ $# -eq 0 ]]; then set -- calendar "$(date +%F)"; fi
    exec build/Velmora/velmora-cli "$@"
    ;;
  test)
    build
    ctest --test-dir build --output-on-failure --parallel "$(nproc)"
    ;;
  *)
    echo "usage: ./dev.sh run | ./dev.sh test" >&2
    exit 2
    ;;
esac
