#!/usr/bin/env bash
# A long run of the real program: on a private virtual X server, the timer at one second over a list
# of large JPEG pictures, fitted to the screen, with the effects (a set drawn at random for every
# change) and the calendar on, and with --collage the collage too (once the program has it; the effects then stand aside, as
# the program does). Samples the resident memory every second and prints progress every minute.
# Usage: scripts/soak.sh [minutes] [--collage] [--keep] [--program PATH]
#        (default 40 minutes: over 2,000 changes; --keep keeps the run's folder and a screenshot)
# Ends with: soak: <changes> changes in <minutes> min, RSS first <MB> MB, last <MB> MB, max <MB> MB
# A change holds its pictures for a moment, so "first" is the lowest sample of the minute after the
# first one and "last" the lowest of the last minute: what the program keeps between changes. Exits
# non-zero when last is more than 10% above first, the open files grew, or temporary files were left.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
minutes=40
collage=0
keep=0
program=$root/build/dev/bin/velmora
while (($#)); do
    case "$1" in
    --collage) collage=1 ;;
    --keep) keep=1 ;;
    --program) program=$2; shift ;;
    [0-9]*) minutes=$1 ;;
    *) echo "usage: $0 [minutes] [--collage] [--keep] [--program PATH]" >&2; exit 2 ;;
    esac
    shift
done

if [[ "$program" == "$root/build/dev/bin/velmora" ]]; then
    "$root/scripts/setup.sh" dev >/dev/null
fi
soak=$(mktemp -d "${TMPDIR:-/tmp}/velmora-soak.XXXXXX")
mkdir -p "$soak/program" "$soak/pictures" "$soak/tmp" "$soak/home"
chmod 700 "$soak/home"
cp "$program" "$soak/program/velmora"
touch "$soak/program/NOSPLASH"

echo "soak: making the pictures in $soak/pictures"
for i in 1 2 3 4 5 6; do
    # Large camera-like pictures: 3000 x 2000, noisy enough that JPEG keeps them big; one portrait.
    size=3000x2000
    ((i == 6)) && size=2000x3000
    convert -size "$size" "gradient:hsb(${i}0%,70%,60%)-hsb($((i + 3))0%,60%,90%)" -seed "$i" \
        -attenuate 0.4 +noise Gaussian -quality 90 "$soak/pictures/photo$i.jpg"
