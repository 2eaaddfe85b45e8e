#pragma once
// PNG files of one dark colour: small files that decode to large pictures.
#include <QByteArray>

namespace velmora::test {

struct PngShape {
    int width = 0;
    int height = 0;
    int colourType = 2; // 0 grey, 2 colour, 3 palette, 4 grey and alpha, 6 colour and alpha
    bool interlaced = false;
    bool transparencyChunk = false; // a tRNS chunk (grey, colour and palette pictures)
};

// Every sample 0 (palette entry 0 is black), 8 bits a sample.
QByteArray ClaimingPng(const PngShape& shape);

} // namespace velmora::test
