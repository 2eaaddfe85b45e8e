#include "tests/mainwindow/MainWindowRig.h"
#include "tests/support/TestImages.h"

#include "core/SettingsFile.h"
#include "mainwindow/change/SingleChange.h"
#include "platform/Screen.h"

#include <QApplication>
#include <QFileInfo>
#include <QImage>

#include <gtest/gtest.h>

using namespace velmora;
using namespace velmora::test;

namespace {

struct ChangeOutcome {
    QStringList calls;
    QByteArray bitmap;
    Long fileIndex2 = -1;
};

Long StoredFileIndex2(const QString& programFolder)
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

// "-s" without the window, over a program folder laid out as the rig lays it out.
struct SingleRig {
    TempFolder program;
    SettingsStore store;
    ScriptedPrompter prompter;
    PrompterScope scope{prompter};
    RecordingBackend* backend = nullptr;
    std::unique_ptr<SingleChange> change;

    void load()
    {
        const std::optional<Settings> stored = SingleChange::StoredSettings(program.path());
        ASSERT_TRUE(stored.has_value());
        auto recording = std::make_unique<RecordingBackend>();
        backend = recording.get();
        change = std::make_unique<SingleChange>(store, program.path(), std::move(recording));
        change->load(*stored);
    }
    void changeOnce()
    {
        change->RestoreSelection();
        change->AutoChange();
        EXPECT_TRUE(WaitUntil([&] { return !change->working(); }));
        change->ExitRoutine();
    }
};

ChangeOutcome WithoutTheWindow(const QStringList& entries, const QByteArray& settingsLines)
{
    SingleRig rig;
    WriteProgramFolder(rig.program, entries, settingsLines);
    rig.load();
    rig.changeOnce();
    return {rig.backend->calls, ReadBytes(rig.program.file(QStringLiteral("$$WALL$$.BMP"))),
            StoredFileIndex2(rig.program.path())};
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

// The change decodes only the entries it takes: on a long list it costs about what it costs on a
// short one, and it still wraps at the end.
TEST(SingleChange, OnALongListTakesTheEntryAfterTheStoredPositionWithoutAWindow)
{
    platform::OverridePrimaryScreen(platform::ScreenPixels{QSize(64, 48), 96});
    TempFolder pictures;
    QStringList entries;
    for (int i = 0; i < 100000; ++i)
        entries << QStringLiteral("/nowhere/写真 %1.png").arg(i);
    entries[0] = pictures.file(QStringLiteral("first.png"));
    entries[70001] = pictures.file(QStringLiteral("next.png"));
    for (const int i : {0, 70001})
        ASSERT_TRUE(PhotoLikeImage(32, 24, quint32(i)).save(entries[i]));
    const qsizetype windows = QApplication::topLevelWidgets().size();
    for (const auto& [stored, taken] : {std::pair{70000, 70001}, std::pair{99999, 0}}) {
        SCOPED_TRACE(stored);
        SingleRig rig;
        WriteProgramFolder(rig.program, entries,
                           "ListMode= 2\r\nChangeMode= 1\r\nFileIndex2= " + QByteArray::number(stored) + "\r\n");
        rig.load();
        rig.changeOnce();
        EXPECT_EQ(rig.prompter.count(), 0) << rig.prompter.texts().join(u'|').toStdString();
        ASSERT_EQ(rig.backend->calls.filter(QStringLiteral("set ")).size(), 1);
        EXPECT_EQ(StoredFileIndex2(rig.program.path()), taken);
        EXPECT_EQ(rig.change->entries(), entries) << "the list as the file holds it";
    }
    EXPECT_EQ(QApplication::topLevelWidgets().size(), windows) << "no window was made";
    platform::OverridePrimaryScreen(std::nullopt);
}

TEST(SingleChange, OnlyStoredListModeSettingsGoWithoutTheWindow)
{
    TempFolder program;
    const QString ini = program.file(QStringLiteral("Velmora.INI"));
    EXPECT_FALSE(SingleChange::StoredSettings(program.path())) << "a first start sizes the window";
    WriteBytes(ini, "[Velmora]\r\nListMode= 1\r\n");
    EXPECT_FALSE(SingleChange::StoredSettings(program.path())) << "the folder mode asks the folder tree";
    WriteBytes(ini, "[Velmora]\r\nListMode= 2\r\nTimerOnMode= 70000\r\n");
    EXPECT_FALSE(SingleChange::StoredSettings(program.path())) << "a broken file is the window's to report";
    WriteBytes(ini, "[Velmora]\r\nListMode= 2\r\n");
    const std::optional<Settings> stored = SingleChange::StoredSettings(program.path());
    ASSERT_TRUE(stored);
    EXPECT_EQ(stored->ListMode, 2);
}

TEST(SingleChange, ACatalogueWithoutTheCurrentListChangesNothingAndStillStores)
{
    SingleRig rig;
    WriteProgramFolder(rig.program, {QStringLiteral("/nowhere/a.png")}, "ListMode= 2\r\nFileIndex2= 0\r\n");
    WriteBytes(rig.program.file(QStringLiteral("lfname.dat")), "Other.lst\r\n");
    rig.load();
    EXPECT_TRUE(rig.change->entries().isEmpty());
    rig.changeOnce();
    EXPECT_TRUE(rig.backend->calls.isEmpty());
    EXPECT_EQ(rig.prompter.count(), 0);
    EXPECT_GT(QFileInfo(rig.program.file(QStringLiteral("Velmora.INI"))).size(), 100) << "written back whole";
}
