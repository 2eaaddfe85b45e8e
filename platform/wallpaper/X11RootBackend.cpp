#include "platform/wallpaper/X11RootBackend.h"

#include "platform/Screen.h"
#include "platform/wallpaper/ScreenPicture.h"

#include <QImageReader>

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <bit>
#include <cstdlib>
#include <memory>
#include <mutex>

namespace velmora::platform {
namespace {

const char* const PlacementProperty = "_VELMORA_TILE_WALLPAPER";

// Xlib's default error handler ends the process; errors here must become messages. The handler is
// process-wide, so one connection at a time records into it.
std::mutex errorMutex;
int lastError = 0;

int recordError(Display*, XErrorEvent* event)
{
    lastError = event->error_code;
    return 0;
}

class XConnection {
public:
    explicit XConnection(const QString& name)
        : m_lock(errorMutex)
    {
        const QByteArray native = name.toLocal8Bit();
        m_display = XOpenDisplay(name.isEmpty() ? nullptr : native.constData());
        m_previousHandler = XSetErrorHandler(recordError);
        lastError = 0;
    }
    ~XConnection()
    {
        if (m_display)
            XCloseDisplay(m_display);
        XSetErrorHandler(m_previousHandler);
    }
    XConnection(const XConnection&) = delete;
    XConnection& operator=(const XConnection&) = delete;

