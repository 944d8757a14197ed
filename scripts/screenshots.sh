#!/usr/bin/env bash
# Saves screenshots of the four windows to docs/, taken from the built program on the sample
# data under a virtual X server with a window manager, and driven from outside like a student
# would. Installs the tools it uses and builds nothing: build first (scripts/run.sh or
# scripts/test.sh), or name the program.
#   bash scripts/screenshots.sh [path/to/ionarch]
set -euo pipefail
# A program named relative to the folder the script was started in.
[ "${1:-}" = "--on-display" ] || [ -z "${1:-}" ] || set -- "$(realpath "$1")"
cd "$(dirname "$0")/.."
root=$PWD

if [ "${1:-}" != "--on-display" ]; then
    program=${1:-$root/build/ui/ionarch}
    [ -x "$program" ] || { echo "No program at $program: build it first (bash scripts/run.sh)." >&2; exit 1; }
    bash scripts/install-deps.sh xvfb xauth openbox imagemagick
    exec xvfb-run -a -s "-screen 0 1280x1024x24" bash "$root/scripts/screenshots.sh" --on-display "$program"
fi
program=$2

openbox >/dev/null 2>&1 &
wm=$!
sleep 1 # until the window manager answers activation requests
(cd data && exec "$program") >/dev/null 2>&1 &
ionarch=$!
trap 'kill $ionarch $wm 2>/dev/null || true' EXIT

window() { xdotool search --sync --onlyvisible --name "^$1\$" | head -n 1; }
# The window on top of the others, with its title bar, after it has painted.
shoot() {
    xdotool windowactivate --sync "$1"
    sleep 0.5
    import -frame -window "$1" "$root/docs/$2"
    echo "docs/$2"
}
click() { xdotool mousemove --window "$1" "$2" "$3" click 1; sleep 0.2; }

options=$(window "Ionarch: - Options")
shoot "$options" options-window.png

# Formulas to name with oxy-acid ions only, so that every formula shown has digits.
click "$options" 252 56    # Simple Ions off
click "$options" 252 96    # Oxy-acid ions on
click "$options" 436 84    # Formulas -- >Names
click "$options" 84 236    # Start
questions=$(window "Ionarch: - Questions")
shoot "$questions" question-window.png

xdotool key F3
help=$(window "HELP with naming")
shoot "$help" help-window.png
xdotool key Escape

shoot "$(window "Ionarch: - Periodic Table")" periodic-table-window.png
