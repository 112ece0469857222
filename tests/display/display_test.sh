#!/usr/bin/env bash
# Drives the real program on a virtual X server with the real pointer and
# keyboard, as a person's hands would:
#
#   tests/display/display_test.sh PROGRAM slider|held|example|check|link|close WEB_PAGE_ADDRESS
#
# slider   an arrow click, a track click, a 1.2 s hold on the slider's arrow and
#          five turns of the wheel, with the frequency emptied, each open
#          exactly one report and move the slider one step, page or notch
# held     Right held on the slider moves it on at the keyboard's repeat rate
# example  the 40-foot example typed, moved through with Tab and calculated
#          with Space
# check    after the example, Check with NEC-2… in the menus of the coils'
#          inductance and of the drawing opens one check window, then raises
#          it; once checked it looks pixel for pixel as the manual shows it
# link     Tab and Return in the web page link window open the address once,
#          with its closing slash, in a stand-in for the default browser
# close    the windows closed as a desktop closes them, with the delete-window
#          message; the program ends with its last window
#
# Every check waits for what it looks for, up to a deadline, so that a busy
# machine only makes the test slower. A missing tool fails the test, naming the
# Debian package that brings it.
set -euo pipefail
# The programs speak the language the test gives them, English unless
# QUERLIN_TEST_LANGUAGE names another, whatever the desktop running the tests
# speaks: the texts and pictures compared are English.
export LANGUAGE=${QUERLIN_TEST_LANGUAGE:-en}

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

if [ "${4:-}" != --on-display ]; then
    for tool in xvfb-run:xvfb xauth:xauth xdotool:xdotool xclip:xclip import:imagemagick \
        compare:imagemagick; do
        command -v "${tool%%:*}" >/dev/null ||
            fail "${tool%%:*} not found: install the Debian package ${tool#*:}"
    done
    /usr/bin/python3 -c 'import Xlib' 2>/dev/null ||
        fail "python3's Xlib not found: install the Debian package python3-xlib"
    exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$(realpath "$1")" "$2" "$3" --on-display
fi
program=$1
address=$3
x_window="/usr/bin/python3 $(dirname "$(realpath "$0")")/x_window.py"
# How long, in seconds, anything awaited may take on a machine busy with other
# tests and engines before the test gives up; a passing run never waits it out.
patience=60

# Runs the command until it succeeds; fails after the given number of seconds.
wait_for() {
    local seconds=$1 what=$2
    local deadline=$((SECONDS + seconds))
    shift 2
    until "$@"; do
        [ "$SECONDS" -lt "$deadline" ] || fail "waited $seconds s in vain for $what"
        sleep 0.05
    done
}

# Asks the window to close, once, as a desktop's close button does, and waits
# for the condition that shows it heard: a request that goes unheard fails.
close_window() {
    local window=$1 what=$2
    shift 2
    $x_window delete "$window" || fail "the delete-window message for $what could not be sent"
    wait_for "$patience" "$what" "$@"
}

# The desktop opens an address with the first xdg-open on the PATH: this one
# notes each address it is given.
browser=$(mktemp -d)
printf '#!/bin/sh\necho "$1" >> "%s/opened"\n' "$browser" >"$browser/xdg-open"
chmod +x "$browser/xdg-open"

# The documents' pictures, and where the window's own is taken.
pictures=$(dirname "$(realpath "$0")")/../../docs/screenshots
taken=$(mktemp -d)
# Settings of its own, so that no option kept by the user or an earlier run
# changes what the program shows here.
settings=$(mktemp -d)

pid=
main=
trap '[ -z "$pid" ] || kill "$pid" 2>/dev/null || true; rm -rf "$browser" "$taken" "$settings"' EXIT

has_focus() {
    [ "$(xdotool getwindowfocus 2>/dev/null)" = "$1" ]
}

# Painted: the main window's background shows beside the banner.
painted() {
    [ "$($x_window pixel "$main" 2 2)" = 80ffff ]
}

start() {
    QT_QPA_PLATFORM=xcb XDG_CONFIG_HOME="$settings" PATH="$browser:$PATH" "$program" &
    pid=$!
    main=$(timeout "$patience" xdotool search --sync --all --onlyvisible --pid "$pid" --name '^QUERLIN$' |
        head -n 1) || fail "the main window did not open"
    # Until a click activates a window, keys go to the one under the pointer,
    # which the main window covers.
    wait_for "$patience" "the main window's first paint" painted
}

# The program's visible top-level windows, by their class: the program is the
# only client of this display.
windows() {
    xdotool search --onlyvisible --classname '^querlin$' 2>/dev/null | wc -l
}

