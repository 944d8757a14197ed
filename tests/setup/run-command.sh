#!/usr/bin/env bash
# The README's run command as a new user meets it, on this checked-out tree: without a display
# it must show the options window on a virtual screen and serve that screen over VNC on the
# loopback port it prints; with an X server in DISPLAY it must show the window there and
# start no VNC server. Whatever the command starts is ended by its process group.
#   bash tests/setup/run-command.sh
set -euo pipefail
root=$(realpath "$(dirname "$0")/../..")
program=$root/build/ui/ionarch
options_title='^Ionarch: - Options$'
work=$(mktemp -d)
group=""
xserver=""
fail() { echo "FAIL: $*" >&2; exit 1; }

members() { pgrep -g "$1" || true; }
# Ends the run command's process group; fails when a process of it outlives a kill.
end_group() {
    [ -n "$group" ] || return 0
    local ended=$group
    group=""
    kill -TERM -- "-$ended" 2>/dev/null || true
    for _ in $(seq 50); do
        [ -z "$(members "$ended")" ] && return 0
        sleep 0.2
    done
    kill -KILL -- "-$ended" 2>/dev/null || true
    sleep 0.5
    [ -z "$(members "$ended")" ]
}
cleanup() {
    end_group
    [ -z "$xserver" ] || kill "$xserver" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

# Starts the run command in a process group of its own, with the environment given.
start_run_command() {
    (cd "$root" && exec setsid env -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$@" \
        bash scripts/run.sh >"$work/out" 2>"$work/err") &
    group=$(ps -o pgid= -p $! | tr -d ' ')
    [ "$group" = $! ] || fail "the run command did not get a process group of its own"
}

# The program's process in the group, once it runs: its pid.
program_in_group() {
    for _ in $(seq 3000); do # the run command builds first: minutes on a fresh tree
        for pid in $(members "$group"); do
            [ "$(readlink "/proc/$pid/exe" 2>/dev/null)" = "$program" ] && { echo "$pid"; return; }
        done
        [ -n "$(members "$group")" ] || break
        sleep 0.2
    done
    cat "$work/out" "$work/err" >&2
    fail "$1: the program never started"
}

# The display and X authority the program was given.
program_environment() {
    tr '\0' '\n' <"/proc/$1/environ" | grep -E '^(DISPLAY|XAUTHORITY)='
}

wait_for_options_window() {
    env "$@" timeout 30 xdotool search --sync --name "$options_title" >/dev/null ||
        fail "no options window on ${*} within 30 s"
}

vnc_answers() {
    exec 3<>"/dev/tcp/127.0.0.1/$1" || return 1
    local banner=""
    read -r -t 5 banner <&3 || true
    exec 3<&-
    [[ $banner == RFB\ * ]]
}

# Without a display: a virtual screen served over VNC on the loopback address.
start_run_command -u DISPLAY
pid=$(program_in_group "without a display")
mapfile -t environment < <(program_environment "$pid")
wait_for_options_window "${environment[@]}"
port=$(sed -n 's/.*vncviewer 127\.0\.0\.1::\([0-9]*\).*/\1/p' "$work/err" | head -n 1)
[ -n "$port" ] || { cat "$work/err" >&2; fail "the run command printed no VNC port"; }
vnc_answers "$port" || fail "no VNC server answers on 127.0.0.1 port $port"
listening=$(ss -Hltn "sport = :$port" | awk '{ print $4 }')
! grep -v -E '^(127\.0\.0\.1|\[::1\]):' <<<"$listening" ||
    fail "the VNC server listens beyond the loopback address: $listening"
end_group || fail "processes of the run command are left"
! vnc_answers "$port" 2>/dev/null || fail "a VNC server still answers on port $port"

# With an X server: the window there, and no VNC server.
Xvfb -displayfd 4 -screen 0 1280x1024x24 -nolisten tcp 4>"$work/display" 2>/dev/null &
xserver=$!
for _ in $(seq 50); do [ -s "$work/display" ] && break; sleep 0.2; done
display=:$(head -n 1 "$work/display")
start_run_command DISPLAY="$display"
pid=$(program_in_group "with DISPLAY=$display")
wait_for_options_window DISPLAY="$display"
for member in $(members "$group"); do
    [ "$(readlink "/proc/$member/exe" 2>/dev/null)" = "$program" ] ||
        fail "with a display the run command started $(readlink "/proc/$member/exe") beside the program"
done
! grep -q -i vnc "$work/err" || fail "with a display the run command spoke of VNC"
echo "The run command shows Ionarch without a display (VNC port $port) and on DISPLAY=$display."
