#!/usr/bin/env bash
# Installs the Debian packages Velmora needs (only the missing ones), then configures and builds.
# Usage: scripts/setup.sh [dev|asan|release]   (default: dev)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
preset=${1:-dev}

missing=()
while read -r package; do
    [[ -z "$package" || "$package" == \#* ]] && continue
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
done <"$root/scripts/debian-packages.txt"

if ((${#missing[@]})); then
    echo "Installing Debian packages: ${missing[*]}"
    sudo=()
    [[ $(id -u) -eq 0 ]] || sudo=(sudo)
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq "${missing[@]}" >/dev/null
fi

cd "$root"
cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset"
