#include "core/ListFiles.h"
#include "core/Prompt.h"
#include "tests/support/SpecialFiles.h"
#include "tests/support/TestSupport.h"
#include "ui/ListBox.h"
#include "ui/ListControls.h"

#include <QComboBox>

#include <gtest/gtest.h>

using namespace velmora;

namespace {

QByteArray numberedLines(int count)
{
    QByteArray bytes;
    for (int i = 0; i < count; ++i)
        bytes += "/pics/" + QByteArray::number(i) + ".jpg\r\n";
    return bytes;
}

} // namespace

TEST(ListFiles, AHundredThousandEntriesLoadWholeAndSaveBackUnchanged)
{
    test::TempFolder folder;
    const QString path = folder.file(QStringLiteral("big.lst"));
    const QByteArray bytes = numberedLines(100000);
    test::WriteBytes(path, bytes);

    ScriptedPrompter prompter;
    PrompterScope scope(prompter);
    QStringList entries;
    ASSERT_EQ(LoadListEntries(path, entries), 0);
    EXPECT_EQ(entries.size(), 100000);
    EXPECT_EQ(entries.last(), QStringLiteral("/pics/99999.jpg"));
    ASSERT_EQ(SaveListEntries(path, entries), 0);
    EXPECT_EQ(test::ReadBytes(path), bytes) << "a save without edits writes the same bytes";

    entries.insert(50000, QStringLiteral("/pics/added.jpg"));
    ASSERT_EQ(SaveListEntries(path, entries), 0);
    const QByteArray saved = test::ReadBytes(path);
    EXPECT_EQ(saved.count('\n'), 100001);
    EXPECT_EQ(saved.size(), bytes.size() + QByteArray("/pics/added.jpg\r\n").size());
    EXPECT_EQ(prompter.count(), 0);
}

TEST(ListFiles, LinesDecodedOnDemandAreTheLinesALoadGives)
{
    test::TempFolder folder;
    const QString path = folder.file(QStringLiteral("big.lst"));
    test::WriteBytes(path, "\xEF\xBB\xBF" + numberedLines(1000) + "/\xe5\x86\x99.jpg\r\n\r\nlast");

    ScriptedPrompter prompter;
    PrompterScope scope(prompter);
    QStringList entries;
    ASSERT_EQ(LoadListEntries(path, entries), 0);
    ListFileLines lines;
    ASSERT_EQ(lines.load(path), 0);
    ASSERT_EQ(lines.count(), entries.size());
    // In order, then back, then jumping on: the scan starts again or goes on as it must.
    for (const int i : {0, 1, 2, 500, 501, 1000, 1001, 1002, 3, 0, 999, 1002})
        EXPECT_EQ(lines.line(i), entries[i]) << i;
    EXPECT_EQ(lines.line(-1), QString());
    EXPECT_EQ(lines.line(lines.count()), QString());
    EXPECT_EQ(lines.all(), entries);

    // A Shift_JIS list of the Windows program.
    test::WriteBytes(path, "C:\\\x95\x5c\\a.jpg\r\nb\r\n");
    ASSERT_EQ(lines.load(path), 0);
    EXPECT_EQ(lines.count(), 2);
    EXPECT_EQ(lines.line(0), QStringLiteral("C:\\表\\a.jpg"));
    EXPECT_EQ(lines.line(1), QStringLiteral("b"));

    // Refused as a load refuses it: one message, and the lines read before stay.
    const QByteArray tooMany(MaxListEntries + 1, '\n');
    test::WriteBytes(path, tooMany);
    EXPECT_EQ(lines.load(path), 1);
    EXPECT_EQ(lines.count(), 2);
    ASSERT_EQ(prompter.count(), 1);
    EXPECT_TRUE(prompter.texts()[0].contains(QStringLiteral("10,000,000")));
    EXPECT_EQ(test::ReadBytes(path), tooMany);
}

TEST(ListFiles, AFilePastTheBoundIsRefusedWholeAndLeftAsItIs)
{
    test::TempFolder folder;
    const QString path = folder.file(QStringLiteral("runaway.lst"));
    // Lone CRs and a last line without its end: both count as lines.
    QByteArray bytes(MaxListEntries, '\r');
    bytes += "/pics/one-too-many.jpg";
    test::WriteBytes(path, bytes);

    ScriptedPrompter prompter;
    PrompterScope scope(prompter);
    QStringList entries{QStringLiteral("kept")};
    EXPECT_EQ(LoadListEntries(path, entries), 1);
    EXPECT_EQ(entries, QStringList{QStringLiteral("kept")}) << "nothing loaded in part";
    ASSERT_EQ(prompter.count(), 1);
    EXPECT_EQ(prompter.requests()[0].kind, PromptKind::Warning);
    EXPECT_TRUE(prompter.texts()[0].contains(QStringLiteral("10,000,000")));
    EXPECT_TRUE(prompter.texts()[0].contains(path));
    EXPECT_EQ(test::ReadBytes(path), bytes);

    // Exactly at the bound still loads.
    bytes.chop(QByteArray("/pics/one-too-many.jpg").size());
    test::WriteBytes(path, bytes);
    EXPECT_EQ(LoadListEntries(path, entries), 0);
    EXPECT_EQ(entries.size(), MaxListEntries);
}

