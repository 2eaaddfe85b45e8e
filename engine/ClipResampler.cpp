#include "engine/ClipResampler.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace velmora {
namespace {

// Weights in fixed point that sum to exactly WeightOne, the rounding error put on the largest.
void normalise(std::vector<double>& shares, std::vector<qint16>& out)
{
    double total = 0;
    for (double share : shares)
        total += share;
    int sum = 0;
    size_t largest = 0;
    out.resize(shares.size());
    for (size_t k = 0; k < shares.size(); ++k) {
        out[k] = qint16(std::lround(shares[k] / total * ClipResampler::WeightOne));
        sum += out[k];
        if (shares[k] > shares[largest])
            largest = k;
    }
    out[largest] = qint16(out[largest] + ClipResampler::WeightOne - sum);
}

} // namespace

ClipResampler::Axis ClipResampler::BuildAxis(int source, int target, int clipBegin, int clipEnd)
{
    Axis axis;
    const int n = std::max(0, clipEnd - clipBegin);
    axis.identity = source == target;
    std::vector<std::vector<qint16>> all(static_cast<size_t>(n));
    axis.start.resize(size_t(n));
    axis.count.resize(size_t(n));
    const double ratio = double(source) / double(target);
    std::vector<double> shares;
    for (int i = 0; i < n; ++i) {
        const int j = clipBegin + i;
        int first = 0;
        shares.clear();
        if (axis.identity) {
            first = j;
            shares.push_back(1);
        } else if (target < source) {
            // Area averaging: the source pixels the result pixel covers, each by its share.
            const double low = j * ratio;
            const double high = (j + 1) * ratio;
            first = std::clamp(int(std::floor(low)), 0, source - 1);
            const int last = std::clamp(int(std::ceil(high)), first + 1, source);
            for (int k = first; k < last; ++k)
                shares.push_back(std::max(0.0, std::min(high, k + 1.0) - std::max(low, double(k))));
            // Slivers below the weights' resolution are dropped from both ends.
            while (shares.size() > 1 && shares.back() * WeightOne < 0.5 * ratio)
                shares.pop_back();
            while (shares.size() > 1 && shares.front() * WeightOne < 0.5 * ratio) {
                shares.erase(shares.begin());
                ++first;
            }
        } else {
            // Linear interpolation between the two nearest source pixel centres.
            const double centre = (j + 0.5) * ratio - 0.5;
            first = std::clamp(int(std::floor(centre)), 0, source - 1);
            const double t = std::clamp(centre - first, 0.0, 1.0);
            shares.push_back(1 - t);
            if (first + 1 < source && t * WeightOne >= 0.5)
                shares.push_back(t);
        }
        normalise(shares, all[size_t(i)]);
        axis.start[size_t(i)] = first;
        axis.count[size_t(i)] = int(shares.size());
        axis.taps = std::max(axis.taps, int(shares.size()));
    }
    axis.taps += axis.taps % 2;
    axis.weights.assign(size_t(n) * size_t(axis.taps), 0);
    for (int i = 0; i < n; ++i)
        std::copy(all[size_t(i)].begin(), all[size_t(i)].end(), axis.weights.begin() + qsizetype(i) * axis.taps);
    if (n > 0) {
        axis.first = axis.start.front();
        axis.end = axis.start.back() + axis.count.back();
        for (int i = 0; i < n; ++i)
            axis.end = std::max(axis.end, axis.start[size_t(i)] + axis.count[size_t(i)]);
    }
    return axis;
}

ClipResampler::ClipResampler(QSize source, QSize target, QRect clip)
    : m_clip(clip)
    , m_horizontal(BuildAxis(source.width(), target.width(), clip.left(), clip.left() + clip.width()))
    , m_vertical(BuildAxis(source.height(), target.height(), clip.top(), clip.top() + clip.height()))
{
    m_columnsLeft = m_horizontal.first;
    m_columnsWidth = m_horizontal.end - m_horizontal.first;
}

QRect ClipResampler::sourceRect() const
{
    return QRect(m_horizontal.first, m_vertical.first, m_horizontal.end - m_horizontal.first,
                 m_vertical.end - m_vertical.first);
}

void ClipResampler::setSourceColumns(int left, int width)
{
    m_columnsLeft = left;
    m_columnsWidth = width;
}

