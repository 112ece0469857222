#!/usr/bin/env bash
# Installs the build under a fresh prefix and checks what a desktop reads from
# it: every file in its place under the application id, the desktop entry and
# the AppStream metadata valid by the freedesktop tools, and the two agreeing.
#   check_install.sh CMAKE BUILD_DIR APP_ID
set -euo pipefail
cmake=$1 build=$2 id=$3

prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
"$cmake" --install "$build" --prefix "$prefix" >/dev/null

failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

desktop=$prefix/share/applications/$id.desktop
metainfo=$prefix/share/metainfo/$id.metainfo.xml
icons=$prefix/share/icons/hicolor
for file in bin/querlin bin/querlin-calc share/applications/$id.desktop \
    share/metainfo/$id.metainfo.xml share/icons/hicolor/scalable/apps/$id.svg; do
    [ -f "$prefix/$file" ] || fail "$file is not installed"
done
for program in querlin querlin-calc; do
    [ -x "$prefix/bin/$program" ] || fail "bin/$program is not executable"
done

# The command line's manual page, made from its --help, has a section for
# each command that --help lists, with its options, and the exit statuses.
manual=$prefix/share/man/man1/querlin-calc.1.gz
if [ ! -f "$manual" ]; then
    fail "share/man/man1/querlin-calc.1.gz is not installed"
else
    page=$(zcat "$manual")
    commands=$(ASAN_OPTIONS=detect_leaks=0 "$prefix/bin/querlin-calc" --help |
        sed -n '/^Commands:$/,/^$/s/^  \([a-z]*\) .*/\1/p')
    [ -n "$commands" ] || fail "querlin-calc --help lists no commands"
    for command in $commands; do
        section=$(sed -n "/^\.SH \"QUERLIN-CALC ${command^^}\"/,/^\.SH/p" <<<"$page")
        [ -n "$section" ] || fail "the manual page has no section of querlin-calc $command"
        grep -qF '\fB\-\-json\fR' <<<"$section" ||
            fail "the manual page's section of querlin-calc $command has no options"
    done
    grep -q '^\.SH "EXIT STATUS"' <<<"$page" || fail "the manual page has no exit statuses"
fi

# The SVG writer, a module loaded only when a plot is saved as SVG, is
# installed where the programs look for it: querlin-calc writes an SVG from
# the installed tree alone.
plot=$prefix/plot.svg
if ! ASAN_OPTIONS=detect_leaks=0 "$prefix/bin/querlin-calc" dipole --frequency 7.1 \
    --length 40 --element 0.08 --sweep --plot "$plot" >/dev/null; then
    fail "the installed querlin-calc does not write an SVG plot"
elif ! head -c 400 "$plot" | grep -q '<svg'; then
    fail "the installed querlin-calc's SVG plot is $(file -b "$plot")"
fi

# Each bitmap icon lies in the folder of its own size.
for size in 16 32 256; do
    icon=$icons/${size}x${size}/apps/$id.png
    if [ ! -f "$icon" ]; then
        fail "no ${size}x${size} icon"
    elif ! file "$icon" | grep -q "PNG image data, $size x $size,"; then
        fail "the ${size}x${size} icon is $(file -b "$icon")"
    fi
done

# The entry launches the installed program by name and shows the installed icon.
grep -qx "Exec=querlin" "$desktop" || fail "the desktop entry does not start querlin"
grep -qx "Icon=$id" "$desktop" || fail "the desktop entry's icon is not $id"
grep -q "<id>$id</id>" "$metainfo" || fail "the metadata's component id is not $id"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" ||
    fail "the metadata does not launch $id.desktop"

# Hints count too: one means a menu may file the entry where nobody looks.
if ! report=$(desktop-file-validate "$desktop" 2>&1) || [ -n "$report" ]; then
    fail "desktop-file-validate: $report"
fi
appstreamcli validate --no-net --strict "$metainfo" || fail "appstreamcli validate"

if ((failures)); then
    echo "$failures failures" >&2
    exit 1
fi
echo "installed tree under $id is complete and valid"
