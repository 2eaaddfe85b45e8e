#!/usr/bin/env bash
# Sets everything up and starts Velmora on the user's desktop.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh" app
if [[ -z "${DISPLAY:-}" && -z "${WAYLAND_DISPLAY:-}" ]]; then
    echo "No display was found (neither DISPLAY nor WAYLAND_DISPLAY is set), so Velmora cannot open its window here."
    echo "Running a demonstration on a private virtual X server instead."
    exec "$root/scripts/demo.sh" "$root/build/dev/bin/velmora"
fi
exec "$root/build/dev/bin/velmora" "$@"
