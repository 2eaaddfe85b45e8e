#include "core/TextLines.h"
#include "core/Failure.h"
#include "core/FileBytes.h"
#include "tests/support/SpecialFiles.h"
#include "tests/support/TestSupport.h"

#include <QFile>

#include <gtest/gtest.h>

#include <functional>
#include <vector>

using namespace velmora;

TEST(TextLines, LinesEndAtCrLfLoneCrOrLoneLf)
{
    EXPECT_EQ(
        SplitLines(QStringLiteral("a\r\nb\rc\nd\r\n")),
        (QStringList{QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c"), QStringLiteral("d")}));
    EXPECT_EQ(SplitLines(QStringLiteral("/p/1.jpg\n/p/2.jpg\n")),
              (QStringList{QStringLiteral("/p/1.jpg"), QStringLiteral("/p/2.jpg")}))
        << "a list written by find";
    EXPECT_EQ(SplitLines(QStringLiteral("last")), QStringList{QStringLiteral("last")});
    EXPECT_EQ(SplitLines(QString()), QStringList());
    EXPECT_EQ(SplitLines(QStringLiteral("\r\n")), QStringList{QString()});
    EXPECT_EQ(SplitLines(QStringLiteral("\n")), QStringList{QString()});
    EXPECT_EQ(SplitLines(QStringLiteral(" a \r\n\r\n a \r\n")),
              (QStringList{QStringLiteral(" a "), QString(), QStringLiteral(" a ")}))
        << "nothing trimmed or de-duplicated";
    EXPECT_EQ(SplitLines(QStringLiteral("a\r\r\nb")),
              (QStringList{QStringLiteral("a"), QString(), QStringLiteral("b")}));
    EXPECT_EQ(SplitLines(QStringLiteral("a\n\rb\n\n")),
              (QStringList{QStringLiteral("a"), QString(), QStringLiteral("b"), QString()}))
        << "LF CR is two line ends, unlike CR LF";
}

TEST(TextLines, CountingTheBytesAgreesWithSplittingTheText)
{
    for (const QByteArray& bytes :
         {QByteArray(), QByteArray("last"), QByteArray("\r\n"), QByteArray("\r"), QByteArray("a\r\r\nb"),
          QByteArray("a\n\rb\n\n"), QByteArray("\xEF\xBB\xBF"),
          QByteArray("\xEF\xBB\xBF"
                     "a\r\nb"),
          QByteArray("\x83\x5C\r\n\x95\x5C"), QByteArray("\xE5\xA3\x81\r\r")})
        EXPECT_EQ(CountLines(bytes), SplitLines(DecodeText(bytes)).size()) << bytes.toHex().constData();
}

// Lines decoded one by one from the bytes must be exactly the lines of the decoded text, whatever
// the bytes hold: the encoding is still decided by the whole file.
TEST(TextLines, DecodingLineByLineAgreesWithDecodingTheWholeText)
{
    const QList<QByteArray> cases = {
        QByteArray(),
        QByteArray("/a.jpg\r\n/b.jpg\r\n"),
        QByteArray("a\r\r\nb\n\rc\rd"),
        QByteArray("\xEF\xBB\xBF/bom.jpg\r\n"),
        QByteArray("\xEF\xBB\xBF\xEF\xBB\xBF/two-boms.jpg\r\n"),
        QByteArray("/a.jpg\r\n\xEF\xBB\xBF/mid-file-bom.jpg\r\n"),
        QByteArray("/\xe5\x86\x99\xe7\x9c\x9f.jpg\r\n/\xf0\x9f\x98\x80.png"),
        QByteArray("/ok.jpg\r\nC:\\\x95\x5c\\a.jpg\r\n"),   // Shift_JIS in a later line
        QByteArray("/cut\xe5\x86\r\n/next.jpg\r\n"),          // a character cut by a line end
        QByteArray("/overlong\xc0\xaf.jpg\r\n"),
        QByteArray("/surrogate\xed\xa0\x80.jpg\r\n"),
        QByteArray("/nul\0inside.jpg\r\n"),
    };
    for (const QByteArray& bytes : cases) {
        const QStringList whole = SplitLines(DecodeText(bytes));
        EXPECT_EQ(DecodeLines(bytes), whole) << bytes.toHex().constData();
        LineScanner scanner(bytes);
        QByteArrayView line;
        qsizetype count = 0;
        while (scanner.next(line))
            ++count;
        EXPECT_EQ(count, whole.size()) << bytes.toHex().constData();
    }
}

TEST(TextLines, WritesUtf8WithCrLfAfterEveryLine)
{
    EXPECT_EQ(EncodeLines({QStringLiteral("写真"), QString(), QStringLiteral("b\nc")}),
              QByteArray("\xe5\x86\x99\xe7\x9c\x9f\r\n\r\nb\nc\r\n"));
    EXPECT_EQ(EncodeLines({}), QByteArray());
}

TEST(TextLines, DecodesUtf8ShiftJisAndSkipsABom)
{
    EXPECT_EQ(DecodeText("\xe5\x86\x99\xe7\x9c\x9f"), QStringLiteral("写真"));
    EXPECT_EQ(DecodeText("\xef\xbb\xbf"
                         "abc"),
              QStringLiteral("abc"));
    EXPECT_EQ(DecodeText("C:\\\x95\x5c\\a.jpg"), QStringLiteral("C:\\表\\a.jpg"))
        << "Shift_JIS whose second byte is a backslash";
}

TEST(TextLines, FilesRoundTripAndFailuresNameTheCause)
{
    test::TempFolder folder;
    const QString path = folder.file(QStringLiteral("list.lst"));
    const QStringList lines{QStringLiteral("/a b/c.jpg"), QStringLiteral("写真.png"), QString()};
    WriteLinesFile(path, lines);
    EXPECT_EQ(ReadLinesFile(path), lines);

    try {
        ReadLinesFile(folder.file(QStringLiteral("missing.lst")));
        ADD_FAILURE();
    } catch (const Failure& failure) {
        EXPECT_EQ(failure.code(), ErrorCode::FileNotFound);
        EXPECT_TRUE(failure.text().contains(QStringLiteral("missing.lst")));
    }
    EXPECT_THROW(ReadLinesFile(folder.path()), Failure);
    test::WriteBytes(path, QByteArray(2000, 'x'));
    EXPECT_THROW(ReadLinesFile(path, 1000), Failure) << "a file over the bound is refused, not truncated";
    test::WriteBytes(path, QByteArray(1000, 'y'));
    EXPECT_EQ(ReadWholeFile(path, 1000), QByteArray(1000, 'y')) << "a file at the bound is read whole";
}

TEST(TextLines, ReadingHoldsMemoryForTheFileNotForTheBound)
{
    test::TempFolder folder;
    const QString path = folder.file(QStringLiteral("small.lst"));
    test::WriteBytes(path, "a.jpg\r\n");
    const QByteArray bytes = ReadWholeFile(path);
    EXPECT_EQ(bytes, QByteArray("a.jpg\r\n"));
    EXPECT_LT(bytes.capacity(), 64 * 1024) << "a 7-byte file kept " << bytes.capacity() << " bytes";

    // Files that report no size are read to their end, and still within the bound.
    EXPECT_TRUE(ReadWholeFile(QStringLiteral("/proc/self/status")).contains("VmRSS"));
}

// The page-backed read keeps the plain read's bounds and reads files that tell no true size to their end.
TEST(TextLines, FileBytesReadAsTheWholeFileReadReads)
{
    test::TempFolder folder;
    const QString path = folder.file(QStringLiteral("list.lst"));
    const auto bytesOf = [](const QString& file, qint64 bound) {
        return ReadFileBytes(file, bound).view().toByteArray();
    };
    test::WriteBytes(path, "");
    EXPECT_TRUE(bytesOf(path, 1000).isEmpty());
    // Past the first step and past a huge page, so that the pages themselves are in play.
    QByteArray large(3 * 1024 * 1024 + 5, 'a');
    large[large.size() - 1] = 'z';
    test::WriteBytes(path, large);
    EXPECT_EQ(bytesOf(path, MaxTextFileBytes), large);
    EXPECT_THROW(ReadFileBytes(path, large.size() - 1), Failure) << "a file over the bound is refused";
    EXPECT_EQ(bytesOf(path, large.size()), large) << "a file at the bound is read whole";

    const QByteArray status = bytesOf(QStringLiteral("/proc/self/status"), MaxTextFileBytes);
    EXPECT_TRUE(status.contains("VmRSS")) << "grown past the size /proc tells, to the end";
    // Far longer than the first step here (a line for each mapping of every library loaded).
    const QByteArray maps = bytesOf(QStringLiteral("/proc/self/maps"), MaxTextFileBytes);
    EXPECT_GT(maps.size(), 4096);
    EXPECT_TRUE(maps.endsWith('\n'));
    EXPECT_THROW(ReadFileBytes(QStringLiteral("/proc/self/status"), 100), Failure)
        << "and still within the bound";

    FileBytes moved = ReadFileBytes(path, MaxTextFileBytes);
    FileBytes target;
    target = std::move(moved);
    EXPECT_EQ(target.view().size(), large.size());
    EXPECT_TRUE(moved.view().isEmpty());
}

TEST(TextLines, PipesSocketsAndDevicesAreRefusedWithoutWaiting)
{
    test::TempFolder folder;
    const QString socket = folder.file(QStringLiteral("socket.lst"));
    ASSERT_TRUE(test::MakeSocketFile(socket));
    const QString device = folder.file(QStringLiteral("zero.lst"));
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/zero"), device));
    const std::vector<std::pair<const char*, std::function<void(const QString&)>>> readers{
        {"ReadWholeFile", [](const QString& path) { ReadWholeFile(path); }},
        {"ReadFileStart", [](const QString& path) { ReadFileStart(path, 16); }},
        {"ReadLinesFile", [](const QString& path) { ReadLinesFile(path); }},
        {"ReadFileBytes", [](const QString& path) { ReadFileBytes(path, MaxTextFileBytes); }},
    };
    for (const auto& [name, read] : readers) {
        // A pipe of its own for each reader: one that opened it has had all it will give.
        const QString fifo = folder.file(QString::fromLatin1(name) + QStringLiteral(".jpg"));
        test::FifoTrap trap(fifo);
        ASSERT_TRUE(trap.made());
        for (const QString& path : {fifo, socket, device}) {
            try {
                read(path);
                ADD_FAILURE() << name << " read " << path.toStdString();
            } catch (const Failure& failure) {
                EXPECT_EQ(failure.code(), ErrorCode::PathFileAccess) << name;
                EXPECT_TRUE(failure.text().contains(QStringLiteral("通常のファイルではありません")))
                    << failure.what();
                EXPECT_TRUE(failure.text().endsWith(path)) << failure.what();
            }
        }
    }

    // A link to an ordinary file is read through.
    const QString real = folder.file(QStringLiteral("real.lst"));
    test::WriteBytes(real, "a.jpg\r\nb.jpg\r\n");
    const QString link = folder.file(QStringLiteral("link.lst"));
    ASSERT_TRUE(QFile::link(real, link));
    EXPECT_EQ(ReadLinesFile(link), (QStringList{QStringLiteral("a.jpg"), QStringLiteral("b.jpg")}));
    EXPECT_EQ(ReadFileStart(link, 5), QByteArray("a.jpg"));
    EXPECT_EQ(ReadFileStart(link, 100), QByteArray("a.jpg\r\nb.jpg\r\n"));
}
