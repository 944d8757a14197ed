#!/usr/bin/env bash
# Writes data files that a careless editor, a bad copy or a runaway script could leave behind,
# one a kind, into FOLDER: for the hostile-file tests and their benchmark. Each file's bulk is
# a block of lines repeated; DIVISOR (default 1) writes that many times fewer blocks, so that
# the benchmark can compare a tenth of a file with the whole.
#   bash scripts/hostile-files.sh FOLDER [DIVISOR]
set -euo pipefail
out=$1
divisor=${2:-1}
mkdir -p "$out"

# The lines of BLOCK (separated by \n), each ended by CR LF, COUNT / DIVISOR times.
repeat() {
    local newlines=${1//[^$'\n']/}
    { yes "${1//$'\n'/$'\r\n'}"$'\r' || true; } | head -n $(((${#newlines} + 1) * ($2 / divisor)))
}
crlf() { printf '%s\r\n' "$@"; }

# Every table filled to its capacity, an entry and a comment at a time: any further entry
# of the file overflows.
full_tables() {
    for header in Cations-monovalent Cations-multivalent Anions-simple Anions-polyatomic \
        Anions-derivative Anions-hydrogen Anions-other Covalent-simple Covalent-complex; do
        crlf "[$header]"
        entry=ion,X,1
        [ "$header" != Covalent-complex ] || entry=compound,XY
        repeat "$entry"$'\n''; a comment between entries' 40
    done
}

{
    divisor=1 full_tables
    repeat "; $(printf 'c%.0s' {1..200})"$'\nammonia,NH3\nwater\n[covalent-complex]' 214872
} >"$out/mixed-50MB.dat"
# A charge field of ten million digits after a space: numeric, yet not digits only.
{
    printf 'sodium,Na, '
    head -c $((10000000 / divisor)) /dev/zero | tr '\0' 1
} >"$out/line-10MB.dat"
# NUL bytes, written as @ and turned into NUL at the end.
{
    crlf '[Cations-monovalent]'
    divisor=1 repeat 'sod@ium,Na,1' 40
    repeat $'potassium,K,@\nli@thium,Li,1\n[Cations-@monovalent]' 100000
} | tr @ '\0' >"$out/nul-bytes.dat"
# In the code page, octal 236 is "ž" and 200 is "€"; neither is valid UTF-8.
{
    crlf '[Cations-multivalent]'
    divisor=1 repeat $'\236elezo,Fe,23' 40
    repeat $'; 1 kg \200 3, caf\351\n\236elezo,Fe,23\n[\200]' 100000
} >"$out/windows-1252.dat"
{
    crlf '[Anions-simple]' chloride,Cl,1
    repeat '; a comment' 1000000
    crlf oxide,O,x
} >"$out/million-comments.dat"
{
    crlf '[Anions-simple]' chloride,Cl,1
    repeat '[Anions-Simple]' 1000000
    crlf oxide,O,2
} >"$out/million-invalid-headers.dat"
{
    printf '[Cations-monovalent]\r'
    divisor=1 repeat sodium,Na,1 40 | tr -d '\n'
    repeat $'; a comment\nsodium,Na,1' 500000 | tr -d '\n'
} >"$out/cr-only.dat"
