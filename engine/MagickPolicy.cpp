#include "engine/MagickPolicy.h"

#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace velmora {
namespace {

// True for the temporary files GraphicsMagick makes itself: "gm" and six letters or digits in its
// temporary folder (MAGICK_TMPDIR, TMPDIR or P_tmpdir).
bool isMagickTemporary(const char* path)
{
    const std::string_view text(path ? path : "");
    const std::size_t slash = text.rfind('/');
    if (slash == std::string_view::npos)
        return false;
    const std::string_view name = text.substr(slash + 1);
    if (name.size() != 8 || !name.starts_with("gm"))
        return false;
    for (const char c : name.substr(2))
        if (!((c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z')))
            return false;
    const std::string_view folder = text.substr(0, slash);
    const char* const candidates[] = {std::getenv("MAGICK_TMPDIR"), std::getenv("TMPDIR"), P_tmpdir};
    for (const char* candidate : candidates) {
        std::string_view directory(candidate ? candidate : "");
        while (directory.size() > 1 && directory.back() == '/')
            directory.remove_suffix(1);
        if (!directory.empty() && directory == folder)
            return true;
    }
    return false;
}

} // namespace

MagickPassFail ConfirmMagickAccess(const ConfirmAccessMode mode, const char* path, ExceptionInfo*)
{
    const bool file = mode == FileReadConfirmAccessMode || mode == FileWriteConfirmAccessMode;
    return file && isMagickTemporary(path) ? MagickPass : MagickFail;
}

bool MagickCoderMayReachLibtiff(const QByteArray& coder)
{
    return coder == "CALS" || coder == "WPG" || coder == "WMF";
}

} // namespace velmora
