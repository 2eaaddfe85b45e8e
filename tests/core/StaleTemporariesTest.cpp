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
         {"Velmora.INI.Ab3xYz", "lfname.dat.QWERTY", "lfolder.dat.a1b2c3", "holiday.lst.KqZbVw",
          "壁紙.LST.abcDef", "$$WALL$$.BMP.abcdef", "$$WALL$$-2.BMP.x9Y8z7"})
        EXPECT_TRUE(IsStaleTemporaryName(QString::fromUtf8(name))) << name;
    for (const char* name : {"Velmora.INI", "Velmora.INI.backup", "Velmora.INI.Ab3xY", "Velmora.INI.Ab3x-z",
                             "Velmora.INI.Ab3xYz1", "velmora.ini.Ab3xYz", "photo.jpg.AbCdEf", ".lst.AbCdEf",
                             "notes.txt.ABCDEF", "$$WALL$$.BMP"})
        EXPECT_FALSE(IsStaleTemporaryName(QString::fromUtf8(name))) << name;
}

TEST(StaleTemporaries, StartUpRemovesLeftOversAndKeepsEverythingElse)
{
    TempFolder folder;
    const QStringList kept = {"$$WALL$$.BMP", "Velmora.INI", "Velmora.INI.backup", "mine.lst",
                              "photo.jpg.AbCdEf"};
    for (const QString& name : kept)
        WriteBytes(folder.file(name), "keep");
    for (const char* name : {"Velmora.INI.Ab3xYz", "mine.lst.QwErTy", "$$WALL$$.BMP.k2Lm9Q"})
        WriteBytes(folder.file(QString::fromUtf8(name)), "half a file");
    // A link with such a name is not something the program wrote.
    ASSERT_TRUE(QFile::link(folder.file("mine.lst"), folder.file("lfname.dat.Zz9Zz9")));

    EXPECT_EQ(RemoveStaleTemporaries(folder.path()), 3);
    QStringList expected = kept;
    expected << "lfname.dat.Zz9Zz9";
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

    // The same for a named temporary of a text file while its writer holds it open.
    WriteBytes(folder.file("Velmora.INI.Ab3xYz"), "[Velmora]");
    QFile open(folder.file("Velmora.INI.Ab3xYz"));
    ASSERT_TRUE(open.open(QIODevice::ReadWrite));
    platform::MarkBeingWritten(open.handle());
    EXPECT_EQ(RemoveStaleTemporaries(folder.path()), 0);
    open.close();
    EXPECT_EQ(RemoveStaleTemporaries(folder.path()), 1);
}

} // namespace
} // namespace velmora
