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
    # The browser engine refuses its sandbox when run as root.
    [[ $(id -u) -eq 0 ]] && export QTWEBENGINE_DISABLE_SANDBOX=1
    if [[ -z "${DISPLAY:-}" && -z "${WAYLAND_DISPLAY:-}" ]]; then
      echo "No display: starting Velmora on a virtual display (xvfb-run); use a desktop session to see it." >&2
      exec xvfb-run -a -s "-screen 0 1280x900x24" build/Velmora/velmora
    fi
    exec build/Velmora/velmora
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
