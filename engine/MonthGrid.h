#pragma once
// The month calendar's grid: weekday names and 43 cells of day numbers for a month.
#include <QDate>
#include <QString>

#include <array>

namespace velmora {

struct MonthGrid {
    std::array<QString, 7> DayNames;       // "Sun" to "Sat"
    std::array<QString, 43> CalendarCells; // cell k: week line k / 7, weekday column k % 7; cell 42 is empty
    int firstWeekday = 0;                  // of the 1st, 0 = Sunday
    int dayCount = 0;
};

// The grid of the month of today (Gregorian calendar).
MonthGrid BuildMonthGrid(QDate today = QDate::currentDate());

} // namespace velmora