TEST(ListFiles, FailuresShowOneMessageAndKeepTheEntries)
{
    test::TempFolder folder;
    ScriptedPrompter prompter;
    PrompterScope scope(prompter);
    QStringList entries{QStringLiteral("kept")};
    EXPECT_EQ(LoadListEntries(folder.file(QStringLiteral("missing.lst")), entries), 1);
    EXPECT_EQ(entries, QStringList{QStringLiteral("kept")});
    EXPECT_EQ(SaveListEntries(folder.file(QStringLiteral("no/such/folder.lst")), entries), 1);
    EXPECT_EQ(prompter.count(), 2);
    for (const PromptRequest& request : prompter.requests())
        EXPECT_EQ(request.kind, PromptKind::Warning);
}

TEST(ListFiles, AListNamedByAPipeIsRefusedWithAMessage)
{
    test::TempFolder folder;
    const QString path = folder.file(QStringLiteral("x.lst"));
    test::FifoTrap trap(path, "/pics/a.jpg\r\n");
    ASSERT_TRUE(trap.made());
    ScriptedPrompter prompter;
    PrompterScope scope(prompter);
    QStringList entries{QStringLiteral("kept")};
    EXPECT_EQ(LoadListEntries(path, entries), 1);
    EXPECT_EQ(entries, QStringList{QStringLiteral("kept")});
    ASSERT_EQ(prompter.count(), 1);
    EXPECT_TRUE(prompter.texts()[0].contains(path));
}

TEST(ListFiles, ListWrittenByFindLoadsOneEntryALineAndSavesWithCrLf)
{
    test::TempFolder folder;
    const QString path = folder.file(QStringLiteral("my.lst"));
    test::WriteBytes(path, "/pics/a.jpg\n/pics/b b.png\n/pics/写真.gif\n");
    QStringList entries;
    ASSERT_EQ(LoadListEntries(path, entries), 0);
    EXPECT_EQ(entries, (QStringList{"/pics/a.jpg", "/pics/b b.png", "/pics/写真.gif"}));
    ASSERT_EQ(SaveListEntries(path, entries), 0);
    EXPECT_EQ(test::ReadBytes(path), QByteArray("/pics/a.jpg\r\n/pics/b b.png\r\n/pics/写真.gif\r\n"));
}

TEST(ListFiles, EntryWithALineBreakIsRefusedAndTheOldFileStays)
{
    test::TempFolder folder;
    const QString path = folder.file(QStringLiteral("my.lst"));
    test::WriteBytes(path, "/old.jpg\r\n");
    ScriptedPrompter prompter;
    PrompterScope scope(prompter);
    EXPECT_EQ(SaveListEntries(path, {QStringLiteral("/a.jpg"), QStringLiteral("/odd\nname.jpg")}), 1);
    ASSERT_EQ(prompter.count(), 1);
    EXPECT_TRUE(prompter.texts()[0].contains(QStringLiteral("2 行目"))) << prompter.texts()[0].toStdString();
    EXPECT_EQ(test::ReadBytes(path), QByteArray("/old.jpg\r\n"));
}

TEST(ListControls, ListBoxAndComboRoundTripExactBytes)
{
    test::TempFolder folder;
    const QString path = folder.file(QStringLiteral("Velmora.lst"));
    const QByteArray bytes("/b.jpg\r\n/a.jpg\r\n/b.jpg\r\n \r\n");
    test::WriteBytes(path, bytes);

    ListBox list;
    list.addEntries({QStringLiteral("replaced")});
    ASSERT_EQ(ListBoxLoad(path, list), 0);
    ASSERT_EQ(list.count(), 4);
    EXPECT_EQ(list.text(3), QStringLiteral(" "));
    const QString copy = folder.file(QStringLiteral("copy.lst"));
    ASSERT_EQ(ListBoxSave(copy, list), 0);
    EXPECT_EQ(test::ReadBytes(copy), bytes);

    QComboBox combo;
    ASSERT_EQ(ComboLoad(path, combo), 0);
    EXPECT_EQ(combo.count(), 4);
    ASSERT_EQ(ComboSave(copy, combo), 0);
    EXPECT_EQ(test::ReadBytes(copy), bytes);

    ScriptedPrompter prompter;
    PrompterScope scope(prompter);
    EXPECT_EQ(ListBoxLoad(folder.file(QStringLiteral("missing.lst")), list), 1);
    EXPECT_EQ(list.count(), 4) << "a failed load leaves the entries";
}
