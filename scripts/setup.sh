#!/usr/bin/env bash
# Installs the Debian packages a build needs (only the missing ones), then configures and builds.
# Usage: scripts/setup.sh [app|dev|asan|release|fuzz]   (default: dev)
#   app      the program and what it loads, nothing else (scripts/start.sh); shares build/dev
#   dev      app plus the tests and the benchmarks (scripts/test.sh)
#   asan     the tests under AddressSanitizer and UndefinedBehaviorSanitizer
#   release  the program for the Debian packages
#   fuzz     the libFuzzer harnesses (clang)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
preset=${1:-dev}

lists=("$root/scripts/debian-packages.txt")
case "$preset" in
    app | release) ;;
    dev | asan | fuzz) lists+=("$root/scripts/debian-packages-test.txt") ;;
    *)
        echo "usage: $0 [app|dev|asan|release|fuzz]" >&2
        exit 2
        ;;
esac

missing=()
while read -r package; do
    [[ -z "$package" || "$package" == \#* ]] && continue
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
done < <(cat "${lists[@]}")

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