windows_are() {
    [ "$(windows)" -eq "$1" ]
}

# The one window other than the main window.
other_window() {
    xdotool search --onlyvisible --classname '^querlin$' 2>/dev/null | grep -vx "$main"
}

# A point of the main window, in pixels of its client area.
point() {
    xdotool mousemove --window "$main" "$1" "$2"
}

# Clicks the middle of a control of the main window, given in twips as in its
# table, with the left button or the one given after them.
click() {
    local left=$1 top=$2 width=$3 height=$4
    point $(((left + width / 2) / 15)) $(((top + height / 2) / 15))
    xdotool click "${5:-1}"
}

copied_over() {
    [ "$(xclip -o -selection clipboard)" != "$1" ]
}

# The text of the text box at the given twips, copied to the clipboard; xclip
# holds a marker there until the program has taken the clipboard over.
text_of() {
    local marker=--nothing-copied--
    printf %s "$marker" | xclip -selection clipboard
    click "$@"
    wait_for "$patience" "the main window to take the keyboard" has_focus "$main"
    xdotool key ctrl+a ctrl+c
    wait_for "$patience" "the text box at $* to be copied" copied_over "$marker"
    xclip -o -selection clipboard
}

emptied_frequency() {
    click 3120 2520 855 405 # Text5
    xdotool key ctrl+a BackSpace
}

# Waits after an action for its report and dismisses it. A second report
# would keep the main window blocked, which the next check of the % box sees.
reports_after() {
    local what=$1 report
    wait_for "$patience" "a report of $what" windows_are 2
    report=$(other_window)
    wait_for "$patience" "the report of $what to take the keyboard" has_focus "$report"
    xdotool key Return
    wait_for "$patience" "the report of $what to close on Return" windows_are 1
    echo "ok: $what opened one report"
}

slider_at() {
    local percent
    percent=$(text_of 3360 1920 615 420) # Text1
    [ "$percent" = "$1" ] || fail "the % box shows $percent, not $1"
}

# The 40-foot example typed, moved through with Tab and calculated with Space.
forty_foot_example() {
    local inductance
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
    # The calculation ran before the program took the clicks that read the results.
    slider_at 50
    inductance=$(text_of 2640 4560 855 450) # Text17
    [ "$inductance" = 14.74 ] || fail "Text17 shows $inductance, not 14.74"
}

has_focus_named() {
    [ "$(xdotool getwindowfocus getwindowname 2>/dev/null)" = "$1" ]
}

# Right-clicks the control of the main window at the given twips and chooses
# the last entry of its menu, Check with NEC-2…, with Up and Return.
check_from_menu() {
    local shown
    shown=$(windows)
    click "$@" 3
    wait_for "$patience" "the context menu of the control at $*" windows_are $((shown + 1))
    # The click activates the main window; the menu takes its keys.
    wait_for "$patience" "the main window to take the keyboard" has_focus "$main"
    xdotool key Up Return
}

# Whether the window shows the documents' picture, pixel for pixel.
looks_as() {
    import -window "$1" "png:$taken/$2" 2>/dev/null &&
        compare -metric AE "$taken/$2" "$pictures/$2" null: 2>/dev/null
}

# The program ends on its own, with success.
gone() { ! kill -0 "$pid" 2>/dev/null; }

ends_well() {
    local status=0
    wait_for "$patience" "the program to end after its last window closed" gone
    wait "$pid" || status=$?
    pid=
    [ "$status" -eq 0 ] || fail "the program ended with status $status"
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
    xdotool mousedown 1 sleep 1.2 mouseup 1 # held past the scroll bar's auto-repeat
    reports_after "a 1.2 s hold on the slider's right arrow"
    slider_at 87
    point 200 112
    xdotool click --repeat 5 --delay 30 5 # the wheel turned five notches down: three steps each
    reports_after "five notches of the mouse wheel over the slider"
    slider_at 84
    ;;
held)
    start
    # The focus starts on the slider. The % box Text1 lies at 224, 128 and is
    # 41 by 28 pixels: the first press and four repeats change it five times.
    xdotool keydown Right
    $x_window watch "$main" 224 128 41 28 5 20 || fail "a held Right stopped moving the slider"
    xdotool keyup Right
    percent=$(text_of 3360 1920 615 420)
    [ "$percent" -le 94 ] || fail "after five steps the % box shows $percent"
    echo "ok: Right held moved the slider on to $percent %"
    ;;
example)
    start
    forty_foot_example
    windows_are 1 || fail "the example opened a report"
    echo "ok: the keyboard worked the 40-foot example out to 14.74"
    ;;
