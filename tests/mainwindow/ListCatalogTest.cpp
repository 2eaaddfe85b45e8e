#include "tests/support/TestSupport.h"

#include "core/FileKinds.h"
#include "core/TextLines.h"
#include "mainwindow/folder/FileNameScan.h"
#include "mainwindow/lists/ListCatalog.h"

#include <QDir>

#include <gtest/gtest.h>

using namespace velmora;
using namespace velmora::test;

TEST(ListCatalog, DefaultListHoldsTheFolderImagesInNameOrder)
{
    TempFolder program;
    TempFolder pictures;
    for (const char* name : {"b.JPG", "a.png", "notes.txt", "pagefile.sys", "c.gif", ".hidden.jpg"})
        WriteBytes(pictures.file(QString::fromUtf8(name)), "x");
    QDir(pictures.path()).mkdir(QStringLiteral("sub"));
    CreateDefaultList(program.path(), QStringLiteral("Velmora.lst"), pictures.path().chopped(1));
    EXPECT_EQ(ReadBytes(program.file(QStringLiteral("lfname.dat"))), QByteArray("Velmora.lst\r\n"));
    EXPECT_EQ(ReadLinesFile(program.file(QStringLiteral("Velmora.lst"))),
              (QStringList{pictures.file(QStringLiteral("a.png")), pictures.file(QStringLiteral("b.JPG"))}));
}

TEST(ListCatalog, DefaultListAndFileViewShareOneNameOrder)
{
    BuildFileKindTable();
    TempFolder pictures;
    for (const char* name : {"c.jpg", "a.jpg", "D.JPG", "B.png", "A.jpg", "b.bmp"})
        WriteBytes(pictures.file(QString::fromUtf8(name)), "x");
    QStringList viewOrder;
    for (const FileViewEntry& entry : ScanImageFiles(pictures.path()).entries)
        viewOrder << pictures.file(entry.name);
    EXPECT_EQ(DefaultListEntries(pictures.path()), viewOrder);
    EXPECT_EQ(viewOrder.first(), pictures.file(QStringLiteral("A.jpg")));
}

TEST(ListCatalog, WithoutAPicturesFolderTheProgramFolderIsTheSource)
{
    TempFolder program;
    WriteBytes(program.file(QStringLiteral("mine.png")), "x");
    CreateDefaultList(program.path(), QStringLiteral("Velmora.lst"), QString());
    EXPECT_EQ(ReadLinesFile(program.file(QStringLiteral("Velmora.lst"))),
              QStringList{program.file(QStringLiteral("mine.png"))});
}

TEST(ListCatalog, DefaultListOfAFolderWithoutImagesAndAnExistingList)
{
    TempFolder program;
    TempFolder empty;
    CreateDefaultList(program.path(), QStringLiteral("Velmora.lst"), empty.path());
    EXPECT_EQ(ReadBytes(program.file(QStringLiteral("Velmora.lst"))),
              EmptyListPlaceholder().toUtf8() + "\r\n");

    // A lost catalogue must not cost the user a list of their own.
    WriteBytes(program.file(QStringLiteral("Velmora.lst")), "/mine.jpg\r\n");
    CreateDefaultList(program.path(), QStringLiteral("Velmora.lst"), empty.path());
    EXPECT_EQ(ReadBytes(program.file(QStringLiteral("Velmora.lst"))), QByteArray("/mine.jpg\r\n"));
}

TEST(ListCatalog, NewNamesAndDuplicates)
{
    EXPECT_EQ(NewListName(QStringLiteral("autumn")), QStringLiteral("autumn.lst"));
    EXPECT_EQ(NewListName(QStringLiteral("autumn.LsT")), QStringLiteral("autumn.LsT"));
    EXPECT_EQ(NewListName(QStringLiteral("a.lst.txt")), QStringLiteral("a.lst.txt.lst"));
    const QStringList catalogue{"Velmora.lst", "Autumn.lst"};
    EXPECT_TRUE(CatalogContains(catalogue, QStringLiteral("autumn.LST")));
    EXPECT_FALSE(CatalogContains(catalogue, QStringLiteral("winter.lst")));
}
