#!/usr/bin/env bash
# Installs the Debian packages a build needs (only the missing ones), then configures and builds.
# Usage: scripts/setup.sh [--test-packages] [app|dev|asan|release|fuzz]   (default: dev)
#   app      the program and what it loads, nothing else (scripts/start.sh); shares build/dev
#   dev      app plus the tests and the benchmarks (scripts/test.sh)
#   asan     the tests under AddressSanitizer and UndefinedBehaviorSanitizer
#   release  the program for the Debian packages
#   fuzz     the libFuzzer harnesses (clang)
# --test-packages installs the tests' tools too, also for app or release (scripts/stress-start.sh).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
test_packages=0
if [[ "${1:-}" == --test-packages ]]; then
    test_packages=1
    shift
fi
preset=${1:-dev}

lists=("$root/scripts/debian-packages.txt")
case "$preset" in
    app | release) ;;
    dev | asan | fuzz) test_packages=1 ;;
    *)
        echo "usage: $0 [--test-packages] [app|dev|asan|release|fuzz]" >&2
        exit 2
        ;;
esac
((test_packages)) && lists+=("$root/scripts/debian-packages-test.txt")

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
