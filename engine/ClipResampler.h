#pragma once
// Resampling a picture to another size that produces only a rectangle of the result and reads the
// source once, row by row from the top: area averaging along a side that shrinks, linear
// interpolation along one that grows. It holds the few source rows one result row needs, never the
// whole picture, so a piece of a collage can be decoded and resampled in one stream.
#include <QImage>
#include <QRect>

#include <functional>
#include <vector>

namespace velmora {

class ClipResampler {
public:
    // source: the picture's size; target: the size it is resampled to; clip: the part of the result
    // wanted, within (0, 0, target). Sides up to 2^30.
    ClipResampler(QSize source, QSize target, QRect clip);

    // The part of the source the clip is made from.
    QRect sourceRect() const;
    // The rows handed to run() span source columns [left, left + width), which hold sourceRect's
    // columns; by default exactly sourceRect's.
    void setSourceColumns(int left, int width);

    // Fills line with source row y (RGB32, the columns set above). Called once for each row of
    // sourceRect, top to bottom.
    using RowReader = std::function<void(int y, quint32* line)>;
    // Writes the clip in RGB32: clip.height() rows of clip.width() pixels, `stride` bytes apart.
    void run(const RowReader& readRow, uchar* out, qsizetype stride) const;
    // The same into a new image of the clip's size; null when the memory cannot be had.
    QImage run(const RowReader& readRow) const;

    // Per result pixel along one side: the source pixels it is made of and their weights.
    struct Axis {
        std::vector<int> start;        // first source index of each result index
        std::vector<int> count;        // source pixels used
        std::vector<qint16> weights;   // `taps` a result index, summing to WeightOne, zero-padded
        int taps = 0;                  // even, for the pairwise loop
        int first = 0;                 // the source range used by the whole clip
        int end = 0;
        bool identity = false;         // the source indices themselves, one to one
    };
    static constexpr int WeightBits = 14;
    static constexpr int WeightOne = 1 << WeightBits;
    static Axis BuildAxis(int source, int target, int clipBegin, int clipEnd);

private:
    QRect m_clip;
    Axis m_horizontal;
    Axis m_vertical;
    int m_columnsLeft = 0;
    int m_columnsWidth = 0;
};

// An RGB32 picture in memory resampled to target: the clip of the result written `stride` bytes a
// row apart; or the whole result as a new image (null when the memory cannot be had).
void ResampleImage(const QImage& rgb32, QSize target, QRect clip, uchar* out, qsizetype stride);
QImage ResampleImage(const QImage& rgb32, QSize target);

} // namespace velmora
