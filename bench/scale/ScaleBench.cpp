// Big lists. Opening a list of 100,000 and of 1,000,000 entries as the list page opens one (the file
// read, the list box filled, laid out and painted) on a private Xvfb; and the whole "velmora -ng -s"
// process changing to the entry after the stored position of a list of 100,000 entries against a
// list of 10, which should cost about the same. Medians of several runs.
#include "bench/support/PeerTool.h"
#include "bench/support/TimedProcess.h"
#include "core/Prompt.h"
#include "core/Settings.h"
#include "core/SettingsFile.h"
#include "mainwindow/lists/ListPage.h"
#include "platform/PageMemory.h"
#include "tests/support/DesktopTestSupport.h"
#include "tests/support/TestImages.h"
#include "tests/support/TestSupport.h"
#include "ui/ListBox.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>

#include <cstdio>
#include <vector>

using namespace velmora;

namespace {

int Option(int argc, char* argv[], const char* name, int fallback)
{
    for (int i = 1; i + 1 < argc; i += 2)
        if (QByteArray(argv[i]) == name)
            return std::max(1, atoi(argv[i + 1]));
    return fallback;
}

// Paths as a picture collection has them: folders of a few hundred files, Japanese names among them.
QByteArray ListBytes(int count, int pictureAt, const QString& picture)
{
    QByteArray bytes;
    bytes.reserve(qsizetype(count) * 56);
    for (int i = 0; i < count; ++i) {
        if (i == pictureAt)
            bytes += picture.toUtf8();
        else
            bytes += "/home/user/Pictures/" + QByteArray::number(2000 + i / 400) + " 旅行/IMG_" +
                     QByteArray::number(100000 + i) + ".jpg";
        bytes += "\r\n";
    }
    return bytes;
}

// Opening the list as the catalogue's drop-down opens it, until the list box has painted it.
double OpenMs(ListPage& page, const QString& name)
{
    QElapsedTimer clock;
    clock.start();
    page.OpenListFile(name);
    QCoreApplication::processEvents(); // the view's delayed layout
    page.lstFileList()->viewport()->repaint();
    const double ms = double(clock.nsecsElapsed()) / 1e6;
    // The measure of the scroll range runs on in the background; it must not weigh on the next run.
    page.lstFileList()->clear();
    test::WaitUntil([&] { return !page.lstFileList()->measuring(); });
    return ms;
}

void WriteOneShotSettings(const test::TempFolder& program, int fileIndex2)
{
    Settings settings;
    ResetSettings(settings, CurrentSettingsEnvironment());
    settings.ListMode = 2;
    settings.ChangeMode = 1;
    settings.ListFileName = QStringLiteral("Velmora.lst");
    settings.FileIndex2 = fileIndex2;
    settings.CurrentDirectory = program.path();
    WriteSettingsFile(settings, program.file(QStringLiteral("Velmora.INI")));
}

// A program folder whose list holds `entries` paths, the picture after the stored position.
void PrepareOneShot(const test::TempFolder& program, int entries, int stored, const QString& picture)
{
    QFile::copy(QStringLiteral(VELMORA_BINARY), program.file(QStringLiteral("velmora")));
    QFile::setPermissions(program.file(QStringLiteral("velmora")),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    test::WriteBytes(program.file(QStringLiteral("NOSPLASH")), "");
    test::WriteBytes(program.file(QStringLiteral("lfname.dat")), "Velmora.lst\r\n");
    test::WriteBytes(program.file(QStringLiteral("Velmora.lst")), ListBytes(entries, stored + 1, picture));
    WriteOneShotSettings(program, stored);
}

} // namespace

int main(int argc, char* argv[])
{
    platform::ReturnLargeBlocksToTheSystem();
    const int loadRuns = Option(argc, argv, "--load-runs", 3);
    const int oneShotRuns = Option(argc, argv, "--runs", 7);
    test::PrivateXServer server(1920, 1080);
    if (server.display().isEmpty()) {
        std::fprintf(stderr, "scale: Xvfb did not start\n");
        return 1;
    }
    qputenv("DISPLAY", server.display().toLocal8Bit());
    qputenv("QT_QPA_PLATFORM", "xcb");
    qunsetenv("XDG_CURRENT_DESKTOP");
    QApplication app(argc, argv);
    ScriptedPrompter prompter; // a question would stall the run: counted, answered at once
    PrompterScope scope(prompter);

    test::TempFolder home;
    const QString picture = home.file(QStringLiteral("photo.jpg"));
    test::PhotoLikeImage(640, 480, 7).save(picture, "JPG", 90);

    // The list page opening each list, shown in a window of its own.
    std::vector<double> loadMs[2];
    const int sizes[2] = {100000, 1000000};
    {
        test::TempFolder program;
        test::WriteBytes(program.file(QStringLiteral("lfname.dat")), "100000.lst\r\n1000000.lst\r\n");
        for (const int size : sizes)
            test::WriteBytes(program.file(QStringLiteral("%1.lst").arg(size)), ListBytes(size, -1, picture));
        Settings settings;
        ListPage page(settings, program.path());
        page.resize(420, 700);
        page.show();
        test::WaitUntil([&] { return page.isVisible(); });
        QCoreApplication::processEvents();
        for (int run = 0; run < loadRuns; ++run)
            for (int i = 0; i < 2; ++i)
                loadMs[i].push_back(OpenMs(page, QStringLiteral("%1.lst").arg(sizes[i])));
    }

    // The whole one-shot process, the long list and the short one in turn.
    test::TempFolder big;
    test::TempFolder small;
    PrepareOneShot(big, 100000, 50000, picture);
    PrepareOneShot(small, 10, 5, picture);
    const QStringList environment = bench::ProgramEnvironment(server.display(), home.path());
    const QStringList bigRun = {big.file(QStringLiteral("velmora")), QStringLiteral("-ng"), QStringLiteral("-s")};
    const QStringList smallRun = {small.file(QStringLiteral("velmora")), QStringLiteral("-ng"),
                                  QStringLiteral("-s")};
    std::vector<double> bigMs, smallMs;
    int failures = 0;
    // The first run of each only warms the disk cache.
    for (int run = -1; run < oneShotRuns; ++run) {
        // Each run moves the stored position on: put back before the next.
        WriteOneShotSettings(big, 50000);
        const bench::ProcessRun a = bench::TimedProcess(bigRun, environment);
        WriteOneShotSettings(small, 5);
        const bench::ProcessRun b = bench::TimedProcess(smallRun, environment);
        if (run < 0)
            continue;
        failures += !a.ok + !b.ok;
        bigMs.push_back(a.ms);
        smallMs.push_back(b.ms);
    }
    if (failures)
        std::fprintf(stderr, "scale: %d one-shot runs failed\n", failures);
    if (prompter.count() > 0)
        std::fprintf(stderr, "scale: questions asked: %s\n", qUtf8Printable(prompter.texts().join(u'|')));

    std::printf("scale-list-load: 100000 entries %.1f ms, 1000000 entries %.1f ms\n", bench::Median(loadMs[0]),
                bench::Median(loadMs[1]));
    const double b = bench::Median(bigMs);
    const double s = bench::Median(smallMs);
    std::printf("scale-oneshot: 100000 entries %.1f ms, 10 entries %.1f ms, ratio %.2f\n", b, s, b / s);
    return failures ? 1 : 0;
}
