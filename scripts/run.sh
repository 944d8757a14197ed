#!/usr/bin/env bash
# Installs what is missing, builds Ionarch and starts it on the sample data. Without a
# display it starts the program on a virtual X server with a window manager and serves that
# screen over VNC on this machine's loopback address only, so that a VNC viewer can show it.
set -euo pipefail

# Inside the virtual X server, in the data folder: the window manager, the VNC server, and
# then the program.
if [ "${1:-}" = --vnc-session ]; then
    program=$2 port=$3 log=$4
    openbox >/dev/null 2>&1 &
    wm=$!
    x11vnc -display "$DISPLAY" -localhost -rfbport "$port" -nopw -forever -shared >"$log" 2>&1 &
    vnc=$!
    trap 'kill $vnc $wm 2>/dev/null || true' EXIT
    for _ in $(seq 50); do
        (exec 3<>"/dev/tcp/127.0.0.1/$port") 2>/dev/null && break
        sleep 0.2
    done
    cat >&2 <<EOF
No display here: Ionarch is shown on a virtual screen served over VNC at 127.0.0.1, port
$port, without a password; only connections from this machine are accepted. Connect a VNC
viewer on this machine (apt-get install tigervnc-viewer):
    vncviewer 127.0.0.1::$port
From another computer, forward the port over SSH first and connect to your own end:
    ssh -L $port:127.0.0.1:$port USER@THIS-MACHINE     then     vncviewer 127.0.0.1::$port
Ionarch ends with its last window (Exit in the question window); Ctrl+C here stops it too.
EOF
    "$program"
    exit
fi

cd "$(dirname "$0")/.."
root=$PWD
bash "$root/scripts/install-deps.sh"
cmake --preset default >/dev/null
cmake --build --preset program
program=$root/build/ui/ionarch
cd "$root/data" # the program reads ions.dat from the folder it is started in

# An X server that answers, or a Wayland compositor that this Qt can talk to.
wayland_socket=${WAYLAND_DISPLAY:-}
[ -z "$wayland_socket" ] || [ "${wayland_socket:0:1}" = / ] ||
    wayland_socket=${XDG_RUNTIME_DIR:-/nonexistent}/$wayland_socket
if { [ -n "${DISPLAY:-}" ] && xdotool getdisplaygeometry >/dev/null 2>&1; } ||
    { [ -S "$wayland_socket" ] && compgen -G "/usr/lib/*/qt6/plugins/platforms/libqwayland*" >/dev/null; }; then
    exec "$program"
fi

# No display that answers: the virtual screen, with what it needs.
bash "$root/scripts/install-deps.sh" xvfb xauth openbox x11vnc
# The first free port from 5900 on; 5900 is display :0 of a VNC viewer.
port=5900
while (exec 3<>"/dev/tcp/127.0.0.1/$port") 2>/dev/null; do
    port=$((port + 1))
done
unset WAYLAND_DISPLAY
exec xvfb-run -a -s "-screen 0 1280x1024x24" bash "$root/scripts/run.sh" --vnc-session "$program" "$port" \
    "$root/build/vnc.log"
