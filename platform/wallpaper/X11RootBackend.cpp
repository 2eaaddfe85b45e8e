#include "platform/wallpaper/X11RootBackend.h"

#include "platform/Screen.h"

#include <QImageReader>
#include <QSysInfo>

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <algorithm>
#include <bit>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <mutex>

namespace velmora::platform {
namespace {

const char* const PlacementProperty = "_VELMORA_TILE_WALLPAPER";
// The pixmap this program set, on the root window and on a window made with it; the root also names
// that window. The window goes with the client that holds the pixmap, so the pair tells a pixmap of
// ours still alive from an id that by now belongs to someone else.
const char* const OwnPixmapProperty = "_VELMORA_PMAP_ID";
const char* const OwnerWindowProperty = "_VELMORA_PMAP_OWNER";

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
        X11RootBackend::tr("X サーバー「%1」に接続できません。").arg(displayName(name)));
}

XID idProperty(Display* display, Window window, Atom property, Atom type)
{
    Atom actualType = None;
    int format = 0;
    unsigned long count = 0;
    unsigned long after = 0;
    unsigned char* data = nullptr;
    XID id = None;
    if (XGetWindowProperty(display, window, property, 0, 1, False, type, &actualType, &format, &count, &after,
                           &data) == Success &&
        actualType == type && format == 32 && count == 1 && data)
        id = *reinterpret_cast<XID*>(data);
    if (data)
        XFree(data);
    return id;
}

