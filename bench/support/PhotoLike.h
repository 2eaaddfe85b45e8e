#pragma once
// Deterministic photo-like pictures for the benchmarks: soft gradients, blurred shapes and fine
// grain, so that JPEG files of them cost what photographs cost to decode.
#include <QImage>

namespace velmora::bench {

QImage PhotoLike(int width, int height, quint32 seed);

} // namespace velmora::bench
