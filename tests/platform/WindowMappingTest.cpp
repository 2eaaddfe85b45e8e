#include "platform/WindowMapping.h"
#include "tests/support/DesktopTestSupport.h"

#include <gtest/gtest.h>

// Last: Xlib's macros (None, Status, Bool) would clash with the headers above.
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

using namespace velmora;
using namespace velmora::platform;
using velmora::test::PrivateXServer;

namespace {

// Two clients of one private X server: a window manager that takes map requests and never answers
// them (as one still starting does), and the program's side with its window.
class WindowMappingTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_FALSE(m_x.display().isEmpty()) << "Xvfb did not start";
        const QByteArray name = m_x.display().toLocal8Bit();
        m_manager = XOpenDisplay(name.constData());
        m_program = XOpenDisplay(name.constData());
        ASSERT_TRUE(m_manager && m_program);
        XSelectInput(m_manager, DefaultRootWindow(m_manager), SubstructureRedirectMask);
        XSync(m_manager, False);
        m_window = XCreateSimpleWindow(m_program, DefaultRootWindow(m_program), 0, 0, 20, 20, 0, 0, 0);
        XSync(m_program, False);
    }
    void TearDown() override
    {
        if (m_program)
            XCloseDisplay(m_program);
        if (m_manager)
            XCloseDisplay(m_manager);
    }

    // Map requests for the window that reached the window manager so far. The program's side only
    // flushes: its requests are synced first, or the server may answer the manager's round trip
    // before it has read them.
    int mapRequests()
    {
        XSync(m_program, False);
        XSync(m_manager, False);
        int count = 0;
        XEvent event;
        while (XCheckTypedEvent(m_manager, MapRequest, &event))
            count += event.xmaprequest.window == m_window ? 1 : 0;
        return count;
    }

    // What a window manager does when it takes the window.
    void manage(long state)
    {
        const Atom wmState = XInternAtom(m_manager, "WM_STATE", False);
        const long data[2] = {state, 0};
        XChangeProperty(m_manager, m_window, wmState, wmState, 32, PropModeReplace,
                        reinterpret_cast<const unsigned char*>(data), 2);
        if (state == NormalState)
            XMapWindow(m_manager, m_window);
        XSync(m_manager, False);
    }

    PrivateXServer m_x{64, 48};
    Display* m_manager = nullptr;
    Display* m_program = nullptr;
    Window m_window = 0;
};

TEST_F(WindowMappingTest, AMapRequestLeftUnansweredIsSentAgainUntilTheWindowIsTaken)
{
    XMapWindow(m_program, m_window);
    XSync(m_program, False);
    ASSERT_EQ(mapRequests(), 1);

    EXPECT_TRUE(MapAgainIfLost(m_program, m_window));
    EXPECT_EQ(mapRequests(), 1) << "mapping again sends the window manager a new request";
    EXPECT_TRUE(MapAgainIfLost(m_program, m_window));
    EXPECT_EQ(mapRequests(), 1);

    manage(NormalState);
    EXPECT_FALSE(MapAgainIfLost(m_program, m_window));
    EXPECT_EQ(mapRequests(), 0);
}

TEST_F(WindowMappingTest, AnIconicWindowTheWindowManagerTookIsLeftAlone)
{
    XMapWindow(m_program, m_window);
    XSync(m_program, False);
    ASSERT_EQ(mapRequests(), 1);
    // Iconic: managed, and unmapped on purpose.
    manage(IconicState);
    EXPECT_FALSE(MapAgainIfLost(m_program, m_window));
    EXPECT_EQ(mapRequests(), 0);
}

TEST_F(WindowMappingTest, WithoutAWindowManagerAMappedWindowIsLeftAlone)
{
    XCloseDisplay(m_manager);
    m_manager = nullptr;
    XMapWindow(m_program, m_window);
    XSync(m_program, False);
    EXPECT_FALSE(MapAgainIfLost(m_program, m_window));
    EXPECT_FALSE(MapAgainIfLost(m_program, 0));
    EXPECT_FALSE(MapAgainIfLost(nullptr, m_window));
}

} // namespace
