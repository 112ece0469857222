#!/usr/bin/env bash
# Replays shell sessions of querlin-calc and fails on the first difference.
#
#   run_sessions.sh QUERLIN_CALC FILE...
#
# A session is what a terminal shows: "$ command" lines, each followed by what
# it prints on standard output and standard error; a command may end in a
# here-document (<<'END' ... END); lines beginning with # are comments. In a
# Markdown file only the fenced blocks that begin with "$ querlin-calc" count,
# so the worked sessions of the README and the documents in docs/ are checked
# as they stand; the project's docs/measurements are copied where their
# sessions run, which name the files from the project's folder.
set -euo pipefail
# The programs speak the language the test gives them, English unless
# QUERLIN_TEST_LANGUAGE names another, whatever the desktop running the tests
# speaks: the texts and pictures compared are English.
export LANGUAGE=${QUERLIN_TEST_LANGUAGE:-en}
calc=$(realpath "$1")
shift
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/bin"
ln -s "$calc" "$work/bin/querlin-calc"

status=0
for file in "$@"; do
    if [[ $file == *.md ]]; then
        # The project's folder: the file's own, or for a file in docs/ the
        # one above it.
        root=$(dirname "$file")
        [ -d "$root/docs" ] || root=$(dirname "$root")
        if [ -d "$root/docs/measurements" ]; then
            mkdir -p "$work/docs"
            cp -r "$root/docs/measurements" "$work/docs/"
        fi
        awk '/^```/ { inside = !inside; session = 0; next }
             inside && /^\$ querlin-calc/ { session = 1 }
             inside && session' "$file" >"$work/expected"
    else
        grep -v '^#' "$file" >"$work/expected"
    fi
    # Each command is echoed as shown and run in one shell, in the C locale
    # unless it sets its own, so that "$ echo $?" sees the status before it.
    awk '
        function quote(text) { gsub(/\x27/, "\x27\\\x27\x27", text); return "\x27" text "\x27" }
        /^\$ / {
            command = substr($0, 3)
            shown = $0 "\n"
            if (match(command, /<<\x27[A-Z]+\x27$/)) {
                end = substr(command, RSTART + 3, RLENGTH - 4)
                command = command " 2>&1"
                while ((getline line) > 0) {
                    shown = shown line "\n"
                    command = command "\n" line
                    if (line == end) break
                }
            } else {
                command = command " 2>&1"
            }
            printf "printf %%s %s; (exit $s); %s\ns=$?\n", quote(shown), command
        }
    ' "$work/expected" >"$work/script"
    (cd "$work" && PATH="$work/bin:$PATH" LC_ALL=C.UTF-8 s=0 bash "$work/script" >"$work/actual") ||
        true
    # update_sessions.py takes what the sessions print now from here.
    if [ -n "${QUERLIN_SESSIONS_ACTUAL:-}" ]; then
        cp "$work/actual" "$QUERLIN_SESSIONS_ACTUAL/actual"
    fi
    if ! diff -u "$work/expected" "$work/actual"; then
        echo "$file: querlin-calc does not print what the session shows" >&2
        status=1
    fi
done
exit "$status"
