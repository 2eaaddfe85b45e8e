#!/usr/bin/env bash
# Takes the README's pictures of the root window of an X server with two monitors side by side
# (RandR monitors on a private Xvfb), after a "-ng -s" change in MonitorMode 0, 1 and 2.
# Usage: scripts/monitor-screenshots.sh [build/dev/bin/velmora] [output folder, default docs/]
# Needs Xvfb, xrandr (x11-xserver-utils) and ImageMagick.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
program=${1:-$root/build/dev/bin/velmora}
out=${2:-$root/docs}
work=$(mktemp -d /var/tmp/velmora-monitors.XXXXXX)
xvfb=
trap 'kill $xvfb 2>/dev/null || true; rm -rf "$work"' EXIT
mkdir -p "$work/program" "$work/home"
cp "$program" "$work/program/velmora"
touch "$work/program/NOSPLASH"

# Landscapes of our own: a sky, a sun and a range of hills.
skies=("#24508a:#f6c27a" "#3b2352:#f59c7a")
for i in 0 1; do
    convert -size 1600x1000 "gradient:${skies[$i]}" \
        -fill '#fff4d0' -draw "circle $((500 + 500 * i)),300 $((560 + 500 * i)),300" \
        -fill '#2c4a52' -draw "polygon 0,1000 0,620 260,500 560,660 880,540 1240,650 1600,560 1600,1000" \
        -quality 90 "$work/home/$((i + 1)).jpg"
done
printf 'Velmora.lst\r\n' >"$work/program/lfname.dat"
printf '%s\r\n%s\r\n' "$work/home/1.jpg" "$work/home/2.jpg" >"$work/program/Velmora.lst"

exec 3< <(Xvfb -displayfd 1 -screen 0 1280x400x24 -nolisten tcp -noreset 2>/dev/null)
xvfb=$!
read -r number <&3
export DISPLAY=":$number"
xrandr --setmonitor L 640/169x400/106+0+0 screen >/dev/null
xrandr --setmonitor R 640/169x400/106+640+0 none

for mode in 0 1 2; do
    printf '[Velmora]\r\nListMode= 2\r\nListFileName=Velmora.lst\r\nFileIndex2= 1\r\nSizeChangeMode= 1\r\nMonitorMode= %s\r\n' \
        "$mode" >"$work/program/Velmora.INI"
    (cd "$work/program" && env -u XDG_CURRENT_DESKTOP -u DESKTOP_SESSION -u WAYLAND_DISPLAY \
        DBUS_SESSION_BUS_ADDRESS="unix:path=$work/no-bus" HOME="$work/home" XDG_RUNTIME_DIR="$work/home" \
        QT_QPA_PLATFORM=xcb ./velmora -ng -s >"$work/velmora.log" 2>&1)
    # The seam between the monitors drawn in white, so that the picture shows where each one ends.
    import -window root png:- | convert - -fill white -draw "rectangle 639,0 640,399" \
        "$out/monitors-mode$mode.png"
done
echo "Pictures: $out/monitors-mode0.png $out/monitors-mode1.png $out/monitors-mode2.png"
