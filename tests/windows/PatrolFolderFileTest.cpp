#include "tests/support/TestSupport.h"

#include "core/ListFiles.h"
#include "core/Prompt.h"
#include "windows/patrol/PatrolFolderFile.h"
#include "ui/ListBox.h"
#include "windows/patrol/PatrolFolderList.h"


#include <gtest/gtest.h>

using namespace velmora;
using namespace velmora::test;

TEST(PatrolFolderFile, ReadsEveryKindOfLineEndAndBothEncodings)
{
    EXPECT_EQ(ReadPatrolFolders("/a/\r\n/b/\r\n"), (QStringList{"/a/", "/b/"}));
    EXPECT_EQ(ReadPatrolFolders("/a/\n/b/\n"), (QStringList{"/a/", "/b/"})) << "LF alone";
    EXPECT_EQ(ReadPatrolFolders("/a/\r/b/"), (QStringList{"/a/", "/b/"})) << "CR alone, last line unended";
    EXPECT_EQ(ReadPatrolFolders("/a/\r\n\n/b/\r\r\n"), (QStringList{"/a/", "", "/b/", ""}));
    EXPECT_EQ(ReadPatrolFolders(" /a b/ \r\n"), QStringList{" /a b/ "}) << "nothing is trimmed";
    EXPECT_TRUE(ReadPatrolFolders("").isEmpty());
    // "C:\写真\" as the Windows program wrote it, in Shift_JIS.
    EXPECT_EQ(ReadPatrolFolders("C:\\\x8e\xca\x90\x5e\\\r\n"), QStringList{QStringLiteral("C:\\写真\\")});
    EXPECT_EQ(ReadPatrolFolders("/写真/\r\n"), QStringList{QStringLiteral("/写真/")});
}

TEST(PatrolFolderFile, SavesUtf8WithCrLfAndLoadsItBack)
{
    TempFolder program;
    const QString path = PatrolFolderFilePath(program.path());
    EXPECT_EQ(path, program.path() + "lfolder.dat");
    ScriptedPrompter prompter;
    PrompterScope scope(prompter);
    ASSERT_EQ(SavePatrolFolders(path, {QStringLiteral("/写真/"), QString(), "/b/"}), 0);
    EXPECT_EQ(ReadBytes(path), QByteArray("/写真/\r\n\r\n/b/\r\n"));
    QStringList folders;
    ASSERT_EQ(LoadPatrolFolders(path, folders), 0);
    EXPECT_EQ(folders, (QStringList{QStringLiteral("/写真/"), QString(), "/b/"}));
    ASSERT_EQ(SavePatrolFolders(path, {}), 0);
    EXPECT_TRUE(ReadBytes(path).isEmpty());
    EXPECT_EQ(prompter.count(), 0);
}

TEST(PatrolFolderFile, FailuresAreShownAndLoseNothing)
{
    TempFolder program;
    ScriptedPrompter prompter;
    PrompterScope scope(prompter);
    QStringList folders{"/kept/"};
    EXPECT_EQ(LoadPatrolFolders(program.file("missing.dat"), folders), 1);
    EXPECT_EQ(folders, QStringList{"/kept/"});
    // A folder where the file should be cannot be replaced: the folder stays, the user is told.
    EXPECT_EQ(SavePatrolFolders(program.path(), {"/a/"}), 1);
    EXPECT_EQ(prompter.count(), 2);

    // Past the bound the file is refused whole: a part saved back would lose the rest.
    const QByteArray many(MaxListEntries + 5, '\n');
    WriteBytes(program.file("lfolder.dat"), many);
    prompter.clear();
    EXPECT_EQ(LoadPatrolFolders(program.file("lfolder.dat"), folders), 1);
    EXPECT_EQ(folders, QStringList{"/kept/"});
    ASSERT_EQ(prompter.count(), 1);
    EXPECT_TRUE(prompter.texts()[0].contains(QStringLiteral("10,000,000")));
    EXPECT_EQ(ReadBytes(program.file("lfolder.dat")), many);

    QByteArray large;
    for (int i = 0; i < 40000; ++i)
        large += "/f/" + QByteArray::number(i) + "/\r\n";
    WriteBytes(program.file("lfolder.dat"), large);
    ASSERT_EQ(LoadPatrolFolders(program.file("lfolder.dat"), folders), 0);
    EXPECT_EQ(folders.size(), 40000);
}

TEST(PatrolFolderList, AddsWithoutExactDuplicates)
{
    ListBox list;
    EXPECT_TRUE(AddPatrolFolder(list, "/Photos/"));
    EXPECT_FALSE(AddPatrolFolder(list, "/Photos/"));
    EXPECT_TRUE(AddPatrolFolder(list, "/photos/")) << "letter case counts";
    EXPECT_EQ(PatrolFolders(list), (QStringList{"/Photos/", "/photos/"}));
}

TEST(PatrolFolderList, DeleteSelectsBySelectionRule)
{
    auto three = [](ListBox& list, int selected) {
        list.addEntries({"/a/", "/b/", "/c/"});
        if (selected >= 0)
            list.setCurrentRow(selected);
    };
    ListBox first;
    three(first, 0);
    DeletePatrolFolder(first);
    EXPECT_EQ(PatrolFolders(first), (QStringList{"/b/", "/c/"}));
    EXPECT_TRUE(first.selectedRows().isEmpty());

    ListBox middle;
    three(middle, 1);
    DeletePatrolFolder(middle);
    EXPECT_EQ(PatrolFolders(middle), (QStringList{"/a/", "/c/"}));
    EXPECT_EQ(middle.currentRow(), 1);
    EXPECT_EQ(middle.selectedRows(), QList<int>{1}) << "/c/";

    ListBox last;
    three(last, 2);
    DeletePatrolFolder(last);
    EXPECT_EQ(last.selectedRows(), QList<int>{1}) << "/b/";

    ListBox none;
    three(none, -1);
    DeletePatrolFolder(none);
    EXPECT_EQ(none.count(), 3);
}
