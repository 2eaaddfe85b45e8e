#!/usr/bin/env bash
# Starts Velmora N times (default 200) as a login does: each time on a fresh private X server, with
# openbox started at the same moment as the program, while both cores are kept busy. Each start
# must show the main window within 15 s and end with exit code 0 when the window manager closes it.
# Usage: scripts/stress-start.sh [N] [program]   (program: default build/dev/bin/velmora)
# Its last line: "stress-start: N passed, N failed". Failures keep their folder under
# $TMPDIR/velmora-stress.*/ with the program's output, the window tree and the window's properties.
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
count=${1:-200}
program=${2:-}
if ! [[ "$count" =~ ^[0-9]+$ ]] || ((count < 1)); then
    echo "usage: $0 [N] [program]" >&2
    exit 2
fi
if [[ -z "$program" ]]; then
    "$root/scripts/setup.sh" --test-packages app >/dev/null || {
        echo "stress-start: the program did not build"
        echo "stress-start: 0 passed, $count failed"
        exit 1
    }
    program=$root/build/dev/bin/velmora
fi

work=$(mktemp -d "${TMPDIR:-/tmp}/velmora-stress.XXXXXX")
load=()
stop_load() { ((${#load[@]})) && kill "${load[@]}" 2>/dev/null; }
trap 'stop_load; wait 2>/dev/null' EXIT
# Both cores busy for the whole run, at the program's own priority.
for _ in $(seq "$(nproc)"); do
    (while :; do :; done) &
    load+=($!)
done

# Polls a command until it succeeds or the time (in tenths of a second) runs out.
poll() {
    local tenths=$1
    shift
    for _ in $(seq "$tenths"); do
        "$@" >/dev/null 2>&1 && return 0
        sleep 0.1
    done
    return 1
}
window_shown() { xdotool search --onlyvisible --name '^Velmora$' >/dev/null 2>&1; }
managed() { wmctrl -l | grep -q ' Velmora$'; }

one_start() {
    local folder=$1 xvfb= wm= velmora= number display result=0
    mkdir -p "$folder/program" "$folder/home/Pictures"
    chmod 700 "$folder/home"
    # A portable copy keeps its settings beside itself; a hard link costs nothing.
    ln "$program" "$folder/program/velmora" 2>/dev/null || cp "$program" "$folder/program/velmora"
    touch "$folder/program/NOSPLASH"

    exec 3< <(exec Xvfb -displayfd 1 -noreset -nolisten tcp -screen 0 1024x768x24 2>"$folder/xvfb.log")
    xvfb=$!
    read -r -t 20 number <&3 || number=
    exec 3<&-
    if [[ -z "$number" ]]; then
        echo "the X server did not start" >"$folder/failure"
        kill "$xvfb" 2>/dev/null
        return 1
    fi
    display=:$number
    export DISPLAY=$display

    # The window manager and the program in the same instant, as an autostart entry at login.
    openbox --sm-disable >"$folder/openbox.log" 2>&1 &
    wm=$!
    (cd "$folder/program" && exec env -u XDG_CURRENT_DESKTOP -u XDG_SESSION_DESKTOP -u DESKTOP_SESSION \
        -u WAYLAND_DISPLAY -u SWAYSOCK -u XDG_DATA_HOME -u XDG_CONFIG_HOME -u XDG_CACHE_HOME \
        DBUS_SESSION_BUS_ADDRESS="unix:path=$folder/no-bus" HOME="$folder/home" XDG_RUNTIME_DIR="$folder/home" \
        QT_QPA_PLATFORM=xcb ./velmora >"$folder/velmora.log" 2>&1) &
    velmora=$!

    if ! poll 150 window_shown; then
        {
            echo "the main window was not shown within 15 s"
            kill -0 "$velmora" 2>/dev/null && echo "the program still runs" || echo "the program has ended"
            kill -0 "$wm" 2>/dev/null && echo "openbox runs" || echo "openbox has ended"
            xprop -root _NET_SUPPORTING_WM_CHECK
            xwininfo -root -tree
            for id in $(xdotool search --name '^Velmora$'); do
                xwininfo -id "$id"
                xprop -id "$id"
            done
        } >"$folder/failure" 2>&1
        result=1
    else
        # The close button's way: the window manager asks the window to close (WM_DELETE_WINDOW), once
        # it has taken the window. A request it read while still starting may wait for the next event,
        # so it is asked again, as a user clicks again.
        poll 150 managed
        local code= closes=0
        for tick in $(seq 150); do
            if ! kill -0 "$velmora" 2>/dev/null; then
                wait "$velmora"
                code=$?
                break
            fi
            if ((tick % 30 == 1)); then
                wmctrl -F -c Velmora >>"$folder/wmctrl.log" 2>&1 && closes=$((closes + 1))
            fi
            sleep 0.1
        done
        if [[ "$code" != 0 ]]; then
            {
                echo "the program ${code:+ended with exit code $code}${code:-did not end within 15 s of the close}"
                echo "closes the window manager took: $closes"
                xprop -root _NET_CLIENT_LIST _NET_SUPPORTING_WM_CHECK
                xwininfo -root -tree
            } >"$folder/failure" 2>&1
            result=1
        fi
    fi
    kill "$velmora" "$wm" 2>/dev/null
    wait "$velmora" "$wm" 2>/dev/null
    kill "$xvfb" 2>/dev/null
    wait "$xvfb" 2>/dev/null
    return $result
}

passed=0
failed=0
for i in $(seq "$count"); do
    folder=$work/$i
    if one_start "$folder"; then
        passed=$((passed + 1))
        rm -rf "$folder"
    else
        failed=$((failed + 1))
        echo "start $i failed: $(head -1 "$folder/failure") (details in $folder)"
    fi
done
stop_load
((failed)) || rm -rf "$work"
echo "stress-start: $passed passed, $failed failed"
((failed == 0))
