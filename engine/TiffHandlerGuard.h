#pragma once
// libtiff reports errors through handlers shared by the whole process, and two decoders use it: Qt's
// TIFF reader and GraphicsMagick (its CALS reader goes through libtiff, and pictures it passes on
// from WordPerfect files and metafiles may too). GraphicsMagick installs handlers that are valid only
// inside its own call; left in place, the next broken TIFF that Qt reads aborts the program. A
// GraphicsMagick decode that may reach libtiff holds this guard alone and puts the handlers it found
// back at its end; Qt's TIFF reads share it, so they never run while GraphicsMagick's are in place.
// GraphicsMagick's other coders take no part.
#include <QByteArray>

namespace velmora {

class TiffHandlerGuard {
public:
    enum class User { QtTiffReader, GraphicsMagick };
    explicit TiffHandlerGuard(User user);
    ~TiffHandlerGuard();
    TiffHandlerGuard(const TiffHandlerGuard&) = delete;
    TiffHandlerGuard& operator=(const TiffHandlerGuard&) = delete;

    // True for the names Qt gives its TIFF reader's format.
    static bool IsTiffFormat(const QByteArray& format);

private:
    User m_user;
};

} // namespace velmora
