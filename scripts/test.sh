#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test: the suites, the soak and
# the hostile files in one pass, then all of them again under AddressSanitizer and
# UndefinedBehaviorSanitizer, then a minute of each fuzz target. With IONARCH_PACKAGE_TEST=1
# (as CI sets it) the Debian package is also installed and removed again with apt.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh test
export CTEST_PARALLEL_LEVEL=${CTEST_PARALLEL_LEVEL:-$(nproc)}
cmake --workflow --preset default
cmake --workflow --preset asan
bash scripts/fuzz.sh 60