german)
    # The worked example on a German desktop: the same keys give the same
    # results as in English, beside the captions in German.
    export LANGUAGE=de
    start
    forty_foot_example
    distance=$(text_of 2640 3840 855 420) # Text10
    [ "$distance" = 10 ] || fail "Text10 shows $distance, not 10"
    impedance=$(text_of 7200 4560 855 495) # Text20
    [ "$impedance" = 31.55556 ] || fail "Text20 shows $impedance, not 31.55556"
    caption=$(text_of 960 2640 1935 285) # Text3
    [ "$caption" = "FREQUENZ EINGEBEN" ] || fail "Text3 reads $caption, not FREQUENZ EINGEBEN"
    windows_are 1 || fail "the example opened a report"
    echo "ok: in German the keyboard worked the 40-foot example out to 14.74, 10 and 31.55556"
    ;;
check)
    start
    forty_foot_example
    # Matched to a 50-ohm line, as the manual's picture shows it.
    click 3360 5520 855 375 # Text27
    xdotool key ctrl+a type --delay 30 50
    click 5880 5520 1335 375 # Command7, the lower CALCULATE
    check_from_menu 2640 4560 855 450 # Text17
    check=$(timeout "$patience" xdotool search --sync --all --onlyvisible --pid "$pid" \
        --name '^Check with NEC-2$' | head -n 1) || fail "Text17's menu opened no check window"
    # The check window opens over the main window: brought back to the front,
    # as a click would with a window manager. The program raises the check
    # window before it gives it the keyboard; raised sooner, the main window
    # could end up beneath it again.
    wait_for "$patience" "the check window to take the keyboard" has_focus "$check"
    xdotool windowraise "$main"
    check_from_menu 120 840 9015 615 # Picture1
    wait_for "$patience" "a check window to take the keyboard again" has_focus_named 'Check with NEC-2'
    checks=$(xdotool search --onlyvisible --name '^Check with NEC-2$' | wc -l)
    [ "$checks" -eq 1 ] || fail "the drawing's menu left $checks check windows"
    echo "ok: both menus brought up the one check window"
    # The manual's picture was taken with the keyboard in no window, where no
    # text cursor blinks, and the pointer in none of its buttons.
    xdotool windowfocus 0 mousemove --window "$main" 2 2
    wait_for "$patience" "the checked example to look as the manual shows it" \
        looks_as "$check" check-window.png
    echo "ok: the checked example looks as the manual shows it"
    # Closed as a desktop closes them, the windows stop the engine and the
    # program ends without leaving nec2c running.
    # One after the other, as a person closes them: the second close waits
    # until the first window is gone from the screen.
    close_window "$check" "the check window to close" windows_are 1
    close_window "$main" "the program to end after its last window closed" gone
    ends_well
    ;;
link)
    start
    click 7920 6120 1095 375 # Command4, WEBSITE
    web=$(timeout "$patience" xdotool search --sync --all --onlyvisible --pid "$pid" \
        --name '^Web Page Link$' | head -n 1) || fail "WEBSITE opened no link window"
    wait_for "$patience" "the link window to take the keyboard" has_focus "$web"
    xdotool key Tab Return
    wait_for "$patience" "the browser to be asked for the page" test -s "$browser/opened"
    # Once the program has taken the click after Return, every browser that
    # Return started has started; once they have ended, each has noted its address.
    text_of 2640 4560 855 450 >/dev/null # Text17, clear of the link window
    ended() { ! pgrep -f "$browser/xdg-open" >/dev/null; }
    wait_for "$patience" "the browsers to end" ended
    opened=$(cat "$browser/opened")
    [ "$opened" = "$address/" ] || fail "Return opened '$opened', not once '$address/'"
    echo "ok: Tab and Return opened $address/ once"
    ;;
close)
    start
    click 5880 6000 1335 615 # Command6, DESIGN COIL
    coil=$(timeout "$patience" xdotool search --sync --all --onlyvisible --pid "$pid" --name '^COILS$' |
        head -n 1) || fail "DESIGN COIL opened no coil window"
    closed() { [ "$(windows)" -le 1 ]; }
    close_window "$main" "the main window to close" closed
    kill -0 "$pid" 2>/dev/null || fail "closing the main window ended the program"
    windows_are 1 || fail "closing the main window left $(windows) windows"
    close_window "$coil" "the program to end after its last window closed" gone
    ends_well
    echo "ok: the program ended when its last window closed"
    ;;
*)
    fail "no case $2"
    ;;
esac
