// Texts of the file view's columns.
#include "mainwindow/folder/FileViewText.h"
#include "tests/support/TestSupport.h"

#include <gtest/gtest.h>

#include <limits>

namespace velmora {

struct SizeCase {
    std::uint64_t size;
    const char* text;
    const char* key;
};

void PrintTo(const SizeCase& c, std::ostream* os)
{
    *os << c.size;
}

class SizeTexts : public ::testing::TestWithParam<SizeCase> {};

TEST_P(SizeTexts, GroupThousandsAndPadTheKey)
{
    EXPECT_EQ(SizeText(GetParam().size), QString::fromLatin1(GetParam().text));
    EXPECT_EQ(SizeDmyText(GetParam().size), QString::fromLatin1(GetParam().key));
}

INSTANTIATE_TEST_SUITE_P(FileView, SizeTexts,
                         ::testing::Values(SizeCase{0, "0", "00000000000"},
                                           SizeCase{999, "999", "00000000999"},
                                           SizeCase{1000, "1,000", "00000001000"},
                                           SizeCase{1234567, "1,234,567", "00001234567"},
                                           SizeCase{4294967295u, "4,294,967,295", "04294967295"},
                                           SizeCase{4294967296u, "4,294,967,296", "04294967296"},
                                           SizeCase{5368709120u, "5,368,709,120", "05368709120"},
                                           SizeCase{std::numeric_limits<std::uint64_t>::max(),
                                                    "18,446,744,073,709,551,615", "18446744073709551615"}));

TEST(DateText, PadsEveryPartButTheYear)
{
    EXPECT_EQ(DateText(2024, 3, 7, 9, 5, 2), QStringLiteral("2024/03/07 09:05:02"));
    EXPECT_EQ(DateText(1999, 12, 31, 23, 59, 59), QStringLiteral("1999/12/31 23:59:59"));
    EXPECT_EQ(DateText(987, 1, 1, 0, 0, 0), QStringLiteral("987/01/01 00:00:00"));
    EXPECT_EQ(DateText(QDateTime(QDate(2010, 10, 1), QTime(8, 0, 9))), QStringLiteral("2010/10/01 08:00:09"));
}

TEST(DateText, SortsChronologicallyAsText)
{
    EXPECT_LT(DateText(2024, 1, 9, 23, 0, 0), DateText(2024, 10, 1, 0, 0, 0));
    EXPECT_LT(DateText(2024, 2, 1, 9, 59, 59), DateText(2024, 2, 1, 10, 0, 0));
}

} // namespace velmora
