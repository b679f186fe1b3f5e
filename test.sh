#!/usr/bin/env bash
# Installs what is missing, builds a release and a sanitizer build, and runs
# every test in both; then runs the sanitizer tree's fuzz targets briefly and
# the threaded test under ThreadSanitizer in a small tree of its own. Exits
# non-zero on any failure.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh
export QT_QPA_PLATFORM=offscreen

mkdir -p build build-asan
echo "== release build"
scripts/build.sh build -DQUELVO_WERROR=ON
(cd build && ctest --output-on-failure -j"$(nproc)")

echo "== AddressSanitizer + UndefinedBehaviorSanitizer build, with the fuzz targets (clang)"
# The window's tests run in the release tree; this tree takes the release
# tree's dictionaries rather than running the importer under the sanitizers.
CC=clang-14 CXX=clang++-14 scripts/build.sh build-asan -DQUELVO_WERROR=ON -DQUELVO_FUZZ=ON -DQUELVO_BENCH=OFF \
  -DQUELVO_GUI=OFF -DQUELVO_PREBUILT_DATA="$PWD/build/data"
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
(cd build-asan && ctest --output-on-failure -j"$(nproc)")
echo "== fuzz targets, a few seconds each"
fuzz/run.sh build-asan 3

echo "== ThreadSanitizer: eight threads sharing one translator"
cmake -S . -B build-tsan -DCMAKE_BUILD_TYPE=Release -DQUELVO_THREAD_SANITIZE=ON -DQUELVO_PREBUILT_DATA="$PWD/build/data" \
  -DQUELVO_GUI=OFF -DQUELVO_BENCH=OFF >build-tsan.configure.log
cmake --build build-tsan -j"$(nproc)" --target quelvo_thread_tests >build-tsan.build.log \
  || { tail -n 60 build-tsan.build.log >&2; exit 1; }
TSAN_OPTIONS=halt_on_error=1 build-tsan/tests/threads/quelvo_thread_tests
