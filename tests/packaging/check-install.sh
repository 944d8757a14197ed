#!/usr/bin/env bash
# Installs a build into a scratch folder under the prefix /usr, as the package does, and
# checks what desktops and software centres read there: the launcher file, the metainfo,
# the icon and the manual pages, all without a single warning, and that the launcher starts
# the program in a folder whose data file loads cleanly.
#   bash tests/packaging/check-install.sh BUILD_DIR [CMAKE]
set -euo pipefail
build=$(realpath "$1")
cmake=${2:-cmake}
id=org.ionarch.Ionarch

fail() { echo "FAIL: $*" >&2; exit 1; }
for tool in desktop-file-validate appstreamcli man; do
    command -v "$tool" >/dev/null || fail "$tool is missing: bash scripts/install-deps.sh test"
done

root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
DESTDIR=$root "$cmake" --install "$build" --prefix /usr >/dev/null

for file in bin/ionarch bin/ionarch-check share/ionarch/ions.dat \
    share/icons/hicolor/scalable/apps/$id.svg share/applications/$id.desktop \
    share/metainfo/$id.metainfo.xml share/doc/ionarch/copyright share/man/man1/ionarch.1.gz share/man/man1/ionarch-check.1.gz; do
    [ -f "$root/usr/$file" ] || fail "/usr/$file is not installed"
done

desktop=$root/usr/share/applications/$id.desktop
# Hints pass: Education and Science are both main categories, and both are meant.
report=$(desktop-file-validate "$desktop" 2>&1) || fail "desktop-file-validate: $report"
! grep -E ': (error|warning): ' <<<"$report" || fail "desktop-file-validate: $report"
report=$(appstreamcli validate --no-net "$root/usr/share/metainfo/$id.metainfo.xml" 2>&1) ||
    fail "appstreamcli validate: $report"
grep -q '^✔ Validation was successful' <<<"$report" || fail "appstreamcli validate: $report"
grep -q '<project_license>GPL-3.0-or-later</project_license>' "$root/usr/share/metainfo/$id.metainfo.xml" ||
    fail "the metainfo declares no GPL-3.0-or-later licence"
# The tree as a software centre reads it: the metainfo with the launcher it names.
report=$(appstreamcli validate-tree --no-net "$root" 2>&1) || fail "appstreamcli validate-tree: $report"
for page in "$root"/usr/share/man/man1/*.1.gz; do
    report=$(LC_ALL=C.UTF-8 MANROFFSEQ='' MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z "$page" 2>&1 >/dev/null)
    [ -z "$report" ] || fail "$(basename "$page"): $report"
done

# The launcher: the program by its installed path, started in the folder of the sample data.
exec_line=$(sed -n 's/^Exec=//p' "$desktop")
path=$(sed -n 's/^Path=//p' "$desktop")
[ "$exec_line" = /usr/bin/ionarch ] || fail "Exec=$exec_line, not the installed /usr/bin/ionarch"
[ "$path" = /usr/share/ionarch ] || fail "Path=$path, not the installed data folder /usr/share/ionarch"
# The sample must load without a message box or a dropped line: the checker then prints the
# nine counts only.
findings=$(cd "$root$path" && "$root/usr/bin/ionarch-check") || fail "ionarch-check on the sample failed"
extra=$(grep -v '^[A-Za-z]*: [0-9]*$' <<<"$findings" || true)
[ -z "$extra" ] || fail "the installed sample data is not clean:"$'\n'"$extra"
echo "Installed files, launcher, metainfo and manual pages are valid."
