#!/usr/bin/env bash
# Writes the fuzz harnesses' seed corpora anew under tests/fuzz/corpus/<harness>/: small valid files
# of each kind the program reads and the hostile cases its tests make. The seeds are committed; a
# seed over 64 KiB is not kept.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh" dev >/dev/null
cd "$root"
cmake --build --preset dev --target velmora-fuzz-seeds
rm -rf tests/fuzz/corpus
QT_QPA_PLATFORM=offscreen build/dev/bin/velmora-fuzz-seeds tests/fuzz/corpus
find tests/fuzz/corpus -type f -size +64k -print -delete
