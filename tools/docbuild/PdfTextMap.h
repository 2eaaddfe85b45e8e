#pragma once
// The text a PDF viewer copies and searches: Qt's PDF writer maps each glyph back to the lowest
// code point that shows it, and CJK fonts draw the Kangxi radicals (U+2F00...) with the glyphs of
// the ideographs, so "自" would be copied as "⾃" and a search for "自動" would fail.
#include <QByteArray>

namespace velmora::docbuild {

// Rewrites, inside the PDF's ToUnicode maps, every radical that stands for an ideograph into that
// ideograph. Each entry keeps its length, so the file's offsets stay valid. Returns the count.
int MapRadicalsToIdeographs(QByteArray& pdf);

} // namespace velmora::docbuild
