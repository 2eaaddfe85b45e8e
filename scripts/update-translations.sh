#!/usr/bin/env bash
# Brings the English catalogue up to date with the sources: new texts are added unfinished, texts
# no longer in the sources are dropped. Then translate the unfinished ones (Qt Linguist, or by hand).
# Usage: scripts/update-translations.sh [catalogue.ts [folder...]]
#   default: translations/velmora_en.ts over every folder of the program and of Branchwise
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
catalogue=${1:-translations/velmora_en.ts}
shift || true
folders=("$@")
((${#folders[@]})) || folders=(control platform core engine ui dialogs windows mainwindow program)
lupdate=$(command -v lupdate6 || echo /usr/lib/qt6/bin/lupdate)
# The include paths let lupdate see each class's namespace: tr() looks up "velmora::Class".
"$lupdate" -silent -no-obsolete -locations none -source-language ja -target-language en \
    -extensions cpp,h -I "$root" -I "$root/control/include" "${folders[@]}" -ts "$catalogue"
