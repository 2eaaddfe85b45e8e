#!/usr/bin/env bash
# Takes the screenshots of the README and the user's guide (the main window, the options dialog and
# the About box) on a private virtual X server: a fresh program folder, generated sample pictures,
# the first start's window.
# Usage: scripts/screenshots.sh [--lang ja|en] [build/dev/bin/velmora] [output folder, default docs/]
# --lang en runs the program in an English session (LANG=en_US.UTF-8) and writes the pictures under
# the same names with "-en" before ".png" (main-window-en.png ...), which the English guide shows.
# Needs the packages of scripts/debian-packages.txt and debian-packages-test.txt (Xvfb, openbox, xdotool, ImageMagick).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
lang=ja
if [[ ${1:-} == --lang ]]; then
    lang=${2:?--lang needs ja or en}
    shift 2
elif [[ ${1:-} == --lang=* ]]; then
    lang=${1#--lang=}
    shift
fi
case $lang in
    ja) suffix= locale=ja_JP.UTF-8 sample=風景 ;;
    en) suffix=-en locale=en_US.UTF-8 sample=landscape- ;;
    *) echo "screenshots: --lang takes ja or en, not $lang" >&2; exit 2 ;;
esac
program=${1:-$root/build/dev/bin/velmora}
out=${2:-$root/docs}
work=$(mktemp -d /var/tmp/velmora-shots.XXXXXX)
velmora= wm= xvfb=
trap 'kill $velmora $wm $xvfb 2>/dev/null || true; sleep 1; rm -rf "$work"' EXIT
mkdir -p "$work/program" "$work/home/Pictures"
cp "$program" "$work/program/velmora"
touch "$work/program/NOSPLASH"

# Landscapes of our own: a sky, a sun and two ranges of hills.
skies=("#24508a:#f6c27a" "#1b3a5c:#9fd3e8" "#3b2352:#f59c7a" "#20463a:#d8e8b0" "#44305e:#f2d0a4" "#1c4a6e:#bfe3f0")
for i in 0 1 2 3 4 5; do
    sun=$((300 + 160 * i))
    convert -size 1600x1000 "gradient:${skies[$i]}" \
        -fill '#fff4d0' -draw "circle $sun,$((300 + 20 * i)) $((sun + 60)),$((300 + 20 * i))" \
        -fill '#2c4a52' -draw "polygon 0,1000 0,620 260,$((500 + 15 * i)) 560,660 880,540 1240,$((650 - 10 * i)) 1600,560 1600,1000" \
        -fill '#1d3331' -draw "polygon 0,1000 0,780 420,700 760,800 1100,720 1600,820 1600,1000" \
        -quality 90 "$work/home/Pictures/$sample$((i + 1)).jpg"
    touch -d "2026-05-0$((i + 1)) 09:1$i:00" "$work/home/Pictures/$sample$((i + 1)).jpg"
done

exec 3< <(Xvfb -displayfd 1 -screen 0 1280x800x24 -nolisten tcp 2>/dev/null)
xvfb=$!
read -r number <&3
display=":$number"
export DISPLAY=$display
openbox >/dev/null 2>&1 &
wm=$!

# No session bus: nothing of the real desktop is reached, and none is started for the run. The
# language follows the session's (no Language key in a first start's settings).
(cd "$work/program" && exec env -u XDG_CURRENT_DESKTOP -u DESKTOP_SESSION -u WAYLAND_DISPLAY \
    -u LC_ALL -u LC_MESSAGES LANG="$locale" LANGUAGE="${locale%%_*}" \
    DBUS_SESSION_BUS_ADDRESS="unix:path=$work/no-bus" HOME="$work/home" XDG_RUNTIME_DIR="$work/home" \
    QT_QPA_PLATFORM=xcb ./velmora >"$work/velmora.log" 2>&1) &
velmora=$!

# The window the keys open, found by being new rather than by its title, which is translated.
visible_windows() { xdotool search --onlyvisible --pid "$velmora" 2>/dev/null | sort || true; }
new_window() {
    local before=$1 window
    for _ in $(seq 100); do
        window=$(comm -13 <(echo "$before") <(visible_windows) | head -1)
        if [[ -n $window ]]; then
            echo "$window"
            return
        fi
        sleep 0.2
    done
    echo "screenshots: no window opened; the program's output: $work/velmora.log" >&2
    cat "$work/velmora.log" >&2
    exit 1
}
window=$(xdotool search --sync --onlyvisible --name '^Velmora$' | head -1)
xdotool windowmove "$window" 40 30 windowactivate --sync "$window"
sleep 2
# A picture clicked in the file view becomes the wallpaper and the preview.
xdotool mousemove --window "$window" 290 180 click 1
sleep 3
xdotool mousemove --window "$window" 20 300
sleep 1
import -frame -window "$window" "$out/main-window$suffix.png"

# The options dialog: the first item of the tools menu, active when the menu opens. Escape closes
# it without storing anything.
before=$(visible_windows)
xdotool key --clearmodifiers alt+t
sleep 0.5
xdotool key --clearmodifiers Return
options=$(new_window "$before")
sleep 1
import -frame -window "$options" "$out/options-dialog$suffix.png"
xdotool key --clearmodifiers Escape
sleep 1

# The About box: the last item of the help menu, one step up from the first (the menu wraps).
before=$(visible_windows)
xdotool key --clearmodifiers alt+h
sleep 0.5
xdotool key --clearmodifiers Up Return
about=$(new_window "$before")
sleep 1
import -frame -window "$about" "$out/about-box$suffix.png"
echo "Screenshots: $out/main-window$suffix.png $out/options-dialog$suffix.png $out/about-box$suffix.png"
