#!/usr/bin/env bash
# The generator of the command-line reference as a developer runs it: it
# writes back the usage and options a copy of the reference has lost, and
# refuses, naming the file, what it cannot read.
#
#   reference_tool_test.sh QUERLIN_CALC_REFERENCE REFERENCE.md
set -euo pipefail
export LANGUAGE=en
tool=$(realpath "$1")
reference=$(realpath "$2")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

# Runs the tool with the arguments after the expected status and the text its
# standard error must hold (nothing, when that is empty).
expect() {
    local status=$1 said=$2 rc=0
    shift 2
    "$tool" "$@" >"$work/out" 2>"$work/err" || rc=$?
    [ "$rc" -eq "$status" ] || fail "$* ended with $rc, not $status: $(cat "$work/err")"
    if [ -z "$said" ]; then
        [ ! -s "$work/err" ] || fail "$* said '$(cat "$work/err")'"
    else
        grep -qF -- "$said" "$work/err" || fail "$* said '$(cat "$work/err")', not '$said'"
    fi
    [ ! -s "$work/out" ] || fail "$* wrote to standard output: $(cat "$work/out")"
}

# The usage and options of match emptied, as an edit that broke them would.
sed '/^<!-- The usage and options of match,/,/^<!-- End of the usage and options of match/{
    /^<!--/!d
}' "$reference" >"$work/emptied.md"
cmp -s "$work/emptied.md" "$reference" && fail "the test's edit left the reference as it was"
expect 0 "" "$work/emptied.md"
cmp -s "$work/emptied.md" "$reference" ||
    fail "the emptied reference was not written back as it stands: $(diff "$reference" "$work/emptied.md" | head -5)"

grep -v '^<!-- End of the usage and options of coil -->$' "$reference" >"$work/unmarked.md"
cp "$work/unmarked.md" "$work/unmarked-before.md"
expect 1 "$work/unmarked.md: a command's usage and options have no markers" "$work/unmarked.md"
cmp -s "$work/unmarked.md" "$work/unmarked-before.md" || fail "a refused reference was changed"

expect 1 "$work/absent.md: " "$work/absent.md"
expect 2 "Usage: querlin-calc-reference REFERENCE.md"
expect 2 "Usage: querlin-calc-reference REFERENCE.md" "$work/emptied.md" "$work/emptied.md"

((failures == 0)) || exit 1
echo "ok: the reference is written back, and what cannot be read is refused by name"
