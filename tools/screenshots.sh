#!/usr/bin/env bash
# Captures QUERLIN's windows as PNG files for the README and docs/manual.md, on a virtual X display:
# the main window with the 40-foot example worked out and its check by nec2c,
# then the coil, notes and web link windows, each opened by a click on its
# button in a fresh program.
#
#   tools/screenshots.sh [PROGRAM] [FOLDER]
#
# PROGRAM defaults to build/src/app/querlin (./dev.sh screenshots builds it),
# FOLDER to docs/screenshots. With QT_SCALE_FACTOR=2 in the environment the
# windows are captured at twice the pixel density. With LANGUAGE naming
# another language than English (LANGUAGE=de), only the main window is
# captured, in that language, as main-window-de.png.
set -euo pipefail
cd "$(dirname "$0")/.."

# Installs the display, capture and input tools that are missing.
need() {
    local missing=() tool
    for tool in "$@"; do
        command -v "${tool%%:*}" >/dev/null || missing+=("${tool#*:}")
    done
    ((${#missing[@]})) || return 0
    local sudo=()
    [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    "${sudo[@]}" apt-get update
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends \
        "${missing[@]}"
}

scale=${QT_SCALE_FACTOR:-1}
if [[ ! $scale =~ ^[1-9]$ ]]; then
    echo "QT_SCALE_FACTOR must be a whole number from 1 to 9 here, not $scale" >&2
    exit 2
fi

if [ "${1:-}" != --on-display ]; then
    need xvfb-run:xvfb import:imagemagick xdotool:xdotool
    program=$(realpath "${1:-build/src/app/querlin}")
    folder=${2:-docs/screenshots}
    mkdir -p "$folder"
    exec xvfb-run -a -s "-screen 0 $((1024 * scale))x$((768 * scale))x24" \
        "$0" --on-display "$program" "$(realpath "$folder")"
fi
program=$2
folder=$3
language=${LANGUAGE:-en}
language=${language%%[_:.@]*}

# The pictures show the program as it first starts, whatever options the
# user's own settings keep.
settings=$(mktemp -d)
trap 'rm -rf "$settings"' EXIT

pid=
main=

start() {
    XDG_CONFIG_HOME="$settings" "$program" 2>/dev/null &
    pid=$!
    main=$(timeout 20 xdotool search --sync --onlyvisible --name '^QUERLIN$' | head -n 1)
}

stop() {
    kill "$pid"
    wait "$pid" || true
}

# Clicks the middle of a control of the main window, given in twips as in its
# table, with the given mouse button.
click_with() {
    local button=$1 left=$2 top=$3 width=$4 height=$5
    xdotool mousemove --window "$main" $(((left + width / 2) * scale / 15)) \
        $(((top + height / 2) * scale / 15)) click "$button"
}

click() {
    click_with 1 "$@"
}

# Replaces the text of the text box at the given twips with the typed one.
type_into() {
    click "$1" "$2" "$3" "$4"
    xdotool key ctrl+a
    xdotool type --delay 20 "$5"
}

# Captures the window once it has settled: the first paint follows the
# mapping of a window, and the check window draws as the engine works, so the
# picture is taken again a second later until two are the same, for up to two
# minutes. The keyboard is taken from every window first, as the README shows
# them: no text cursor blinks then.
capture() {
    local window=$1 file=$2 previous= current
    xdotool windowfocus 0
    for _ in $(seq 120); do
        sleep 1
        import -window "$window" "$folder/$file"
        current=$(md5sum <"$folder/$file")
        [ "$current" != "$previous" ] || break
        previous=$current
    done
    [ "$current" = "$previous" ] || echo "$file did not settle in two minutes" >&2
    echo "$folder/$file"
}

start
type_into 3120 2520 855 405 7.1   # Text5, the frequency in MHz
type_into 6600 2520 1110 375 40   # Text6, the total length in feet
type_into 3120 3120 855 420 0.08  # Text14, the element diameter in inches
click 120 1560 255 255            # HScroll1's left arrow: the slider takes the focus at 1
xdotool key --delay 10 --repeat 49 Right
click 7200 3000 1455 495          # Command5, CALCULATE
type_into 3360 5520 855 375 50    # Text27, the feed-line impedance in ohms
click 5880 5520 1335 375          # Command7, CALCULATE
if [ "$language" != en ]; then
    capture "$main" "main-window-$language.png"
    stop
    exit 0
fi
capture "$main" main-window.png

failures=0
# The check of the example: the context menu of Text17, the inductance, and
# its last entry; captured once the engine is done.
click_with 3 2640 4560 855 450
xdotool key --delay 100 Up Return
if check=$(timeout 10 xdotool search --sync --onlyvisible --name '^Check with NEC-2$' | head -n 1); then
    capture "$check" check-window.png
else
    echo "the check window did not open" >&2
    failures=$((failures + 1))
fi
stop

# Opens a secondary window by its button on the main window and captures it.
capture_opened() {
    local caption=$1 file=$2
    shift 2
    start
    click "$@"
    local window
    if window=$(timeout 10 xdotool search --sync --onlyvisible --name "^$caption\$" | head -n 1); then
        capture "$window" "$file"
    else
        echo "the window \"$caption\" did not open" >&2
        failures=$((failures + 1))
    fi
    stop
}

capture_opened COILS coil-window.png 5880 6000 1335 615          # Command6, DESIGN COIL
capture_opened NOTES notes-window.png 5400 1800 3255 375         # Command2, READ ME FIRST
capture_opened "Web Page Link" web-window.png 7920 6120 1095 375 # Command4, WEBSITE
exit $((failures > 0))
