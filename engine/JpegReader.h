#pragma once
// libjpeg-turbo's decompressor as an object: the header first, then the picture at a DCT scale,
// rows read or skipped on demand, optionally only a band of columns. Corrupt or truncated data
// becomes a Failure naming the path; the warnings that mean missing data count as errors.
#include <QByteArray>
#include <QSize>
#include <QString>

#include <memory>

namespace velmora {

class JpegReader {
public:
    enum class Colours { Grey, Colour, Cmyk };
    enum class Output {
        Rgb32,  // four bytes a pixel in RGB32's order; grey pictures expanded (not CMYK)
        Native, // Grey: one byte a pixel; Colour: as Rgb32; Cmyk: four bytes, Adobe's inverted CMYK
    };

    // Reads the header. The bytes must outlive the reader. Throws CorruptImage.
    JpegReader(const QByteArray& bytes, const QString& path);
    ~JpegReader();
    JpegReader(const JpegReader&) = delete;
    JpegReader& operator=(const JpegReader&) = delete;

    // The stored picture's size, as the header says (no Exif orientation applied).
    QSize size() const;
    Colours colours() const;

    // Starts decompressing at eighths/8 of the stored size (1 to 8). Throws CorruptImage.
    void start(int eighths, Output output);
    // The decoded picture's size at the chosen scale.
    QSize outputSize() const;
    // Decodes only the output columns [left, left + width), widened by the library to whole blocks;
    // returns the first column actually decoded and sets width to the number decoded. Before the
    // first row is read.
    int restrictColumns(int left, int& width);
    // Bytes a decoded row takes (with the columns restricted, only those).
    qsizetype rowBytes() const;
    // The row the next readRow delivers.
    int nextRow() const;
    // Goes on to row `row`: the rows between are decoded only as far as needed to stay in step.
    void skipTo(int row);
    void readRow(unsigned char* line);
    // Passes over the remaining rows and checks that the data is complete: a file cut short is
    // reported even when its missing part is never shown.
    void finish();

private:
    struct State;
    std::unique_ptr<State> m_state;
};

// The scale, in eighths, at which a stored picture is decoded to be resampled to target: the
// smallest of 1/8, 2/8, 4/8 and 8/8 that is still at least target's size on both sides (8/8 when
// none is). The other eighths are passed over because they cost more than the next power of two:
// libjpeg-turbo has SIMD code for the power-of-two scales only (on a 4000 x 3000 photograph 3/8
// takes longer than 4/8, and 5/8 to 7/8 longer than 8/8).
int JpegScaleFor(QSize picture, QSize target);

// A picture's size at that scale, as libjpeg rounds it (up).
QSize JpegScaledSize(QSize picture, int eighths);

} // namespace velmora
