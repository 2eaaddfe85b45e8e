#include "core/StaleTemporaries.h"

#include "platform/AtomicFile.h"
#include "platform/WriteLock.h"
#include "tests/support/TestSupport.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

namespace velmora {
namespace {

using test::TempFolder;
using test::WriteBytes;

QStringList FilesIn(const TempFolder& folder)
{
    return QDir(folder.path()).entryList(QDir::Files | QDir::Hidden, QDir::Name);
}

TEST(StaleTemporaries, OnlyTheProgramsOwnTemporaryNamesCount)
{
    for (const char* name :
         {"Velmora.INI.velmora-tmp-Ab3xYz", "lfname.dat.velmora-tmp-QWERTY", "holiday.lst.velmora-tmp-KqZbVw",
          "壁紙.LST.velmora-tmp-abcDef", "$$WALL$$.BMP.velmora-tmp-a1b2c3",
          // an earlier version's bitmap temporaries
          "$$WALL$$.BMP.abcdef", "$$WALL$$-2.BMP.x9Y8z7"})
        EXPECT_TRUE(IsStaleTemporaryName(QString::fromUtf8(name))) << name;
    for (const char* name :
         {// a user's own copies, whatever they look like
          "summer.lst.240131", "Velmora.INI.Backup", "Velmora.INI.backup", "lfname.dat.QWERTY",
          "holiday.lst.KqZbVw", "photo.jpg.AbCdEf", "$$OTHER$$.BMP.abcdef",
          // not quite the marker
          "Velmora.INI", ".velmora-tmp-Ab3xYz", "Velmora.INI.velmora-tmp-Ab3xY",
          "Velmora.INI.velmora-tmp-Ab3x-z", "Velmora.INI.velmora-tmp-Ab3xYz1",
          "Velmora.INI.velmora-tmp-Ab3xYz.bak", "Velmora.INI.velmora-Ab3xYz", "$$WALL$$.BMP",
          "$$WALL$$.BMP.abcde"})
        EXPECT_FALSE(IsStaleTemporaryName(QString::fromUtf8(name))) << name;
}

TEST(StaleTemporaries, TheWritersTemporariesAreKnownForWhatTheyAre)
{
    TempFolder folder;
    platform::AtomicFileWriter writer(folder.file("summer.lst"));
    ASSERT_EQ(writer.error(), 0);
    const QStringList during = FilesIn(folder);
    ASSERT_EQ(during.size(), 1);
    EXPECT_TRUE(IsStaleTemporaryName(during[0])) << during[0].toStdString();
    EXPECT_TRUE(during[0].startsWith(u"summer.lst")) << "beside its file, under a name that tells which";
}

TEST(StaleTemporaries, StartUpRemovesLeftOversAndKeepsEverythingElse)
{
    TempFolder folder;
    const QStringList kept = {"$$WALL$$.BMP",      "Velmora.INI",       "Velmora.INI.Backup", "mine.lst",
                              "summer.lst.240131", "lfname.dat.Ab3xYz", "photo.jpg.AbCdEf"};
    for (const QString& name : kept)
        WriteBytes(folder.file(name), "keep");
    for (const char* name :
         {"Velmora.INI.velmora-tmp-Ab3xYz", "mine.lst.velmora-tmp-QwErTy", "$$WALL$$.BMP.k2Lm9Q"})
        WriteBytes(folder.file(QString::fromUtf8(name)), "half a file");
    // A link with such a name is not something the program wrote.
    ASSERT_TRUE(QFile::link(folder.file("mine.lst"), folder.file("lfname.dat.velmora-tmp-Zz9Zz9")));

    EXPECT_EQ(RemoveStaleTemporaries(folder.path()), 3);
    QStringList expected = kept;
    expected << "lfname.dat.velmora-tmp-Zz9Zz9";
    expected.sort();
    EXPECT_EQ(FilesIn(folder), expected);
}

TEST(StaleTemporaries, AFileAnotherRunningCopyIsWritingStays)
{
    TempFolder folder;
    {
        platform::AtomicFileWriter writer(folder.file("$$WALL$$.BMP"));
        ASSERT_EQ(writer.error(), 0);
        ASSERT_TRUE(writer.write("BM", 2));
        EXPECT_EQ(RemoveStaleTemporaries(folder.path()), 0);
        EXPECT_TRUE(writer.commit()) << "the starting copy took the temporary away";
    }
    EXPECT_EQ(FilesIn(folder), QStringList{"$$WALL$$.BMP"});

    // The same for an earlier version's bitmap temporary while its writer holds it open.
    WriteBytes(folder.file("$$WALL$$.BMP.Ab3xYz"), "BM");
    QFile open(folder.file("$$WALL$$.BMP.Ab3xYz"));
    ASSERT_TRUE(open.open(QIODevice::ReadWrite));
    platform::MarkBeingWritten(open.handle());
    EXPECT_EQ(RemoveStaleTemporaries(folder.path()), 0);
    open.close();
    EXPECT_EQ(RemoveStaleTemporaries(folder.path()), 1);
}

} // namespace
} // namespace velmora
