#!/usr/bin/env bash
# Installs what is missing, builds a release and a sanitizer build, and runs
# every test in both. Exits non-zero on any failure.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh
export QT_QPA_PLATFORM=offscreen

mkdir -p build build-asan
echo "== release build"
scripts/build.sh build -DQUELVO_WERROR=ON
(cd build && ctest --output-on-failure -j"$(nproc)")

echo "== AddressSanitizer + UndefinedBehaviorSanitizer build"
scripts/build.sh build-asan -DQUELVO_WERROR=ON -DQUELVO_SANITIZE=ON -DQUELVO_BENCH=OFF
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
(cd build-asan && ctest --output-on-failure -j"$(nproc)")
