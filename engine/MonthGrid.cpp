#include "engine/MonthGrid.h"

namespace velmora {

MonthGrid BuildMonthGrid(QDate today)
{
    static constexpr int daysPerMonth[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    MonthGrid grid;
    grid.DayNames = {QStringLiteral("Sun"), QStringLiteral("Mon"), QStringLiteral("Tue"),
                     QStringLiteral("Wed"), QStringLiteral("Thu"), QStringLiteral("Fri"),
                     QStringLiteral("Sat")};
    const int year = today.year();
    const int month = today.month();
    const bool leap = year % 400 == 0 || (year % 4 == 0 && year % 100 != 0);
    // The weekday of January 1st counted from year 1, then the days of the months before this one.
    const int yearStart = year + (year - 1) / 4 - (year - 1) / 100 + (year - 1) / 400;
    int before = 0;
    for (int m = 1; m < month; ++m)
        before += daysPerMonth[m - 1] + (m == 2 && leap ? 1 : 0);
    grid.firstWeekday = ((before + yearStart) % 7 + 7) % 7;
    grid.dayCount = daysPerMonth[month - 1] + (month == 2 && leap ? 1 : 0);
    for (int day = 1; day <= grid.dayCount; ++day)
        grid.CalendarCells[day + grid.firstWeekday - 1] = QString::number(day);
    return grid;
}

} // namespace velmora
