#include "core/NumberText.h"
#include "core/Failure.h"
#include "tests/support/TestSupport.h"

#include <gtest/gtest.h>

using namespace velmora;

TEST(NumberText, LenientNumberStopsAtTheFirstForeignCharacter)
{
    EXPECT_DOUBLE_EQ(LenientNumber(u" - 12.5e2x"), -1250);
    EXPECT_DOUBLE_EQ(LenientNumber(u"1.2.3"), 1.2);
    EXPECT_DOUBLE_EQ(LenientNumber(u"2D2"), 200);
    EXPECT_DOUBLE_EQ(LenientNumber(u"&O17"), 15);
    EXPECT_DOUBLE_EQ(LenientNumber(u"&H10000"), 65536);
    EXPECT_DOUBLE_EQ(LenientNumber(u"１２"), 0) << "only ASCII digits count";
    EXPECT_DOUBLE_EQ(LenientNumber(u"-"), 0);
    EXPECT_TRUE(std::isinf(LenientNumber(u"1e999")));
}

TEST(NumberText, RoundingGoesHalfToEvenAndRangesAreChecked)
{
    EXPECT_EQ(ToInteger(2.5), 2);
    EXPECT_EQ(ToInteger(3.5), 4);
    EXPECT_EQ(ToInteger(-3.5), -4);
    EXPECT_EQ(ToInteger(32767.49), 32767);
    EXPECT_EQ(ToInteger(-32768), -32768);
    EXPECT_EQ(ToLong(2147483647), 2147483647);
    for (double tooLarge : {32767.5, 40000.0, -32768.6}) {
        try {
            ToInteger(tooLarge);
            ADD_FAILURE() << tooLarge << " fits an Integer";
        } catch (const Failure& failure) {
            EXPECT_EQ(failure.code(), ErrorCode::Overflow);
            EXPECT_FALSE(failure.text().isEmpty());
        }
    }
    EXPECT_THROW(ToLong(2147483648.0), Failure);
    EXPECT_THROW(ToSingle(1e39), Failure);
    EXPECT_THROW(ToLong(std::numeric_limits<double>::infinity()), Failure);
}

TEST(NumberText, BooleanText)
{
    EXPECT_TRUE(ToBoolean(u"TRUE"));
    EXPECT_FALSE(ToBoolean(u"false"));
    EXPECT_TRUE(ToBoolean(u" 5 "));
    EXPECT_FALSE(ToBoolean(u"0"));
    EXPECT_THROW(ToBoolean(u""), Failure);
    EXPECT_THROW(ToBoolean(u"yes"), Failure);
    EXPECT_THROW(ToBoolean(u"1x"), Failure);
}

TEST(NumberText, FileFormOfNumbers)
{
    EXPECT_EQ(NumberField(std::int64_t{10}), QStringLiteral(" 10"));
    EXPECT_EQ(NumberField(std::int64_t{0}), QStringLiteral(" 0"));
    EXPECT_EQ(NumberField(std::int64_t{-120}), QStringLiteral("-120"));
    EXPECT_EQ(SingleField(12.0f), QStringLiteral(" 12"));
    EXPECT_EQ(SingleField(0.1f), QStringLiteral(" 0.1"));
    EXPECT_EQ(SingleField(1.0f / 3.0f), QStringLiteral(" 0.3333333"));
    EXPECT_EQ(SingleField(-0.0f), QStringLiteral(" 0"));
    EXPECT_EQ(SingleField(123456789.0f), QStringLiteral(" 1.234568E+08"));
    EXPECT_EQ(BooleanField(true), QStringLiteral("True"));
}