namespace {

// One result row from one blended source row.
void horizontalPass(const ClipResampler::Axis& axis, const quint32* row, int rowLeft, quint32* out, int width)
{
    if (axis.identity) {
        std::memcpy(out, row + (axis.start[0] - rowLeft), size_t(width) * 4);
        return;
    }
    const int taps = axis.taps;
    const qint16* weights = axis.weights.data();
#if defined(__SSE2__)
    const __m128i zero = _mm_setzero_si128();
    const __m128i half = _mm_set1_epi32(ClipResampler::WeightOne / 2);
    for (int x = 0; x < width; ++x, weights += taps) {
        const quint32* in = row + (axis.start[size_t(x)] - rowLeft);
        const int pairs = (axis.count[size_t(x)] + 1) / 2;
        __m128i sum = half;
        for (int p = 0; p < pairs; ++p) {
            // Two pixels' channels side by side (b0 b1 g0 g1 r0 r1 a0 a1), times (w0 w1) each.
            const __m128i both = _mm_unpacklo_epi8(_mm_cvtsi32_si128(int(in[2 * p])),
                                                   _mm_cvtsi32_si128(int(in[2 * p + 1])));
            const __m128i wide = _mm_unpacklo_epi8(both, zero);
            const int pair = int(quint16(weights[2 * p])) | int(quint32(quint16(weights[2 * p + 1])) << 16);
            sum = _mm_add_epi32(sum, _mm_madd_epi16(wide, _mm_set1_epi32(pair)));
        }
        sum = _mm_srai_epi32(sum, ClipResampler::WeightBits);
        sum = _mm_packs_epi32(sum, sum);
        sum = _mm_packus_epi16(sum, sum);
        out[x] = quint32(_mm_cvtsi128_si32(sum)) | 0xff000000u;
    }
#else
    for (int x = 0; x < width; ++x, weights += taps) {
        const uchar* in = reinterpret_cast<const uchar*>(row + (axis.start[size_t(x)] - rowLeft));
        int sum[3] = {ClipResampler::WeightOne / 2, ClipResampler::WeightOne / 2, ClipResampler::WeightOne / 2};
        for (int k = 0; k < axis.count[size_t(x)]; ++k)
            for (int c = 0; c < 3; ++c)
                sum[c] += weights[k] * in[4 * k + c];
        quint32 pixel = 0xff000000u;
        for (int c = 0; c < 3; ++c)
            pixel |= quint32(std::clamp(sum[c] >> ClipResampler::WeightBits, 0, 255)) << (8 * c);
        out[x] = pixel;
    }
#endif
}

// out = the rows weighted by weights, `bytes` bytes (a multiple of 16; the rows have room for it).
void verticalPass(const quint32* const* rows, const qint16* weights, int count, uchar* out, size_t bytes,
                  std::vector<qint32>& sums)
{
#if defined(__SSE2__)
    const __m128i zero = _mm_setzero_si128();
    const __m128i half = _mm_set1_epi32(ClipResampler::WeightOne / 2);
    const auto weightPair = [&](int k) {
        const int second = k + 1 < count ? weights[k + 1] : 0;
        return _mm_set1_epi32(int(quint16(weights[k])) | int(quint32(quint16(second)) << 16));
    };
    const auto row = [&](int k) {
        return reinterpret_cast<const uchar*>(rows[std::min(k, count - 1)]);
    };
    // Rows two at a time, byte beside byte (a0 b0 a1 b1 ...), times (wa wb): four sums per madd.
    const auto madd16 = [&](const uchar* a, const uchar* b, __m128i weight, __m128i sum[4]) {
        const __m128i first = _mm_loadu_si128(reinterpret_cast<const __m128i*>(a));
        const __m128i second = _mm_loadu_si128(reinterpret_cast<const __m128i*>(b));
        const __m128i low = _mm_unpacklo_epi8(first, second);
        const __m128i high = _mm_unpackhi_epi8(first, second);
        sum[0] = _mm_add_epi32(sum[0], _mm_madd_epi16(_mm_unpacklo_epi8(low, zero), weight));
        sum[1] = _mm_add_epi32(sum[1], _mm_madd_epi16(_mm_unpackhi_epi8(low, zero), weight));
        sum[2] = _mm_add_epi32(sum[2], _mm_madd_epi16(_mm_unpacklo_epi8(high, zero), weight));
        sum[3] = _mm_add_epi32(sum[3], _mm_madd_epi16(_mm_unpackhi_epi8(high, zero), weight));
    };
    const auto store = [&](uchar* target, __m128i sum[4]) {
        for (int q = 0; q < 4; ++q)
            sum[q] = _mm_srai_epi32(sum[q], ClipResampler::WeightBits);
        const __m128i words = _mm_packus_epi16(_mm_packs_epi32(sum[0], sum[1]), _mm_packs_epi32(sum[2], sum[3]));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(target), words);
    };
    if (count <= 2) {
        const __m128i weight = weightPair(0);
        const uchar* a = row(0);
        const uchar* b = row(1);
        for (size_t i = 0; i < bytes; i += 16) {
            __m128i sum[4] = {half, half, half, half};
            madd16(a + i, b + i, weight, sum);
            store(out + i, sum);
        }
        return;
    }
    sums.assign(bytes, ClipResampler::WeightOne / 2);
    for (int k = 0; k < count; k += 2) {
        const __m128i weight = weightPair(k);
        const uchar* a = row(k);
        const uchar* b = row(k + 1);
        for (size_t i = 0; i < bytes; i += 16) {
            auto* at = reinterpret_cast<__m128i*>(sums.data() + i);
            __m128i sum[4] = {_mm_loadu_si128(at), _mm_loadu_si128(at + 1), _mm_loadu_si128(at + 2),
                              _mm_loadu_si128(at + 3)};
            madd16(a + i, b + i, weight, sum);
            for (int q = 0; q < 4; ++q)
                _mm_storeu_si128(at + q, sum[q]);
        }
    }
    for (size_t i = 0; i < bytes; i += 16) {
        auto* at = reinterpret_cast<const __m128i*>(sums.data() + i);
        __m128i sum[4] = {_mm_loadu_si128(at), _mm_loadu_si128(at + 1), _mm_loadu_si128(at + 2),
                          _mm_loadu_si128(at + 3)};
        store(out + i, sum);
    }
#else
    sums.assign(bytes, ClipResampler::WeightOne / 2);
    for (int k = 0; k < count; ++k) {
        const uchar* in = reinterpret_cast<const uchar*>(rows[k]);
        for (size_t b = 0; b < bytes; ++b)
            sums[b] += weights[k] * in[b];
    }
    for (size_t b = 0; b < bytes; ++b)
        out[b] = uchar(std::clamp(sums[b] >> ClipResampler::WeightBits, 0, 255));
#endif
}

} // namespace