    Display* display() const { return m_display; }
    // Waits for the server and reports whether any request since the last check failed.
    bool failed()
    {
        XSync(m_display, False);
        const bool any = lastError != 0;
        lastError = 0;
        return any;
    }

private:
    std::unique_lock<std::mutex> m_lock;
    Display* m_display = nullptr;
    int (*m_previousHandler)(Display*, XErrorEvent*) = nullptr;
};

QString displayName(const QString& name)
{
    return name.isEmpty() ? qEnvironmentVariable("DISPLAY") : name;
}

WallpaperResult noDisplay(const QString& name)
{
    return WallpaperResult::failure(
        QStringLiteral("X サーバー「%1」に接続できません。").arg(displayName(name)));
}

Pixmap pixmapProperty(Display* display, Window root, Atom property)
{
    Atom type = None;
    int format = 0;
    unsigned long count = 0;
    unsigned long after = 0;
    unsigned char* data = nullptr;
    Pixmap pixmap = None;
    if (XGetWindowProperty(display, root, property, 0, 1, False, XA_PIXMAP, &type, &format, &count, &after,
                           &data) == Success &&
        type == XA_PIXMAP && format == 32 && count == 1 && data)
        pixmap = *reinterpret_cast<Pixmap*>(data);
    if (data)
        XFree(data);
    return pixmap;
}

// The position of a colour mask's lowest bit and its width, to place 8-bit channels in a pixel.
struct Channel {
    int shift = 0;
    int bits = 0;
    explicit Channel(unsigned long mask)
        : shift(mask ? std::countr_zero(mask) : 0)
        , bits(std::popcount(mask))
    {}
    unsigned long place(int value) const
    {
        if (bits == 0)
            return 0;
        const unsigned long scaled = bits >= 8 ? static_cast<unsigned long>(value) << (bits - 8)
                                               : static_cast<unsigned long>(value) >> (8 - bits);
        return scaled << shift;
    }
};

// Fills an XImage in the visual's own pixel layout.
bool fillXImage(XImage* target, const QImage& source, const Visual* visual)
{
    const Channel red(visual->red_mask), green(visual->green_mask), blue(visual->blue_mask);
    for (int y = 0; y < source.height(); ++y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(source.constScanLine(y));
        for (int x = 0; x < source.width(); ++x) {
            const QRgb c = line[x];
            XPutPixel(target, x, y, red.place(qRed(c)) | green.place(qGreen(c)) | blue.place(qBlue(c)));
        }
    }
    return true;
}

// A pixmap of the root's depth holding the screen image, or None.
Pixmap makePixmap(Display* display, int screenNumber, const QImage& screenImage)
{
    Visual* visual = DefaultVisual(display, screenNumber);
    const int depth = DefaultDepth(display, screenNumber);
    const Window root = RootWindow(display, screenNumber);
    if (visual->c_class != TrueColor && visual->c_class != DirectColor)
        return None;
    XImage* image = XCreateImage(display, visual, static_cast<unsigned>(depth), ZPixmap, 0, nullptr,
                                 static_cast<unsigned>(screenImage.width()),
                                 static_cast<unsigned>(screenImage.height()), 32, 0);
    if (!image)
        return None;
    image->data =
        static_cast<char*>(std::calloc(static_cast<size_t>(image->bytes_per_line), screenImage.height()));
    if (!image->data) {
        XDestroyImage(image);
        return None;
    }
    fillXImage(image, screenImage, visual);
    const Pixmap pixmap =
        XCreatePixmap(display, root, static_cast<unsigned>(screenImage.width()),
                      static_cast<unsigned>(screenImage.height()), static_cast<unsigned>(depth));
    GC gc = XCreateGC(display, pixmap, 0, nullptr);
    XPutImage(display, pixmap, gc, image, 0, 0, 0, 0, static_cast<unsigned>(screenImage.width()),
              static_cast<unsigned>(screenImage.height()));
    XFreeGC(display, gc);
    XDestroyImage(image); // frees data too
    return pixmap;
}

// The previous setter kept its pixmap alive by retaining its client's resources; ending that client
// frees them. Only when both properties agree, so that a live client is not ended by mistake, and only
// while the pixmap still exists: a stale id may by now belong to another client, even to this one.
// Runs before this connection creates anything.
void freePreviousPixmap(XConnection& x, Window root, Pixmap rootPixmap, Pixmap esetrootPixmap)
{
    if (esetrootPixmap == None || esetrootPixmap != rootPixmap)
        return;
    Window geometryRoot = None;
    int left = 0, top = 0;
    unsigned width = 0, height = 0, border = 0, depth = 0;
    const bool exists = XGetGeometry(x.display(), esetrootPixmap, &geometryRoot, &left, &top, &width, &height,
                                     &border, &depth) != 0;
    if (x.failed() || !exists || geometryRoot != root)
        return;
    XKillClient(x.display(), esetrootPixmap);
    x.failed();
}

} // namespace

X11RootBackend::X11RootBackend(QString display)
    : m_display(std::move(display))
{}

QString X11RootBackend::ReadTileWallpaper()
{
    XConnection x(m_display);
    Display* display = x.display();
    if (!display)
        return {};
    const Atom property = XInternAtom(display, PlacementProperty, True);
    if (property == None)
        return {};
    Atom type = None;
    int format = 0;
    unsigned long count = 0;
    unsigned long after = 0;
    unsigned char* data = nullptr;
    QString value;
    if (XGetWindowProperty(display, DefaultRootWindow(display), property, 0, 16, False, XA_STRING, &type,
                           &format, &count, &after, &data) == Success &&
        type == XA_STRING && format == 8 && data)
        value = QString::fromLatin1(reinterpret_cast<const char*>(data), static_cast<qsizetype>(count));
    if (data)
        XFree(data);
    return value == u"1" || value == u"0" ? value : QString();
}

WallpaperResult X11RootBackend::WriteTileWallpaper(const QString& value)
{
    XConnection x(m_display);
    Display* display = x.display();
    if (!display)
        return noDisplay(m_display);
    const Atom property = XInternAtom(display, PlacementProperty, False);
    const QByteArray bytes = value.toLatin1();
    XChangeProperty(display, DefaultRootWindow(display), property, XA_STRING, 8, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(bytes.constData()),
                    static_cast<int>(bytes.size()));
    if (x.failed())
        return WallpaperResult::failure(QStringLiteral("X サーバーに壁紙の配置を記録できません。"));
    return WallpaperResult::success();
}

WallpaperResult X11RootBackend::SetWallpaper(const WallpaperPicture& picture)
{
    // The composed picture from memory; reading the bitmap back would cost as much as writing it.
    QImage image = picture.image;
    if (image.isNull()) {
        QImageReader reader(picture.file);
        image = reader.read();
        if (image.isNull())
            return WallpaperResult::failure(QStringLiteral("壁紙の画像「%1」を読み込めません。\n(%2)")
                                                .arg(picture.file, reader.errorString()));
    }

    XConnection x(m_display);
    Display* display = x.display();
    if (!display)
        return noDisplay(m_display);
    const int screenNumber = DefaultScreen(display);
    const Window root = RootWindow(display, screenNumber);
    // The X screen's size is already in device pixels.
    const QSize screen(DisplayWidth(display, screenNumber), DisplayHeight(display, screenNumber));
    const QImage screenImage = ComposeScreenImage(image, screen, IsTiled(picture.tileWallpaper));
    if (screenImage.isNull())
        return WallpaperResult::failure(
            QStringLiteral("画面の大きさの壁紙を作るためのメモリーが足りません。"));

    const Atom rootId = XInternAtom(display, "_XROOTPMAP_ID", False);
    const Atom esetrootId = XInternAtom(display, "ESETROOT_PMAP_ID", False);
    freePreviousPixmap(x, root, pixmapProperty(display, root, rootId),
                       pixmapProperty(display, root, esetrootId));

    const Pixmap pixmap = makePixmap(display, screenNumber, screenImage);
    if (pixmap == None || x.failed())
        return WallpaperResult::failure(QStringLiteral(
            "X サーバーに壁紙の画像を送れません (画面の色の形式に対応していないか、メモリーが足りません)。"));

    XChangeProperty(display, root, rootId, XA_PIXMAP, 32, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(&pixmap), 1);
    XChangeProperty(display, root, esetrootId, XA_PIXMAP, 32, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(&pixmap), 1);
    XSetWindowBackgroundPixmap(display, root, pixmap);
    XClearWindow(display, root);
    XSetCloseDownMode(display, RetainPermanent);
    if (x.failed())
        return WallpaperResult::failure(QStringLiteral("X サーバーの背景を設定できません。"));
    return WallpaperResult::success();
}

} // namespace velmora::platform
