#pragma once
// HEIF photographs and the small picture a HEIF or AVIF file may carry beside them (phones store
// one), read through libheif, loaded the first time it is needed: a thumbnail from the small picture
// costs a fraction of decoding the photograph.
#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>

#include <memory>
#include <optional>

namespace velmora {

class HeifContainer {
public:
    // True when libheif could be loaded in this installation.
    static bool LibraryLoaded();

    // The container of bytes (which must outlive it), parsed but nothing decoded; nothing when
    // libheif is missing or the bytes are no HEIF container (error, when given, then says why).
    static std::optional<HeifContainer> Open(const QByteArray& bytes, QString* error = nullptr);

    HeifContainer(HeifContainer&&) noexcept;
    HeifContainer& operator=(HeifContainer&&) noexcept;
    ~HeifContainer();

    // The photograph's size as shown (turned as the container says).
    QSize size() const;

    // The size of the smallest carried thumbnail at least as large as atLeast on both sides;
    // nothing when no thumbnail covers it.
    std::optional<QSize> thumbnailCovering(QSize atLeast) const;

    // That thumbnail, upright, 8 bits a channel (ARGB32 with transparency, else RGB32). Throws a
    // Failure naming path when it cannot be decoded.
    QImage decodeThumbnail(QSize atLeast, const QString& path) const;

    // The photograph itself in the same way, its size checked against the decoders' bounds first.
    QImage decodePrimary(const QString& path) const;

private:
    struct Parsed;
    explicit HeifContainer(std::unique_ptr<Parsed> parsed);
    std::unique_ptr<Parsed> m_parsed;
};

} // namespace velmora