namespace {

ClipResampler::RowReader imageRows(const QImage& image, const ClipResampler& resampler)
{
    const QRect source = resampler.sourceRect();
    return [&image, source](int y, quint32* line) {
        std::memcpy(line, image.constScanLine(y) + qsizetype(source.left()) * 4, size_t(source.width()) * 4);
    };
}

} // namespace

void ResampleImage(const QImage& rgb32, QSize target, QRect clip, uchar* out, qsizetype stride)
{
    const ClipResampler resampler(rgb32.size(), target, clip);
    resampler.run(imageRows(rgb32, resampler), out, stride);
}

QImage ResampleImage(const QImage& rgb32, QSize target)
{
    const ClipResampler resampler(rgb32.size(), target, QRect(QPoint(0, 0), target));
    return resampler.run(imageRows(rgb32, resampler));
}

void ClipResampler::run(const RowReader& readRow, uchar* out, qsizetype stride) const
{
    const int rows = m_clip.height();
    const int width = m_clip.width();
    if (rows <= 0 || width <= 0)
        return;
    // The pixels of a blended row the horizontal pass reads, rounded up to whole 16-byte blocks;
    // the rows have room for those reads (the pairwise loop reads one pixel past the last it weighs).
    const int usedLeft = m_horizontal.first - m_columnsLeft;
    const int usedPixels = (m_horizontal.end - m_horizontal.first + 1 + 3) & ~3;
    const int rowPixels = std::max(m_columnsWidth, usedLeft + usedPixels) + 4;
    const int ring = std::max(1, m_vertical.taps);
    std::vector<quint32> buffer(size_t(rowPixels) * size_t(ring), 0);
    std::vector<quint32> blended(size_t(rowPixels), 0);
    std::vector<qint32> sums;
    std::vector<const quint32*> sources(static_cast<size_t>(ring));
    int nextSourceRow = m_vertical.first;
    const auto slot = [&](int y) { return buffer.data() + size_t(y % ring) * size_t(rowPixels); };

    for (int r = 0; r < rows; ++r) {
        const int first = m_vertical.start[size_t(r)];
        const int count = m_vertical.count[size_t(r)];
        while (nextSourceRow < first + count) {
            readRow(nextSourceRow, slot(nextSourceRow));
            ++nextSourceRow;
        }
        const quint32* row = slot(first);
        if (count > 1) {
            for (int k = 0; k < count; ++k)
                sources[size_t(k)] = slot(first + k) + usedLeft;
            verticalPass(sources.data(), m_vertical.weights.data() + qsizetype(r) * m_vertical.taps, count,
                         reinterpret_cast<uchar*>(blended.data() + usedLeft), size_t(usedPixels) * 4, sums);
            row = blended.data();
        }
        horizontalPass(m_horizontal, row, m_columnsLeft, reinterpret_cast<quint32*>(out + stride * r), width);
    }
}

QImage ClipResampler::run(const RowReader& readRow) const
{
    QImage image(m_clip.size(), QImage::Format_RGB32);
    if (image.isNull())
        return image;
    run(readRow, image.bits(), image.bytesPerLine());
    return image;
}

} // namespace velmora
