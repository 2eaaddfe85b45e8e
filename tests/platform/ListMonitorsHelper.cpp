// Prints the monitors as the program sees them on the display of $DISPLAY, one line each:
// "<name> <x> <y> <width> <height> <primary 0|1>", then "end". With a count, then waits until Qt
// reports that many screens and prints them again (at most 20 s). Usage: velmora_list_monitors [count]
#include "platform/Monitors.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTimer>

#include <cstdio>

namespace {

void print()
{
    for (const velmora::platform::Monitor& monitor : velmora::platform::CurrentMonitors()) {
        const QRect g = monitor.geometry;
        std::printf("%s %d %d %d %d %d\n", qPrintable(monitor.name), g.x(), g.y(), g.width(), g.height(),
                    monitor.primary ? 1 : 0);
    }
    std::printf("end\n");
    std::fflush(stdout);
}

} // namespace

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "xcb");
    QGuiApplication app(argc, argv);
    print();
    if (argc < 2)
        return 0;
    const qsizetype wanted = QByteArray(argv[1]).toInt();
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &app, [&] {
        if (QGuiApplication::screens().size() == wanted)
            app.exit(0);
    });
    poll.start(50);
    QTimer::singleShot(20000, &app, [&] { app.exit(1); });
    const int code = app.exec();
    print();
    return code;
}
