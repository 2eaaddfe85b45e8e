#include "core/FileKinds.h"
#include "tests/support/TestSupport.h"

#include <gtest/gtest.h>

using namespace velmora;

TEST(FileKinds, TableHoldsRowsZeroToSeventyEight)
{
    BuildFileKindTable();
    EXPECT_EQ(FileKindTable.lastIndex, 78);
    EXPECT_EQ(FileKindTableData::Capacity, 151);
    EXPECT_EQ(FileKindTable.rows[0].extension, QStringLiteral("BMP"));
    EXPECT_EQ(FileKindTable.rows[26].extension, QStringLiteral("CAL"));
    EXPECT_EQ(FileKindTable.rows[41].extension, QStringLiteral("GIF"));
    EXPECT_EQ(FileKindTable.rows[44].extension, QStringLiteral("TGA"));
    EXPECT_EQ(FileKindTable.rows[57].extension, QStringLiteral("WMV"));
    EXPECT_EQ(FileKindTable.rows[73].extension, QStringLiteral("XBM"));
    EXPECT_EQ(FileKindTable.rows[73].code, Kind::Image);
    EXPECT_EQ(FileKindTable.rows[74].extension, QStringLiteral("WEBP"));
    EXPECT_EQ(FileKindTable.rows[78].extension, QStringLiteral("JXL"));
}

TEST(FileKinds, CodesByExtension)
{
    BuildFileKindTable();
    const std::pair<const char*, int> cases[] = {
        {"a.jpg", 0},  {"a.JPEG", 0}, {"a.ico", 1},          {"a.rtf", 2},  {"a.log", 3},  {"a.rmi", 4},
        {"a.aiff", 5}, {"a.qt", 6},   {"a.gif", 7},          {"a.htm", 8},  {"a.cur", 9},  {"a.ani", 10},
        {"a.tga", 0},  {"a.webp", 0}, {"a.HEIC", 0},         {"a.heif", 0}, {"a.Avif", 0}, {"a.jxl", 0},
        {"noext", 99}, {"a.xyz", 99}, {"/dir.jpg/file", 99},
    };
    for (const auto& [path, code] : cases) {
        EXPECT_EQ(FileKind(QString::fromUtf8(path)), code) << path;
        EXPECT_EQ(FileKindFixed(QString::fromUtf8(path)), code) << path;
    }
}

TEST(FileKinds, ExtensionsOutsideLowerAndUpperAsciiAreUppercasedAsUnicodeDoes)
{
    BuildFileKindTable();
    // A dotless i uppercases to I; full-width letters and long tails name nothing.
    const std::pair<const char*, int> cases[] = {
        {"a.jPg", 0},       {"a.t\u0131f", 0}, {"a.\uff4a\uff50\uff47", 99},
        {"a.jpegjpeg", 99}, {"a.", 99},        {".gif", 7},
        {"a.b.c.PNG", 0},   {"a.jpg ", 99},
    };
    for (const auto& [path, code] : cases)
        EXPECT_EQ(FileKind(QString::fromUtf8(path)), code) << path;
}

TEST(FileKinds, TableAndFixedListDifferInExactlyElevenExtensions)
{
    BuildFileKindTable();
    for (const char* extension : {"cin", "WMZ", "djvu", "JBG", "psp", "SFF"}) {
        const QString path = QStringLiteral("a.") + QString::fromUtf8(extension);
        EXPECT_EQ(FileKind(path), 99) << extension;
        EXPECT_EQ(FileKindFixed(path), 0) << extension;
    }
    for (const char* extension : {"mp2", "MPA", "mpe", "M1V", "enc"}) {
        const QString path = QStringLiteral("a.") + QString::fromUtf8(extension);
        EXPECT_EQ(FileKind(path), 6) << extension;
        EXPECT_EQ(FileKindFixed(path), 99) << extension;
    }
    int differences = 0;
    for (int i = 0; i <= FileKindTable.lastIndex; ++i) {
        const QString path = QStringLiteral("x.") + FileKindTable.rows[i].extension.toLower();
        differences += FileKind(path) != FileKindFixed(path);
    }
    EXPECT_EQ(differences, 5) << "the table's own rows differ only in the five video extensions";
}
