#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build --parallel "$(nproc)"
ctest --test-dir build --output-on-failure --parallel "$(nproc)" --label-exclude soak
# The soak on its own: thousands of questions through the program's windows.
ctest --test-dir build --output-on-failure --label-regex soak
# The same tests under AddressSanitizer and UndefinedBehaviorSanitizer, then a minute of
# each fuzz target.
bash scripts/sanitize.sh
bash scripts/fuzz.sh 60
