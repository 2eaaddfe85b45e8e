#include "platform/Monitors.h"
#include "platform/Screen.h"
#include "tests/support/DesktopTestSupport.h"

#include <QProcess>

#include <gtest/gtest.h>

using namespace velmora;
using namespace velmora::platform;

namespace {

Monitor at(int x, int y, int width, int height, bool primary = false)
{
    return Monitor{QStringLiteral("M%1_%2").arg(x).arg(y), QRect(x, y, width, height), 96.0, primary};
}

class RandRMonitors : public testing::Test {
protected:
    test::PrivateXServer server{2048, 1024};

    void SetUp() override { ASSERT_FALSE(server.display().isEmpty()) << "Xvfb did not start"; }

    void xrandr(const QStringList& arguments)
    {
        QProcess tool;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("DISPLAY"), server.display());
        tool.setProcessEnvironment(environment);
        tool.start(QStringLiteral("xrandr"), arguments);
        ASSERT_TRUE(tool.waitForFinished(20000));
        ASSERT_EQ(tool.exitCode(), 0) << tool.readAllStandardError().toStdString();
    }

    // The helper's lines up to each "end".
    void startHelper(QProcess& helper, const QStringList& arguments)
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("DISPLAY"), server.display());
        helper.setProcessEnvironment(environment);
        helper.start(QStringLiteral(VELMORA_LIST_MONITORS), arguments);
    }
    static QStringList readList(QProcess& helper)
    {
        QStringList lines;
        while (true) {
            while (!helper.canReadLine())
                if (!helper.waitForReadyRead(30000))
                    return lines << QStringLiteral("(no end)");
            const QString line = QString::fromUtf8(helper.readLine()).trimmed();
            if (line == u"end")
                return lines;
            lines << line;
        }
    }
};

} // namespace

TEST(MonitorList, RunsLeftToRightWithExactlyOnePrimary)
{
    MonitorList monitors{at(1024, 0, 800, 600), at(0, 100, 1024, 768), at(1024, 600, 800, 600, true),
                         at(-1280, 0, 1280, 1024, true)};
    SortMonitors(monitors);
    ASSERT_EQ(monitors.size(), 4u);
    EXPECT_EQ(monitors[0].geometry.topLeft(), QPoint(-1280, 0));
    EXPECT_EQ(monitors[1].geometry.topLeft(), QPoint(0, 100));
    EXPECT_EQ(monitors[2].geometry.topLeft(), QPoint(1024, 0));
    EXPECT_EQ(monitors[3].geometry.topLeft(), QPoint(1024, 600)) << "the same column: top to bottom";
    EXPECT_TRUE(monitors[0].primary) << "of two marked primary, the first keeps it";
    EXPECT_FALSE(monitors[3].primary);
    EXPECT_EQ(&PrimaryMonitor(monitors), &monitors[0]);

    MonitorList unmarked{at(500, 0, 10, 10), at(0, 0, 10, 10)};
    SortMonitors(unmarked);
    EXPECT_TRUE(unmarked[0].primary) << "none marked: the leftmost";
    EXPECT_EQ(MonitorBounds(unmarked), QRect(0, 0, 510, 10));
    EXPECT_EQ(MonitorBounds({}), QRect());
}

TEST(MonitorList, AScaledScreenKeepsItsCornerAndCountsItsSizeInDevicePixels)
{
    EXPECT_EQ(DeviceGeometry(QRect(1920, 0, 1280, 720), 2.0), QRect(1920, 0, 2560, 1440));
    EXPECT_EQ(DeviceGeometry(QRect(0, 0, 1097, 617), 1.75), QRect(0, 0, 1920, 1080));
}

TEST(MonitorList, AFixedScreenOrAnOverrideIsWhatTheProgramSees)
{
    OverrideMonitors(MonitorList{at(300, 0, 300, 200), at(0, 0, 300, 200, true)});
    const MonitorList fixed = CurrentMonitors();
    OverrideMonitors(std::nullopt);
    ASSERT_EQ(fixed.size(), 2u);
    EXPECT_EQ(fixed[0].geometry.x(), 0);
    EXPECT_TRUE(fixed[0].primary);

    // A fixed primary screen, as tests fix it: one monitor of its size.
    OverridePrimaryScreen(ScreenPixels{QSize(2880, 1800), 192.0});
    const MonitorList one = CurrentMonitors();
    OverridePrimaryScreen(std::nullopt);
    ASSERT_EQ(one.size(), 1u);
    EXPECT_EQ(one[0].geometry, QRect(0, 0, 2880, 1800));
    EXPECT_DOUBLE_EQ(one[0].pixelsPerInch, 192.0);
    EXPECT_TRUE(one[0].primary);
}

TEST_F(RandRMonitors, EveryRandRMonitorIsAMonitorAndARemovedOneIsGoneAtTheNextRead)
{
    xrandr({QStringLiteral("--setmonitor"), QStringLiteral("L"), QStringLiteral("1024/270x768/203+0+0"),
            QStringLiteral("screen")});
    xrandr({QStringLiteral("--setmonitor"), QStringLiteral("R"), QStringLiteral("800/211x600/159+1024+300"),
            QStringLiteral("none")});
    QProcess helper;
    startHelper(helper, {QStringLiteral("1")});
    EXPECT_EQ(readList(helper),
              (QStringList{QStringLiteral("L 0 0 1024 768 1"), QStringLiteral("R 1024 300 800 600 0")}));
    // The same process reads the list again after the change.
    xrandr({QStringLiteral("--delmonitor"), QStringLiteral("R")});
    EXPECT_EQ(readList(helper), QStringList{QStringLiteral("L 0 0 1024 768 1")});
    ASSERT_TRUE(helper.waitForFinished(30000));
    EXPECT_EQ(helper.exitCode(), 0);
}
