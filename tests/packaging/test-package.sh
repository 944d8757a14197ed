#!/usr/bin/env bash
# Builds the Debian package from a build folder, installs it with apt, starts the installed
# program exactly as its launcher does (Exec= in the folder Path= of the installed .desktop
# file) on a virtual X server, waits for the options window, and then removes the package
# and every package apt brought in with it, so that the machine is left as it was.
#   bash tests/packaging/test-package.sh BUILD_DIR [CPACK]
# Needs root, and a machine without the package.
set -euo pipefail
id=org.ionarch.Ionarch
options_title='Ionarch: - Options'

fail() { echo "FAIL: $*" >&2; exit 1; }

# Inside the virtual X server: start as the launcher does, wait for the window, stop it.
if [ "${1:-}" = --on-display ]; then
    desktop=$2
    log=$3
    exec_line=$(sed -n 's/^Exec=//p' "$desktop")
    path=$(sed -n 's/^Path=//p' "$desktop")
    [ -n "$exec_line" ] || fail "$desktop has no Exec="
    [ -n "$path" ] || fail "$desktop has no Path="
    # The field codes (%f, %U ...) stand for files a launcher passes; there are none here.
    read -r -a command <<<"${exec_line//%[fFuUdDnNickvm]/}"
    home=$(mktemp -d)
    # A launcher's environment, not this shell's: a fresh home, the system PATH, the display.
    (cd "$path" && exec env -i HOME="$home" PATH=/usr/local/bin:/usr/bin:/bin \
        DISPLAY="$DISPLAY" XAUTHORITY="${XAUTHORITY:-}" "${command[@]}") >"$log" 2>&1 &
    program=$!
    trap 'kill $program 2>/dev/null || true; wait $program 2>/dev/null || true; rm -rf "$home"' EXIT
    if ! timeout 30 xdotool search --sync --name "^$options_title\$" >/dev/null; then
        shown=$(xdotool search --name . 2>/dev/null | while read -r window; do
            xdotool getwindowname "$window"
        done | sort -u | tr '\n' '|')
        fail "no \"$options_title\" window within 30 s; windows: ${shown:-none}; output: $(cat "$log")"
    fi
    exe=$(readlink "/proc/$program/exe")
    dpkg -S "$exe" 2>/dev/null | grep -q '^ionarch:' || fail "the launcher started $exe, not the package's program"
    cwd=$(readlink "/proc/$program/cwd")
    [ "$cwd" = "$path" ] || fail "the program runs in $cwd, not in $path"
    echo "\"$options_title\" opened; the program runs in $cwd"
    exit 0
fi

[ $# -ge 1 ] || { echo "usage: $0 BUILD_DIR [CPACK]" >&2; exit 2; }
[ "$(id -u)" -eq 0 ] || fail "installing a package needs root"
build=$(realpath "$1")
cpack=${2:-cpack}
for tool in "$cpack" apt-get dpkg-deb xvfb-run xdotool flock timeout; do
    command -v "$tool" >/dev/null || fail "$tool is missing: bash scripts/install-deps.sh test"
done

# One package test at a time on this machine, whatever build folder it comes from.
exec 9>/run/lock/ionarch-package-test.lock
flock -w 600 9 || fail "another package test did not finish within 10 minutes"
installed() { dpkg-query -W -f='${db:Status-Abbrev} ${binary:Package}\n' | awk '$1 == "ii" { print $2 }' | sort; }
before=$(installed)
grep -qx 'ionarch\(:.*\)\?' <<<"$before" &&
    fail "ionarch is installed already; this test would remove it (apt-get purge ionarch first)"

work=$(mktemp -d)
chmod 755 "$work" # apt reads the package as its own unprivileged user
apt=(apt-get -y -q -o DPkg::Lock::Timeout=600)
cleanup() {
    local status=$?
    local added
    added=$(comm -13 <(echo "$before") <(installed))
    if [ -n "$added" ]; then
        # shellcheck disable=SC2086 # one package name a line
        DEBIAN_FRONTEND=noninteractive "${apt[@]}" purge $added >"$work/purge.log" 2>&1 ||
            { cat "$work/purge.log"; echo "FAIL: could not remove $added" >&2; status=1; }
    fi
    if [ "$(installed)" != "$before" ]; then
        echo "FAIL: the installed packages differ from those before the test" >&2
        status=1
    fi
    rm -rf "$work"
    exit $status
}
trap cleanup EXIT

"$cpack" --config "$build/CPackConfig.cmake" -B "$work" >"$work/cpack.log" 2>&1 ||
    { cat "$work/cpack.log"; fail "cpack could not build the package"; }
debs=("$work"/ionarch_*.deb)
[ -f "${debs[0]}" ] || { cat "$work/cpack.log"; fail "cpack wrote no ionarch_*.deb"; }
deb=${debs[0]}
echo "Built $(basename "$deb")"

[ "$(dpkg-deb -f "$deb" Package)" = ionarch ] || fail "the package is not named ionarch"
[ "$(dpkg-deb -f "$deb" Section)" = education ] || fail "the package is not in the section education"
depends=$(dpkg-deb -f "$deb" Depends)
for needed in libqt6widgets6 libqt6printsupport6 libqt6svg6 fonts-liberation libcups2; do
    grep -qE "(^|, )$needed( |,|$)" <<<"$depends" || fail "Depends does not name $needed: $depends"
done

DEBIAN_FRONTEND=noninteractive "${apt[@]}" install --no-install-recommends "$deb" >"$work/install.log" 2>&1 ||
    { cat "$work/install.log"; fail "apt could not install the package"; }
echo "Installed with apt"

desktop=/usr/share/applications/$id.desktop
[ -f "$desktop" ] || fail "the package installs no $desktop"
xvfb-run -a -s "-screen 0 1280x1024x24" bash "$0" --on-display "$desktop" "$work/program.log"
