#include "platform/wallpaper/DesktopSession.h"
#include "platform/wallpaper/NullBackend.h"
#include "platform/wallpaper/WallpaperBackendLoader.h"
#include "tests/support/TestSupport.h"

#include <gtest/gtest.h>

#include <cctype>
#include <ostream>
#include <string>

using namespace velmora::platform;

namespace {

struct SessionCase {
    const char* label;
    DesktopSession session;
    DesktopKind expected;
};

DesktopSession named(const char* currentDesktop, const char* display = ":0")
{
    DesktopSession s;
    s.currentDesktop = QString::fromUtf8(currentDesktop);
    s.x11Display = QString::fromUtf8(display);
    return s;
}

DesktopSession with(void (*change)(DesktopSession&))
{
    DesktopSession s;
    change(s);
    return s;
}

void PrintTo(const SessionCase& c, std::ostream* os)
{
    *os << c.label;
}

class DesktopDetection : public testing::TestWithParam<SessionCase> {};

TEST_P(DesktopDetection, ChoosesTheBackendOfTheSession)
{
    EXPECT_EQ(DetectDesktop(GetParam().session), GetParam().expected) << GetParam().label;
}

INSTANTIATE_TEST_SUITE_P(
    Sessions, DesktopDetection,
    testing::Values(
        SessionCase{"GNOME", named("GNOME"), DesktopKind::Gnome},
        SessionCase{"Ubuntu names its flavour first", named("ubuntu:GNOME"), DesktopKind::Gnome},
        SessionCase{"GNOME Classic", named("GNOME-Classic:GNOME"), DesktopKind::Gnome},
        SessionCase{"Budgie uses GNOME's schema", named("Budgie:GNOME"), DesktopKind::Gnome},
        SessionCase{"Cinnamon", named("X-Cinnamon"), DesktopKind::Cinnamon},
        SessionCase{"MATE", named("MATE"), DesktopKind::Mate},
        SessionCase{"XFCE", named("XFCE"), DesktopKind::Xfce},
        SessionCase{"Plasma", named("KDE"), DesktopKind::Plasma},
        SessionCase{"Plasma on Wayland", named("KDE", ""), DesktopKind::Plasma},
        SessionCase{"letter case", named("xfce"), DesktopKind::Xfce},
        SessionCase{"LXQt", named("LXQt"), DesktopKind::Lxqt},
        SessionCase{"LXQt on Wayland", named("LXQt:wlroots", ""), DesktopKind::Lxqt},
        SessionCase{"Pantheon uses GNOME's schema", named("Pantheon"), DesktopKind::Gnome},
        SessionCase{"an unknown X11 desktop gets the root window", named("Enlightenment"),
                    DesktopKind::X11Root},
        SessionCase{"i3 shows the root window", named("i3"), DesktopKind::X11Root},
        SessionCase{"bspwm by DESKTOP_SESSION", with([](DesktopSession& s) {
                        s.desktopSession = QStringLiteral("bspwm");
                        s.x11Display = QStringLiteral(":0");
                    }),
                    DesktopKind::X11Root},
        SessionCase{"Openbox despite a Wayland login's leftover session type", with([](DesktopSession& s) {
                        s.currentDesktop = QStringLiteral("openbox");
                        s.sessionType = QStringLiteral("wayland");
                        s.x11Display = QStringLiteral(":0");
                    }),
                    DesktopKind::X11Root},
        SessionCase{"a named window manager without an X display", named("i3", ""), DesktopKind::None},
        SessionCase{"a bare X11 session", named(""), DesktopKind::X11Root},
        SessionCase{"DESKTOP_SESSION when XDG_CURRENT_DESKTOP is missing", with([](DesktopSession& s) {
                        s.desktopSession = QStringLiteral("mate");
                        s.x11Display = QStringLiteral(":0");
                    }),
                    DesktopKind::Mate},
        SessionCase{"DESKTOP_SESSION given as a path", with([](DesktopSession& s) {
                        s.desktopSession = QStringLiteral("/usr/share/xsessions/plasma");
                    }),
                    DesktopKind::Plasma},
        SessionCase{"KDE_FULL_SESSION", with([](DesktopSession& s) { s.kdeFullSession = true; }),
                    DesktopKind::Plasma},
        SessionCase{"sway by its socket", with([](DesktopSession& s) {
                        s.swaySocket = QStringLiteral("/run/user/1000/sway-ipc.sock");
                        s.waylandDisplay = QStringLiteral("wayland-1");
                        s.x11Display = QStringLiteral(":0");
                    }),
                    DesktopKind::Sway},
        SessionCase{"another Wayland compositor: its Xwayland root is never shown",
                    with([](DesktopSession& s) {
                        s.currentDesktop = QStringLiteral("Hyprland");
                        s.waylandDisplay = QStringLiteral("wayland-1");
                        s.x11Display = QStringLiteral(":0");
                    }),
                    DesktopKind::None},
        SessionCase{"XDG_SESSION_TYPE wayland without WAYLAND_DISPLAY", with([](DesktopSession& s) {
                        s.sessionType = QStringLiteral("wayland");
                        s.x11Display = QStringLiteral(":0");
                    }),
                    DesktopKind::None},
        SessionCase{"no display at all", DesktopSession{}, DesktopKind::None}),
    [](const testing::TestParamInfo<SessionCase>& info) {
        std::string name;
        for (const char* c = info.param.label; *c; ++c)
            name += std::isalnum(static_cast<unsigned char>(*c)) ? *c : '_';
        return name;
    });

TEST(WallpaperBackendLoader, GivesEachDesktopItsBackend)
{
    EXPECT_EQ(LoadWallpaperBackend(named("GNOME"))->name(), "GNOME");
    EXPECT_EQ(LoadWallpaperBackend(named("X-Cinnamon"))->name(), "Cinnamon");
    EXPECT_EQ(LoadWallpaperBackend(named("MATE"))->name(), "MATE");
    EXPECT_EQ(LoadWallpaperBackend(named("XFCE"))->name(), "XFCE");
    EXPECT_EQ(LoadWallpaperBackend(named("KDE"))->name(), "KDE Plasma");
    EXPECT_EQ(LoadWallpaperBackend(named("sway"))->name(), "sway");
    EXPECT_EQ(LoadWallpaperBackend(named("LXQt"))->name(), "LXQt");
    EXPECT_EQ(LoadWallpaperBackend(named("i3"))->name(), "X11");
    EXPECT_NE(dynamic_cast<NullBackend*>(LoadWallpaperBackend(DesktopSession{}).get()), nullptr);
}

TEST(NullBackend, KeepsTheFileAndSaysSoOnce)
{
    auto backend = LoadWallpaperBackend(named("Hyprland", ""));
    EXPECT_TRUE(backend->TakeNotice().isEmpty()) << "nothing to say before a wallpaper was made";
    ASSERT_TRUE(backend->WriteTileWallpaper(QStringLiteral("1")));
    EXPECT_EQ(backend->ReadTileWallpaper(), "1");
    ASSERT_TRUE(
        backend->SetWallpaper({QStringLiteral("/home/ann/velmora/$$WALL$$.BMP"), QStringLiteral("1")}));
    const QString notice = backend->TakeNotice();
    EXPECT_TRUE(notice.contains(QStringLiteral("/home/ann/velmora/$$WALL$$.BMP"))) << notice.toStdString();
    EXPECT_TRUE(notice.contains(QStringLiteral("Hyprland"))) << notice.toStdString();
    ASSERT_TRUE(
        backend->SetWallpaper({QStringLiteral("/home/ann/velmora/$$WALL$$.BMP"), QStringLiteral("1")}));
    EXPECT_TRUE(backend->TakeNotice().isEmpty());
}

} // namespace
