#!/usr/bin/env bash
# Builds the Debian package from a build folder, installs it with apt, starts the installed
# program as its launcher does (Exec= in the folder Path= of the installed .desktop file) on a
# virtual X server until the options window shows, and removes the package and whatever apt
# brought in with it. Needs root, and a machine without the package.
#   bash tests/packaging/test-package.sh BUILD_DIR CPACK
set -euo pipefail
fail() { echo "FAIL: $*" >&2; exit 1; }

if [ "${1:-}" = --on-display ]; then # inside the virtual X server
    exec_line=$(sed -n 's/^Exec=//p' "$2")
    path=$(sed -n 's/^Path=//p' "$2")
    read -r -a command <<<"${exec_line//%[fFuUdDnNickvm]/}"
    (cd "$path" && exec env -i HOME="$(mktemp -d)" PATH=/usr/bin:/bin DISPLAY="$DISPLAY" XAUTHORITY="${XAUTHORITY:-}" "${command[@]}") &
    program=$!
    trap 'kill $program 2>/dev/null || true' EXIT
    timeout 30 xdotool search --sync --name '^Ionarch: - Options$' >/dev/null || fail "no options window within 30 s"
    dpkg -S "$(readlink "/proc/$program/exe")" | grep -q '^ionarch:' || fail "the launcher started another program"
    [ "$(readlink "/proc/$program/cwd")" = "$path" ] || fail "the program does not run in $path"
    exit 0
fi

[ "$(id -u)" -eq 0 ] || fail "installing a package needs root"
installed() { dpkg-query -W -f='${db:Status-Abbrev} ${binary:Package}\n' | awk '$1 == "ii" { print $2 }' | sort; }
before=$(installed)
! grep -qx 'ionarch\(:.*\)\?' <<<"$before" || fail "ionarch is installed already; this test would remove it"
work=$(mktemp -d)
chmod 755 "$work" # apt reads the package as its own user
cleanup() {
    local added
    added=$(comm -13 <(echo "$before") <(installed))
    # shellcheck disable=SC2086 # one package name a line
    [ -z "$added" ] || DEBIAN_FRONTEND=noninteractive apt-get -y -q purge $added >/dev/null
    rm -rf "$work"
    [ "$(installed)" = "$before" ] || { echo "FAIL: the installed packages differ from those before" >&2; exit 1; }
}
trap cleanup EXIT
"$2" --config "$1/CPackConfig.cmake" -B "$work" >"$work/cpack.log" 2>&1 || { cat "$work/cpack.log"; fail "cpack failed"; }
deb=$(ls "$work"/ionarch_*.deb)
for needed in libqt6widgets6 libqt6printsupport6 libqt6svg6 fonts-liberation libcups2 libqt6sql6-sqlite; do
    dpkg-deb -f "$deb" Depends | grep -qE "(^|, )$needed( |,|$)" || fail "Depends does not name $needed"
done
grep -q ' \./usr/share/doc/ionarch/copyright$' <<<"$(dpkg-deb -c "$deb")" || fail "the package carries no copyright file"
DEBIAN_FRONTEND=noninteractive apt-get -y -q -o DPkg::Lock::Timeout=600 install --no-install-recommends "$deb" \
    >"$work/install.log" 2>&1 || { cat "$work/install.log"; fail "apt could not install the package"; }
xvfb-run -a -s "-screen 0 1280x1024x24" bash "$0" --on-display /usr/share/applications/org.ionarch.Ionarch.desktop
