#!/usr/bin/env bash
# A demonstration for machines without a display: a private virtual X server, a sample list of
# generated pictures, one "-ng -s" change, and a screenshot of the resulting desktop.
# Usage: scripts/demo.sh [build/dev/bin/velmora]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
program=${1:-$root/build/dev/bin/velmora}
demo=$(mktemp -d "${TMPDIR:-/tmp}/velmora-demo.XXXXXX")

# A portable copy: the program keeps its settings and lists beside itself.
cp "$program" "$demo/velmora"
mkdir -p "$demo/pictures"
colours=("#1f4e79:#f3b46b" "#204a2f:#c9e4a7" "#4b2245:#f7c6d0")
for i in 0 1 2; do
    convert -size 800x500 "gradient:${colours[$i]}" -fill '#ffffff80' -draw "circle 400,250 400,$((120 + 40 * i))" \
        "$demo/pictures/sample$((i + 1)).png"
done
printf 'demo.lst\r\n' >"$demo/lfname.dat"
for i in 1 2 3; do printf '%s\r\n' "$demo/pictures/sample$i.png"; done >"$demo/demo.lst"
# The second picture, enlarged to the screen, with this month's calendar in its top right corner.
printf '[Velmora]\r\nListMode= 2\r\nListFileName=demo.lst\r\nFileIndex2= 0\r\nChangeMode= 1\r\nSizeChangeMode= 1\r\nCalendarOnMode= 1\r\nCalendarFontName=Noto Sans CJK JP\r\nCalendarFontSize= 14\r\n' >"$demo/Velmora.INI"
touch "$demo/NOSPLASH"
mkdir -m 700 "$demo/runtime"

# -noreset: like a desktop's server, it keeps the root background the program leaves when it exits
# (without it the server starts afresh when its last client goes, and the picture with it).
exec 3< <(exec Xvfb -displayfd 1 -noreset -nolisten tcp -screen 0 1280x800x24 2>"$demo/xvfb.log")
xvfb=$!
trap 'kill $xvfb 2>/dev/null || true' EXIT
number=
read -r -t 30 number <&3 || true
exec 3<&-
if [[ -z "$number" ]]; then
    echo "The virtual X server did not start; its messages: $demo/xvfb.log" >&2
    exit 1
fi
display=:$number

# Only the X server is there: no desktop session, so the root window itself gets the wallpaper.
env -u XDG_CURRENT_DESKTOP -u DESKTOP_SESSION -u WAYLAND_DISPLAY -u SWAYSOCK -u GNOME_DESKTOP_SESSION_ID \
    -u KDE_FULL_SESSION DISPLAY="$display" XDG_RUNTIME_DIR="$demo/runtime" QT_QPA_PLATFORM=xcb "$demo/velmora" -ng -s
import -display "$display" -window root "$demo/desktop.png"
# A screenshot of one colour shows no wallpaper: say so rather than print a path to a blank picture.
colours=$(convert "$demo/desktop.png" -format '%k' info:)
if [[ "$colours" -le 1 ]]; then
    echo "The screenshot of the virtual desktop is one colour: the wallpaper did not reach it." >&2
    echo "Screenshot: $demo/desktop.png; settings: $demo/Velmora.INI" >&2
    exit 1
fi

echo "Velmora changed the wallpaper of a virtual desktop to the second sample picture, with a calendar."
echo "Screenshot of that desktop: $demo/desktop.png"
echo "Settings written by the run: $demo/Velmora.INI"
