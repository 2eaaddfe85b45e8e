#!/usr/bin/env bash
# Builds and runs one benchmark: scripts/bench.sh <name> [arguments...]
# <name> picks bench/<name> (program velmora-bench-<name>), for example: scripts/bench.sh folders
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
if [[ $# -lt 1 ]]; then
    echo "usage: $0 <name> [arguments...]   (benchmarks: $(ls "$root/bench" | grep -v CMakeLists | tr '\n' ' '))" >&2
    exit 2
fi
name=$1
shift
"$root/scripts/setup.sh" dev
cd "$root"
if [[ $name == scale ]]; then
    # The four scale lines: the lists' two, then the folders' two.
    cmake --build --preset dev --target velmora-bench-scale velmora-bench-scalefolders
    build/dev/bin/velmora-bench-scale "$@"
    exec build/dev/bin/velmora-bench-scalefolders
fi
cmake --build --preset dev --target "velmora-bench-$name"
exec "build/dev/bin/velmora-bench-$name" "$@"
