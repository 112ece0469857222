#!/usr/bin/env bash
# Runs screen_reader_test.py on the given program, web page address and querlin-calc inside a D-Bus
# session of its own. A missing tool fails the test and names the Debian package that brings it.
set -euo pipefail
# The programs speak the language the test gives them, English unless
# QUERLIN_TEST_LANGUAGE names another, whatever the desktop running the tests
# speaks: the texts and pictures compared are English.
export LANGUAGE=${QUERLIN_TEST_LANGUAGE:-en}

missing() {
    echo "The screen reader test needs $1: install the Debian package $2" >&2
    exit 1
}
command -v Xvfb >/dev/null || missing Xvfb xvfb
command -v dbus-run-session >/dev/null || missing dbus-run-session dbus
[ -x /usr/libexec/at-spi-bus-launcher ] || missing at-spi-bus-launcher at-spi2-core
# pyatspi is there for the system's Python only, whatever python3 is first on the PATH.
/usr/bin/python3 -c 'import pyatspi' 2>/dev/null || missing "Python's pyatspi" python3-pyatspi
/usr/bin/python3 -c 'import Xlib' 2>/dev/null || missing "Python's Xlib" python3-xlib

# The AT-SPI bus puts its socket in the runtime folder: one of its own keeps
# runs side by side apart.
XDG_RUNTIME_DIR=$(mktemp -d)
export XDG_RUNTIME_DIR
trap 'rm -rf "$XDG_RUNTIME_DIR"' EXIT
dbus-run-session -- /usr/bin/python3 "$(dirname "$0")/screen_reader_test.py" "$1" "$2" "$3"
