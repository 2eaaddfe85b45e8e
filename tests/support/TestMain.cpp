// Test main: a QApplication for every test program, offscreen unless a test run chose a display.
#include "core/jobs/JobPool.h"

#include <QApplication>
#include <QStandardPaths>

#include <gtest/gtest.h>

// Qt and fontconfig keep caches for the life of the process, which LeakSanitizer would report.
extern "C" const char* __asan_default_options()
{
    return "detect_leaks=0";
}

int main(int argc, char* argv[])
{
#ifdef VELMORA_TEST_ENVIRONMENT
    // "NAME=value" lines chosen by the test's CMake definition.
    for (const QByteArray& line : QByteArray(VELMORA_TEST_ENVIRONMENT).split('\n')) {
        const qsizetype equals = line.indexOf('=');
        if (equals > 0)
            qputenv(line.left(equals).constData(), line.mid(equals + 1));
    }
#endif
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Tests never touch the real user's folders.
    QStandardPaths::setTestModeEnabled(true);
    testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    const int result = RUN_ALL_TESTS();
    // Work a test left running (a list box measuring a long list) ends before the application
    // whose fonts and caches it uses, as the program's own exit waits.
    velmora::JobPool().waitForDone();
    return result;
}
