#pragma once
// A picture a collage places: its size taken from the file's header, and the file read and decoded
// anew for each placement, at the size and for the part that shows. JPEG files are decoded at the
// DCT scale that just covers the size shown and resampled while they are decoded, so a piece never
// costs the memory of the whole picture; other formats go through the usual decoders.
#include <QByteArray>
#include <QImage>
#include <QRect>
#include <QString>

#include <memory>

namespace velmora {

class CollagePicture {
public:
    // Reads the file's header (the whole file only for formats that tell their size no other way).
    // Throws a Failure naming the path: missing, unreadable, not a picture, corrupt header, too large.
    static std::shared_ptr<const CollagePicture> Read(const QString& path);
    // A picture already in memory (kept in memory).
    static std::shared_ptr<const CollagePicture> FromImage(const QImage& image);

    // As it is seen (Exif orientation applied).
    QSize size() const { return m_size; }
    const QString& path() const { return m_path; }
    // Memory held between decodings: the pixels of a picture made in memory.
    qint64 heldBytes() const;

    // Writes the part `clip` (within (0, 0, target)) of the picture resampled to `target`, in
    // RGB32, to out with rows `stride` bytes apart. Throws a Failure when the data is corrupt,
    // including parts that do not show.
    void render(QSize target, QRect clip, uchar* out, qsizetype stride) const;
    // Reads the file only as far as needed to tell that it is whole: for a piece that does not show.
    void check() const;
    // Decodes all of the file's data: for a file read again after it failed.
    void validate() const;

private:
    QByteArray bytes() const;
    // Reads the file through the decoder: every row's data, or only what finish() checks.
    void readThrough(bool decodeAll) const;
    void renderJpeg(const QByteArray& bytes, QSize target, QRect clip, uchar* out, qsizetype stride) const;
    QImage decodeWhole(const QByteArray& bytes, QSize target) const;

    QString m_path;
    QImage m_image; // a picture made in memory
    QSize m_size;
    int m_orientation = 1;
    bool m_jpeg = false;
    bool m_streamed = false; // JPEG decoded and resampled row by row
};

} // namespace velmora