Pixmap pixmapProperty(Display* display, Window root, Atom property)
{
    return idProperty(display, root, property, XA_PIXMAP);
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

// Rows of a picture travel to the server in bands of about this many bytes: neither side ever holds
// a screen-sized copy, and the kernel has no fresh pages to clear for one.
constexpr int BandBytes = 4 << 20;

// True when the visual's pixels are laid out in memory exactly as Qt's RGB32 pixels.
bool sameLayoutAsQt(const XImage* image, const Visual* visual)
{
    const int hostOrder = QSysInfo::ByteOrder == QSysInfo::LittleEndian ? LSBFirst : MSBFirst;
    return image->bits_per_pixel == 32 && image->byte_order == hostOrder && visual->red_mask == 0xff0000 &&
           visual->green_mask == 0xff00 && visual->blue_mask == 0xff;
}

// Sends the part from of an RGB32 picture to target at to, band by band, in the visual's own layout.
bool putPicture(Display* display, Visual* visual, int depth, Drawable target, GC gc, const QImage& picture,
                QRect from, QPoint to)
{
    if (from.isEmpty())
        return true;
    const int width = from.width();
    const int bandRows = std::clamp(BandBytes / (width * 4), 1, from.height());
    XImage* band = XCreateImage(display, visual, static_cast<unsigned>(depth), ZPixmap, 0, nullptr,
                                static_cast<unsigned>(width), static_cast<unsigned>(bandRows), 32, 0);
    if (!band)
        return false;
    const bool direct = sameLayoutAsQt(band, visual);
    if (direct && from.left() == 0 && from.width() == picture.width() &&
        picture.bytesPerLine() == band->bytes_per_line) {
        // Whole rows in the server's layout go out of the picture's own memory, with no copy.
        for (int top = 0; top < from.height(); top += bandRows) {
            band->data =
                const_cast<char*>(reinterpret_cast<const char*>(picture.constScanLine(from.top() + top)));
            XPutImage(display, target, gc, band, 0, 0, to.x(), to.y() + top, static_cast<unsigned>(width),
                      static_cast<unsigned>(std::min(bandRows, from.height() - top)));
        }
        band->data = nullptr; // the picture's, not Xlib's to free
        XDestroyImage(band);
        return true;
    }
    band->data = static_cast<char*>(std::malloc(static_cast<size_t>(band->bytes_per_line) * bandRows));
    if (!band->data) {
        XDestroyImage(band);
        return false;
    }
    const Channel red(visual->red_mask), green(visual->green_mask), blue(visual->blue_mask);
    for (int top = 0; top < from.height(); top += bandRows) {
        const int rows = std::min(bandRows, from.height() - top);
        for (int row = 0; row < rows; ++row) {
            const QRgb* line =
                reinterpret_cast<const QRgb*>(picture.constScanLine(from.top() + top + row)) + from.left();
            if (direct) {
                std::memcpy(band->data + static_cast<size_t>(row) * band->bytes_per_line, line,
                            static_cast<size_t>(width) * 4);
                continue;
            }
            for (int x = 0; x < width; ++x) {
                const QRgb c = line[x];
                XPutPixel(band, x, row, red.place(qRed(c)) | green.place(qGreen(c)) | blue.place(qBlue(c)));
            }
        }
        XPutImage(display, target, gc, band, 0, 0, to.x(), to.y() + top, static_cast<unsigned>(width),
                  static_cast<unsigned>(rows));
    }
    XDestroyImage(band); // frees data too
    return true;
}

// The picture laid out over area of target, drawn only where area meets visible: repeated from the
// area's top left corner when tiled (by the server, from one copy), otherwise centred and cut evenly
// at both sides when larger. What the picture leaves of the area keeps what target held.
bool placePicture(Display* display, int screenNumber, Drawable target, GC gc, const QImage& picture,
                  QRect area, QRect visible, bool tiled)
{
    Visual* visual = DefaultVisual(display, screenNumber);
    const int depth = DefaultDepth(display, screenNumber);
    const QRect shown = area.intersected(visible);
    if (picture.isNull() || shown.isEmpty())
        return true;
    const QImage source =
        picture.format() == QImage::Format_RGB32 ? picture : picture.convertToFormat(QImage::Format_RGB32);
    if (source.isNull())
        return false;
    if (tiled) {
        const Pixmap tile =
            XCreatePixmap(display, RootWindow(display, screenNumber), static_cast<unsigned>(source.width()),
                          static_cast<unsigned>(source.height()), static_cast<unsigned>(depth));
        const bool sent = putPicture(display, visual, depth, tile, gc, source, source.rect(), QPoint(0, 0));
        XSetTile(display, gc, tile);
        XSetTSOrigin(display, gc, area.x(), area.y());
        XSetFillStyle(display, gc, FillTiled);
        XFillRectangle(display, target, gc, shown.x(), shown.y(), static_cast<unsigned>(shown.width()),
                       static_cast<unsigned>(shown.height()));
        XSetFillStyle(display, gc, FillSolid);
        XFreePixmap(display, tile);
        return sent;
    }
    // Integer halves, so that the offset is the same on every desktop that centres by itself.
    const QPoint offset(area.x() + (area.width() - source.width()) / 2,
                        area.y() + (area.height() - source.height()) / 2);
    const QRect placed = QRect(offset, source.size()).intersected(shown);
    return putPicture(display, visual, depth, target, gc, source, placed.translated(-offset),
                      placed.topLeft());
}

// A pixmap of the root's depth, black, with the picture laid out over the whole screen, or with each
// monitor's picture laid out over that monitor. None when the visual is not true colour or memory runs
// out.
Pixmap makePixmap(Display* display, int screenNumber, const WallpaperPicture& wallpaper,
                  const QImage& picture, QSize screen)
{
    const Visual* visual = DefaultVisual(display, screenNumber);
    if (visual->c_class != TrueColor && visual->c_class != DirectColor)
        return None;
    const int depth = DefaultDepth(display, screenNumber);
    const Pixmap pixmap =
        XCreatePixmap(display, RootWindow(display, screenNumber), static_cast<unsigned>(screen.width()),
                      static_cast<unsigned>(screen.height()), static_cast<unsigned>(depth));
    GC gc = XCreateGC(display, pixmap, 0, nullptr);
    const QRect whole(QPoint(0, 0), screen);
    bool sent = true;
    const bool tiledWhole = wallpaper.monitors.empty() && IsTiled(wallpaper.tileWallpaper);
    if (!tiledWhole || picture.isNull()) {
        XSetForeground(display, gc, BlackPixel(display, screenNumber));
        XFillRectangle(display, pixmap, gc, 0, 0, static_cast<unsigned>(screen.width()),
                       static_cast<unsigned>(screen.height()));
    }
    if (wallpaper.monitors.empty()) {
        sent = placePicture(display, screenNumber, pixmap, gc, picture, whole, whole, tiledWhole);
    } else {
        for (const MonitorPicture& monitor : wallpaper.monitors)
            sent = placePicture(display, screenNumber, pixmap, gc, monitor.image, monitor.geometry, whole,
                                IsTiled(monitor.tileWallpaper)) &&
                   sent;
    }
    XFreeGC(display, gc);
    if (!sent) {
        XFreePixmap(display, pixmap);
        return None;
    }
    return pixmap;
}

// True when pixmap is the one an earlier run of this program set and its client still holds.
bool leftByThisProgram(XConnection& x, Window root, Pixmap pixmap)
{
    Display* display = x.display();
    const Atom own = XInternAtom(display, OwnPixmapProperty, True);
    const Atom owner = XInternAtom(display, OwnerWindowProperty, True);
    if (own == None || owner == None || pixmapProperty(display, root, own) != pixmap)
        return false;
    const Window window = idProperty(display, root, owner, XA_WINDOW);
    if (window == None)
        return false;
    const Pixmap claimed = idProperty(display, window, own, XA_PIXMAP);
    return !x.failed() && claimed == pixmap;
}

// The previous setter kept its pixmap alive by retaining its client's resources; ending that client
// frees them. Only a pixmap this program left, and only when both properties still name it: another
// tool's pixmap, or that of a running desktop publishing its own, is not ours to end (ending it ends
// the desktop). Only while the pixmap exists, too: a stale id may by now belong to another client,
// even to this one. Runs before this connection creates anything.
void freePreviousPixmap(XConnection& x, Window root, Pixmap rootPixmap, Pixmap esetrootPixmap)
{
    if (esetrootPixmap == None || esetrootPixmap != rootPixmap || !leftByThisProgram(x, root, esetrootPixmap))
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

// Records pixmap as this program's: a window that lives as long as the pixmap carries its id, and the
// root names both.
void markAsOurs(Display* display, Window root, Pixmap pixmap)
{
    XSetWindowAttributes attributes{};
    attributes.override_redirect = True; // never mapped; no window manager is to manage it
    const Window window = XCreateWindow(display, root, -1, -1, 1, 1, 0, CopyFromParent, InputOnly,
                                        CopyFromParent, CWOverrideRedirect, &attributes);
    const Atom own = XInternAtom(display, OwnPixmapProperty, False);
    const Atom owner = XInternAtom(display, OwnerWindowProperty, False);
    XChangeProperty(display, window, own, XA_PIXMAP, 32, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(&pixmap), 1);
    XChangeProperty(display, root, own, XA_PIXMAP, 32, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(&pixmap), 1);
    XChangeProperty(display, root, owner, XA_WINDOW, 32, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(&window), 1);
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
        return WallpaperResult::failure(tr("X サーバーに壁紙の配置を記録できません。"));
    return WallpaperResult::success();
}

WallpaperResult X11RootBackend::SetWallpaper(const WallpaperPicture& picture)
{
    // The composed picture from memory; reading the bitmap back would cost as much as writing it.
    QImage image = picture.image;
    if (image.isNull() && picture.monitors.empty()) {
        QImageReader reader(picture.file);
        image = reader.read();
        if (image.isNull())
            return WallpaperResult::failure(
                tr("壁紙の画像「%1」を読み込めません。\n(%2)").arg(picture.file, reader.errorString()));
    }

    XConnection x(m_display);
    Display* display = x.display();
    if (!display)
        return noDisplay(m_display);
    const int screenNumber = DefaultScreen(display);
    const Window root = RootWindow(display, screenNumber);
    // The X screen's size is already in device pixels.
    const QSize screen(DisplayWidth(display, screenNumber), DisplayHeight(display, screenNumber));
    const Atom rootId = XInternAtom(display, "_XROOTPMAP_ID", False);
    const Atom esetrootId = XInternAtom(display, "ESETROOT_PMAP_ID", False);
    freePreviousPixmap(x, root, pixmapProperty(display, root, rootId),
                       pixmapProperty(display, root, esetrootId));

    const Pixmap pixmap = makePixmap(display, screenNumber, picture, image, screen);
    if (pixmap == None || x.failed())
        return WallpaperResult::failure(tr(
            "X サーバーに壁紙の画像を送れません (画面の色の形式に対応していないか、メモリーが足りません)。"));

    XChangeProperty(display, root, rootId, XA_PIXMAP, 32, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(&pixmap), 1);
    XChangeProperty(display, root, esetrootId, XA_PIXMAP, 32, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(&pixmap), 1);
    markAsOurs(display, root, pixmap);
    XSetWindowBackgroundPixmap(display, root, pixmap);
    XClearWindow(display, root);
    XSetCloseDownMode(display, RetainPermanent);
    if (x.failed())
        return WallpaperResult::failure(tr("X サーバーの背景を設定できません。"));
    return WallpaperResult::success();
}

} // namespace velmora::platform
