#!/usr/bin/env bash
# Builds every test with AddressSanitizer and UndefinedBehaviorSanitizer in build-asan and
# runs them; any report fails the run. A Debug build keeps Qt's own index checks on.
set -euo pipefail
cd "$(dirname "$0")/.."
flags="-fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer"
cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS="-O1 $flags" \
    -DCMAKE_EXE_LINKER_FLAGS="$flags"
cmake --build build-asan --parallel 2
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1
QT_QPA_PLATFORM=offscreen ctest --test-dir build-asan --output-on-failure --parallel 2