done
printf 'soak.lst\r\n' >"$soak/program/lfname.dat"
for f in "$soak"/pictures/*.jpg; do printf '%s\r\n' "$f"; done >"$soak/program/soak.lst"
{
    printf '[Velmora]\r\nListMode= 2\r\nListFileName=soak.lst\r\nFileIndex2= 0\r\nChangeMode= 1\r\n'
    printf 'TimerOnMode= 1\r\nChangeTimer= 1\r\nEffectMode= 1\r\nEffectType= 0\r\n'
    printf 'SizeChangeMode= 1\r\nCalendarOnMode= 1\r\nCalendarFontName=Noto Sans CJK JP\r\nCalendarFontSize= 14\r\n'
    printf 'CollageOnMode= %d\r\n' "$collage"
} >"$soak/program/Velmora.INI"

# The server takes the first free display number and writes it out.
Xvfb -displayfd 3 -screen 0 1920x1080x24 -nolisten tcp 3>"$soak/display" >"$soak/xvfb.log" 2>&1 &
xvfb=$!
velmora=
cleanup() {
    [[ -n "$velmora" ]] && kill "$velmora" 2>/dev/null || true
    kill "$xvfb" 2>/dev/null || true
}
trap cleanup EXIT
for _ in $(seq 100); do [[ -s "$soak/display" ]] && break; sleep 0.1; done
display=:$(tr -dc 0-9 <"$soak/display")
[[ "$display" != ":" ]] || { echo "soak: Xvfb did not start"; exit 1; }

# No desktop session: the root window itself gets the wallpaper. TMPDIR is the run's own, so that
# anything a library leaves in temporary files shows.
env -u XDG_CURRENT_DESKTOP -u XDG_SESSION_DESKTOP -u DESKTOP_SESSION -u WAYLAND_DISPLAY -u SWAYSOCK \
    -u GNOME_DESKTOP_SESSION_ID -u KDE_FULL_SESSION -u XDG_DATA_HOME -u XDG_CONFIG_HOME \
    DISPLAY="$display" QT_QPA_PLATFORM=xcb HOME="$soak/home" XDG_RUNTIME_DIR="$soak/home" TMPDIR="$soak/tmp" \
    "$soak/program/velmora" -ng >"$soak/velmora.log" 2>&1 &
velmora=$!

wallpaper="$soak/program/\$\$WALL\$\$.BMP"
rss_mb() { awk '/^VmRSS/ { printf "%d", $2 / 1024 }' "/proc/$velmora/status" 2>/dev/null || echo 0; }
fds() { find "/proc/$velmora/fd" -mindepth 1 -maxdepth 1 2>/dev/null | wc -l; }

echo "soak: $minutes min on display $display, program folder $soak/program"
changes=0
last_inode=
first_rss=0
last_rss=0
max_rss=0
rss=0
first_fds=0
last_fds=0
start=$SECONDS
end=$((start + minutes * 60))
next_sample=$start
while ((SECONDS < end)); do
    if ! kill -0 "$velmora" 2>/dev/null; then
        echo "soak: the program ended by itself after $(((SECONDS - start) / 60)) min; see $soak/velmora.log"
        exit 1
    fi
    # Every change renames a new bitmap over the old one: a new inode.
    inode=$(stat -c %i "$wallpaper" 2>/dev/null || true)
    if [[ -n "$inode" && "$inode" != "$last_inode" ]]; then
        changes=$((changes + 1))
        last_inode=$inode
    fi
    if ((SECONDS >= next_sample)); then
        next_sample=$((next_sample + 1))
        rss=$(rss_mb)
        ((rss > max_rss)) && max_rss=$rss
        elapsed=$((SECONDS - start))
        # The same for open files: a change holds a picture and a temporary open for a moment.
        if ((elapsed >= 60)); then
            open_now=$(fds)
            if ((elapsed < 120)); then
                ((first_rss == 0 || rss < first_rss)) && first_rss=$rss
                ((first_fds == 0 || open_now < first_fds)) && first_fds=$open_now
            fi
            if ((elapsed >= minutes * 60 - 60)); then
                ((last_rss == 0 || rss < last_rss)) && last_rss=$rss
                ((last_fds == 0 || open_now < last_fds)) && last_fds=$open_now
            fi
        fi
        if ((elapsed > 0 && elapsed % 60 == 0)); then
            echo "soak: $((elapsed / 60)) min, $changes changes, RSS $rss MB, $(fds) open files"
        fi
    fi
    sleep 0.2
done
((last_rss > 0)) || last_rss=$(rss_mb)
((last_rss > max_rss)) && max_rss=$last_rss
((last_fds > 0)) || last_fds=$(fds)
((keep)) && import -display "$display" -window root "$soak/desktop.png"
((first_rss > 0)) || first_rss=$last_rss
((first_fds > 0)) || first_fds=$last_fds

kill -TERM "$velmora"
for _ in $(seq 100); do kill -0 "$velmora" 2>/dev/null || break; sleep 0.2; done
if kill -0 "$velmora" 2>/dev/null; then
    echo "soak: the program did not end on SIGTERM"
    kill -KILL "$velmora"
fi
wait "$velmora" 2>/dev/null || true
velmora=

leftovers=$( (find "$soak/program" -maxdepth 1 -type f -regextype posix-extended -regex '.*\.(velmora-tmp-)?[A-Za-z0-9]{6}$'
    find "$soak/tmp" -type f) | wc -l)
ok=1
if ((last_rss * 100 > first_rss * 110)); then
    echo "soak: the resident memory grew by more than 10% after the first minute"
    ok=0
fi
if ((last_fds > first_fds)); then
    echo "soak: open file descriptors grew from $first_fds to $last_fds"
    ok=0
fi
if ((leftovers > 0)); then
    echo "soak: $leftovers temporary files were left behind in $soak"
    ok=0
fi
echo "soak: open files (fewest) $first_fds in the second minute, $last_fds in the last; $leftovers temporary files left"
echo "soak: $changes changes in $minutes min, RSS first $first_rss MB, last $last_rss MB, max $max_rss MB"
if ((keep)); then
    echo "soak: the run's folder and a screenshot of its desktop are kept in $soak"
elif ((ok)); then
    rm -rf "$soak"
fi
((ok))
