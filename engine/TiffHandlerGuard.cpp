#include "engine/TiffHandlerGuard.h"

#include <shared_mutex>

#include <tiffio.h>

namespace velmora {
namespace {

std::shared_mutex& handlersInUse()
{
    static std::shared_mutex mutex;
    return mutex;
}

// The handlers found before a GraphicsMagick call; only touched under the exclusive lock.
struct Handlers {
    TIFFErrorHandler error = nullptr;
    TIFFErrorHandlerExt errorExt = nullptr;
    TIFFErrorHandler warning = nullptr;
    TIFFErrorHandlerExt warningExt = nullptr;
};
Handlers g_saved;

} // namespace

TiffHandlerGuard::TiffHandlerGuard(User user)
    : m_user(user)
{
    if (m_user == User::QtTiffReader) {
        handlersInUse().lock_shared();
        return;
    }
    handlersInUse().lock();
    // Setting returns the handler in place; set it straight back.
    g_saved.error = TIFFSetErrorHandler(nullptr);
    TIFFSetErrorHandler(g_saved.error);
    g_saved.errorExt = TIFFSetErrorHandlerExt(nullptr);
    TIFFSetErrorHandlerExt(g_saved.errorExt);
    g_saved.warning = TIFFSetWarningHandler(nullptr);
    TIFFSetWarningHandler(g_saved.warning);
    g_saved.warningExt = TIFFSetWarningHandlerExt(nullptr);
    TIFFSetWarningHandlerExt(g_saved.warningExt);
}

TiffHandlerGuard::~TiffHandlerGuard()
{
    if (m_user == User::QtTiffReader) {
        handlersInUse().unlock_shared();
        return;
    }
    TIFFSetErrorHandler(g_saved.error);
    TIFFSetErrorHandlerExt(g_saved.errorExt);
    TIFFSetWarningHandler(g_saved.warning);
    TIFFSetWarningHandlerExt(g_saved.warningExt);
    handlersInUse().unlock();
}

bool TiffHandlerGuard::IsTiffFormat(const QByteArray& format)
{
    return format == "tiff" || format == "tif";
}

} // namespace velmora
