#!/usr/bin/env bash
# Sets everything up and runs the whole test suite.
# Usage: scripts/test.sh             the normal build
#        scripts/test.sh --sanitize  the AddressSanitizer and UndefinedBehaviorSanitizer build
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
preset=dev
[[ "${1:-}" == "--sanitize" ]] && preset=asan

"$root/scripts/setup.sh" "$preset"
cd "$root"
ctest --preset "$preset"
