#!/usr/bin/env bash
# Hostile data files through the checker and the program's start, side by side: each is read
# to its end without a crash or a hang, the checker reports every problem with its line, and
# the program shows the first 20 boxes and one more that counts the rest.
#   bash tests/hostile/hostile-files.sh CHECKER START_PROBE
set -euo pipefail
checker=$1
probe=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
bash "$(dirname "$0")/../../scripts/hostile-files.sh" "$work"
mkdir "$work/ions.dat" # a folder where the file should be
failures=0
fail() {
    echo "FAIL: $1: $2"
    failures=$((failures + 1))
}

# FILE MESSAGES COUNT_LINE: the checker's number of message boxes and one of its table counts.
expect() {
    local file=$1 messages=$2 count=$3 report boxes last
    report=$(timeout 120 "$checker" "$work/$file") || fail "$file" "the checker failed"
    found=$(grep -a -E '^[0-9]+: ' <<<"$report" | grep -a -c -v -E '^[0-9]+: warning: ' || true)
    [ "$found" = "$messages" ] || fail "$file" "the checker reported $found boxes, not $messages"
    grep -a -q -x "$count" <<<"$report" || fail "$file" "the checker did not count $count"
    mapfile -t shown < <(timeout 120 "$probe" "$work/$file")
    boxes=$((messages > 20 ? 21 : messages))
    last="There are $((messages - 20)) more problems in the data file, not shown here. ionarch-check lists them all."
    [ "${shown[0]}" = "boxes: $boxes" ] || fail "$file" "the program showed ${shown[0]}, not $boxes"
    [ "$messages" -le 20 ] || [ "${shown[1]}" = "$last" ] || fail "$file" "its last box was: ${shown[1]}"
    [ "${shown[2]}" = "options window" ] || fail "$file" "the program showed ${shown[2]}"
}

expect mixed-50MB.dat 429744 'CovalentComplex: 40'
expect line-10MB.dat 0 'CationsMonovalent: 0'
expect nul-bytes.dat 300000 'CationsMonovalent: 40'
expect windows-1252.dat 200000 'CationsMultivalent: 40'
expect million-comments.dat 1 'AnionsSimple: 1'
expect million-invalid-headers.dat 1000000 'AnionsSimple: 2'
expect cr-only.dat 500000 'CationsMonovalent: 40'

# A folder in the file's place: the checker and the program end, after one box.
status=0
timeout 60 "$checker" "$work/ions.dat" >/dev/null || status=$?
[ "$status" = 1 ] || fail ions.dat "the checker ended with $status, not 1"
mapfile -t shown < <(timeout 60 "$probe" "$work/ions.dat")
[ "${shown[0]} / ${shown[2]}" = "boxes: 1 / no window" ] || fail ions.dat "the program showed ${shown[*]}"

[ "$failures" = 0 ] && echo "All hostile files passed."
exit "$failures"
