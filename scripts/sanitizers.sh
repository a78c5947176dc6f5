#!/usr/bin/env bash
# The sanitizer pass: builds Velmora with AddressSanitizer, UndefinedBehavior-
# Sanitizer and the standard library's assertions (_GLIBCXX_ASSERTIONS) in
# build-sanitize/ and runs the whole test suite there. Any finding fails the
# test that made it. CI runs this after ./dev.sh test.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
# -O1 keeps the instrumented build and its tests quick; -g1 gives findings
# their file and line.
cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -g1" \
  -DVELMORA_SANITIZE=ON -DVELMORA_BENCHMARKS=OFF >/dev/null
cmake --build build-sanitize --parallel "$(nproc)"
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
ctest --test-dir build-sanitize --output-on-failure --parallel "$(nproc)"
