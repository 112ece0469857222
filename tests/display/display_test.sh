#!/usr/bin/env bash
# Drives the real program on a virtual X server with the real pointer and
# keyboard, as a person's hands would:
#
#   tests/display/display_test.sh PROGRAM slider|example|close
#
# slider   an arrow click, a track click, a 1.2 s hold on the slider's arrow and
#          five turns of the wheel, with the frequency emptied, each open
#          exactly one report and move the slider one step, page or notch
# example  the 40-foot example typed, moved through with Tab and calculated
#          with Space
# close    the windows closed as a desktop closes them, with the delete-window
#          message; the program ends with its last window
#
# A missing tool fails the test, naming the Debian package that brings it.
set -euo pipefail

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

if [ "${3:-}" != --on-display ]; then
    for tool in xvfb-run:xvfb xauth:xauth xdotool:xdotool xclip:xclip; do
        command -v "${tool%%:*}" >/dev/null ||
            fail "${tool%%:*} not found: install the Debian package ${tool#*:}"
    done
    /usr/bin/python3 -c 'import Xlib' 2>/dev/null ||
        fail "python3's Xlib not found: install the Debian package python3-xlib"
    exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$(realpath "$1")" "$2" --on-display
fi
program=$1

pid=
main=
start() {
    QT_QPA_PLATFORM=xcb "$program" &
    pid=$!
    main=$(timeout 20 xdotool search --sync --all --onlyvisible --pid "$pid" --name '^QUERLIN$' |
        head -n 1) || fail "the main window did not open"
    sleep 0.3 # its first paint
}
trap '[ -z "$pid" ] || kill "$pid" 2>/dev/null || true' EXIT

# The program's visible top-level windows, by their class: the program is the
# only client of this display.
windows() {
    xdotool search --onlyvisible --classname '^querlin$' 2>/dev/null | wc -l
}

# A point of the main window, in pixels of its client area.
point() {
    xdotool mousemove --window "$main" "$1" "$2"
}

# Clicks the middle of a control of the main window, given in twips as in its table.
click() {
    local left=$1 top=$2 width=$3 height=$4
    point $(((left + width / 2) / 15)) $(((top + height / 2) / 15))
    xdotool click 1
}

# The text of the text box at the given twips, copied to the clipboard; xclip
# holds a marker there until the program has taken the clipboard over.
text_of() {
    local marker=--nothing-copied-- copied
    printf %s "$marker" | xclip -selection clipboard
    click "$@"
    xdotool key ctrl+a ctrl+c
    for _ in $(seq 50); do
        copied=$(xclip -o -selection clipboard)
        [ "$copied" != "$marker" ] && break
        sleep 0.1
    done
    printf %s "$copied"
}

emptied_frequency() {
    click 3120 2520 855 405 # Text5
    xdotool key ctrl+a BackSpace
}

# Waits after an action for the reports it opens, then dismisses them.
reports_after() {
    local what=$1 shown
    sleep 1 # past the scroll bar's auto-repeat, which begins 0.5 s after a press
    shown=$(($(windows) - 1))
    [ "$shown" -eq 1 ] || fail "$what opened $shown reports"
    xdotool key Return
    for _ in $(seq 50); do
        [ "$(windows)" -eq 1 ] && break
        sleep 0.1
    done
    [ "$(windows)" -eq 1 ] || fail "the report of $what did not close on Return"
    sleep 0.5
    [ "$(windows)" -eq 1 ] || fail "after $what, a report came without a new action"
    echo "ok: $what opened one report"
}

slider_at() {
    local percent
    percent=$(text_of 3360 1920 615 420) # Text1
    [ "$percent" = "$1" ] || fail "the % box shows $percent, not $1"
}

case $2 in
slider)
    # The slider HScroll1 lies at 8, 104 and is 297 by 17 pixels; its arrows
    # are as wide as it is high.
    start
    emptied_frequency
    point 296 112 # the right arrow
    xdotool click 1
    reports_after "a click on the slider's right arrow"
    slider_at 98
    point 200 112 # the track, right of the thumb
    xdotool click 1
    reports_after "a click in the slider's track"
    slider_at 88
    point 296 112
    xdotool mousedown 1 sleep 1.2 mouseup 1
    reports_after "a 1.2 s hold on the slider's right arrow"
    slider_at 87
    point 200 112
    xdotool click --repeat 5 --delay 30 5 # the wheel turned five notches down: three steps each
    reports_after "five notches of the mouse wheel over the slider"
    slider_at 84
    ;;
example)
    start
    # The focus starts on the slider: four pages and nine steps to 50 %.
    xdotool key --delay 30 Next Next Next Next
    xdotool key --delay 30 --repeat 9 Right
    # Tab leaves the caret at the start of a box: Ctrl+A selects the text to type over.
    xdotool key --delay 30 --repeat 5 Tab # Text5
    xdotool key ctrl+a type --delay 30 7.1
    xdotool key Tab # Text6
    xdotool key ctrl+a type --delay 30 40
    xdotool key --delay 30 --repeat 10 Tab # Text14
    xdotool key ctrl+a type --delay 30 0.08
    xdotool key --delay 30 --repeat 16 Tab # Command5, the upper CALCULATE
    xdotool key space
    sleep 0.3
    [ "$(windows)" -eq 1 ] || fail "the example opened a report"
    slider_at 50
    inductance=$(text_of 2640 4560 855 450) # Text17
    [ "$inductance" = 14.74 ] || fail "Text17 shows $inductance, not 14.74"
    echo "ok: the keyboard worked the 40-foot example out to 14.74"
    ;;
close)
    start
    click 5880 6000 1335 615 # Command6, DESIGN COIL
    coil=$(timeout 10 xdotool search --sync --all --onlyvisible --pid "$pid" --name '^COILS$' |
        head -n 1) || fail "DESIGN COIL opened no coil window"
    delete_window() {
        /usr/bin/python3 - "$1" <<'EOF'
import sys
from Xlib import X, display, protocol
server = display.Display()
window = server.create_resource_object("window", int(sys.argv[1]))
message = protocol.event.ClientMessage(
    window=window, client_type=server.intern_atom("WM_PROTOCOLS"),
    data=(32, [server.intern_atom("WM_DELETE_WINDOW"), X.CurrentTime, 0, 0, 0]))
window.send_event(message, event_mask=X.NoEventMask)
server.flush()
EOF
    }
    delete_window "$main"
    sleep 1
    kill -0 "$pid" 2>/dev/null || fail "closing the main window ended the program"
    [ "$(windows)" -eq 1 ] || fail "closing the main window left $(windows) windows"
    delete_window "$coil"
    for _ in $(seq 100); do
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.1
    done
    kill -0 "$pid" 2>/dev/null && fail "the program goes on after its last window closed"
    status=0
    wait "$pid" || status=$?
    pid=
    [ "$status" -eq 0 ] || fail "the program ended with status $status"
    echo "ok: the program ended when its last window closed"
    ;;
*)
    fail "no case $2"
    ;;
esac
