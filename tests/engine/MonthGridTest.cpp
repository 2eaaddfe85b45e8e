#include "engine/MonthGrid.h"

#include <gtest/gtest.h>

namespace velmora {
namespace {

// The cells that hold day numbers, as the first and last index.
std::pair<int, int> filledCells(const MonthGrid& grid)
{
    int first = -1;
    int last = -1;
    for (int k = 0; k < 43; ++k)
        if (!grid.CalendarCells[k].isEmpty()) {
            if (first < 0)
                first = k;
            last = k;
        }
    return {first, last};
}

TEST(BuildMonthGrid, December2026StartsOnATuesday)
{
    const MonthGrid grid = BuildMonthGrid(QDate(2026, 12, 7));
    EXPECT_EQ(grid.firstWeekday, 2);
    EXPECT_EQ(grid.CalendarCells[2], QStringLiteral("1"));
    EXPECT_EQ(grid.CalendarCells[32], QStringLiteral("31"));
    EXPECT_EQ(filledCells(grid), std::make_pair(2, 32));
    EXPECT_EQ(grid.DayNames[0], QStringLiteral("Sun"));
    EXPECT_EQ(grid.DayNames[6], QStringLiteral("Sat"));
}

TEST(BuildMonthGrid, ASaturdayStartWith31DaysFillsAllSixLines)
{
    const MonthGrid grid = BuildMonthGrid(QDate(2022, 1, 15)); // 1 January 2022 was a Saturday
    EXPECT_EQ(filledCells(grid), std::make_pair(6, 36));
    EXPECT_EQ(grid.CalendarCells[36], QStringLiteral("31"));
    EXPECT_TRUE(grid.CalendarCells[42].isEmpty());
}

TEST(BuildMonthGrid, FebruaryFollowsTheLeapYearRule)
{
    const struct {
        int year;
        int days;
    } cases[] = {{2000, 29}, {1900, 28}, {2024, 29}, {2023, 28}, {2100, 28}, {2400, 29}};
    for (const auto& c : cases) {
        const MonthGrid grid = BuildMonthGrid(QDate(c.year, 2, 1));
        EXPECT_EQ(grid.dayCount, c.days) << c.year;
        EXPECT_EQ(grid.CalendarCells[grid.firstWeekday + c.days - 1], QString::number(c.days)) << c.year;
        EXPECT_TRUE(grid.CalendarCells[grid.firstWeekday + c.days].isEmpty()) << c.year;
    }
}

TEST(BuildMonthGrid, AgreesWithTheGregorianCalendarForTwoCenturies)
{
    for (int year = 1900; year <= 2100; ++year)
        for (int month = 1; month <= 12; ++month) {
            const QDate first(year, month, 1);
            const MonthGrid grid = BuildMonthGrid(first.addDays(9));
            ASSERT_EQ(grid.firstWeekday, first.dayOfWeek() % 7) << year << "-" << month;
            ASSERT_EQ(grid.dayCount, first.daysInMonth()) << year << "-" << month;
        }
}

} // namespace
} // namespace velmora
