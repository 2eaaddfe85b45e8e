#!/usr/bin/env bash
# Sets everything up and starts Velmora on the user's desktop.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh" dev
if [[ -z "${DISPLAY:-}" && -z "${WAYLAND_DISPLAY:-}" ]]; then
    echo "No display was found (neither DISPLAY nor WAYLAND_DISPLAY is set): Velmora needs a desktop session." >&2
    exit 1
fi
exec "$root/build/dev/bin/velmora" "$@"
