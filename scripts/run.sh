#!/usr/bin/env bash
# Installs what is missing, builds Ionarch and starts it on the sample data.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build --parallel "$(nproc)"
cd data && exec ../build/tools/ionarch-check --listings
