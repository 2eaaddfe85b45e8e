#include "tests/mainwindow/MainWindowRig.h"
#include "tests/support/TestImages.h"

#include "core/SettingsFile.h"
#include "mainwindow/change/SingleChange.h"
#include "platform/Screen.h"

#include <QFileInfo>
#include <QImage>

#include <gtest/gtest.h>

using namespace velmora;
using namespace velmora::test;

namespace {

struct ChangeOutcome {
    QStringList calls;
    QByteArray bitmap;
    Integer fileIndex2 = -1;
};

Integer StoredFileIndex2(const QString& programFolder)
{
    Settings stored;
    ResetSettings(stored, CurrentSettingsEnvironment());
    ReadSettingsFile(stored, programFolder + QStringLiteral("Velmora.INI"));
    return stored.FileIndex2;
}

// "-s" as the window runs it.
ChangeOutcome ThroughTheWindow(const QStringList& entries, const QByteArray& settingsLines)
{
    Rig rig(entries, settingsLines);
    rig.window->RestoreSelection();
    rig.window->AutoChange();
    rig.settle();
    rig.window->mnuFileExit_Click();
    return {rig.backend->calls, ReadBytes(rig.program.file(QStringLiteral("$$WALL$$.BMP"))),
            StoredFileIndex2(rig.program.path())};
}

// "-s" without the window, in a program folder laid out as the rig lays it out.
ChangeOutcome WithoutTheWindow(const QStringList& entries, const QByteArray& settingsLines)
{
    TempFolder program;
    QByteArray list;
    for (const QString& entry : entries)
        list += entry.toUtf8() + "\r\n";
    WriteBytes(program.file(QStringLiteral("lfname.dat")), "Velmora.lst\r\n");
    WriteBytes(program.file(QStringLiteral("Velmora.lst")), list);
    WriteBytes(program.file(QStringLiteral("Velmora.INI")), "[Velmora]\r\n" + settingsLines);
    EXPECT_TRUE(SingleChange::Suits(program.path()));
    SettingsStore store;
    ScriptedPrompter prompter;
    PrompterScope scope(prompter);
    auto recording = std::make_unique<RecordingBackend>();
    RecordingBackend& backend = *recording;
    SingleChange change(store, program.path(), std::move(recording));
    change.load();
    change.RestoreSelection();
    change.AutoChange();
    EXPECT_TRUE(WaitUntil([&] { return !change.working(); }));
    change.ExitRoutine();
    return {backend.calls, ReadBytes(program.file(QStringLiteral("$$WALL$$.BMP"))),
            StoredFileIndex2(program.path())};
}

} // namespace

TEST(SingleChange, ChangesAndStoresExactlyAsTheWindowDoes)
{
    platform::OverridePrimaryScreen(platform::ScreenPixels{QSize(640, 480), 96});
    TempFolder pictures;
    QStringList entries;
    for (int i = 0; i < 3; ++i) {
        entries << pictures.file(QStringLiteral("p%1.png").arg(i));
        ASSERT_TRUE(PhotoLikeImage(800 + 40 * i, 600, quint32(i)).save(entries.last()));
    }
    // The next entry, the wrap to the first, a remembered position past the list's end, the
    // calendar and a fit to the screen on the way.
    const QByteArray common =
        "ListMode= 2\r\nChangeMode= 1\r\nListFileName=Velmora.lst\r\nSizeChangeMode= 1\r\n"
        "CalendarOnMode= 1\r\nCalendarFontSize= 16\r\n";
    for (const QByteArray index : {"0", "2", "7"}) {
        SCOPED_TRACE(index.constData());
        const QByteArray settings = common + "FileIndex2= " + index + "\r\n";
        const ChangeOutcome window = ThroughTheWindow(entries, settings);
        const ChangeOutcome single = WithoutTheWindow(entries, settings);
        EXPECT_EQ(single.calls, window.calls);
        EXPECT_FALSE(single.bitmap.isEmpty());
        EXPECT_TRUE(single.bitmap == window.bitmap) << "the same picture composed the same way";
        EXPECT_EQ(single.fileIndex2, window.fileIndex2);
    }
    platform::OverridePrimaryScreen(std::nullopt);
}

TEST(SingleChange, OnlyStoredListModeSettingsGoWithoutTheWindow)
{
    TempFolder program;
    const QString ini = program.file(QStringLiteral("Velmora.INI"));
    EXPECT_FALSE(SingleChange::Suits(program.path())) << "a first start sizes the window";
    WriteBytes(ini, "[Velmora]\r\nListMode= 1\r\n");
    EXPECT_FALSE(SingleChange::Suits(program.path())) << "the folder mode asks the folder tree";
    WriteBytes(ini, "[Velmora]\r\nListMode= 2\r\nTimerOnMode= 70000\r\n");
    EXPECT_FALSE(SingleChange::Suits(program.path())) << "a broken file is the window's to report";
    WriteBytes(ini, "[Velmora]\r\nListMode= 2\r\n");
    EXPECT_TRUE(SingleChange::Suits(program.path()));
}

TEST(SingleChange, ACatalogueWithoutTheCurrentListChangesNothingAndStillStores)
{
    TempFolder program;
    WriteBytes(program.file(QStringLiteral("lfname.dat")), "Other.lst\r\n");
    WriteBytes(program.file(QStringLiteral("Velmora.lst")), "/nowhere/a.png\r\n");
    WriteBytes(program.file(QStringLiteral("Velmora.INI")), "[Velmora]\r\nListMode= 2\r\nFileIndex2= 0\r\n");
    SettingsStore store;
    ScriptedPrompter prompter;
    PrompterScope scope(prompter);
    auto recording = std::make_unique<RecordingBackend>();
    RecordingBackend& backend = *recording;
    SingleChange change(store, program.path(), std::move(recording));
    change.load();
    EXPECT_TRUE(change.entries().isEmpty());
    change.AutoChange();
    EXPECT_TRUE(WaitUntil([&] { return !change.working(); }));
    change.ExitRoutine();
    EXPECT_TRUE(backend.calls.isEmpty());
    EXPECT_EQ(prompter.count(), 0);
    EXPECT_GT(QFileInfo(program.file(QStringLiteral("Velmora.INI"))).size(), 100) << "written back whole";
}
