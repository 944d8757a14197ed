#!/usr/bin/env bash
# Installs what is missing, builds Ionarch and starts it on the sample data.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build --parallel "$(nproc)"
cd data
if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
    exec ../build/ui/ionarch
fi
if command -v xvfb-run >/dev/null; then
    echo "No display: starting Ionarch on a virtual X server (xvfb-run -a), where its windows" >&2
    echo "cannot be seen; stop it with Ctrl+C. Run this script in a desktop session to use it." >&2
    exec xvfb-run -a -s "-screen 0 1280x1024x24" ../build/ui/ionarch
fi
echo "No display, and xvfb-run is not installed: Ionarch needs a desktop session." >&2
echo "Install xvfb (apt-get install xvfb xauth) to start it on a virtual X server." >&2
exit 1
