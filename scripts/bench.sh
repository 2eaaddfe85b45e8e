#!/usr/bin/env bash
# Builds the dev preset and runs a benchmark against its peer tool.
# Usage: scripts/bench.sh engine [--runs N] [--photos N]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
which=${1:-engine}
shift || true

"$root/scripts/setup.sh" dev >/dev/null
case "$which" in
engine) exec "$root/build/dev/bin/velmora-bench-engine" "$@" ;;
*)
    echo "unknown benchmark: $which (known: engine)" >&2
    exit 2
    ;;
esac
