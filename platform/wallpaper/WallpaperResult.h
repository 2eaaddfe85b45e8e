#pragma once
// The outcome of a wallpaper backend call: success, or a message for the user.
#include <QString>

namespace velmora::platform {

struct WallpaperResult {
    bool ok = true;
    // In the interface's language, ready to show; may end with the technical detail (a tool's
    // message, an X error).
    QString error;

    static WallpaperResult success() { return {}; }
    static WallpaperResult failure(QString text) { return {false, std::move(text)}; }
    explicit operator bool() const { return ok; }
};

} // namespace velmora::platform
