#pragma once
// The texts of the file view's columns.
#include <QDateTime>
#include <QString>

#include <cstdint>

namespace velmora {

// "#,###,###,##0": thousands separated by ",", "0" for an empty file; exact for any 64-bit size.
QString SizeText(std::uint64_t size);
// Eleven digits, zero-padded: the sort key of "Size" (longer when the size needs more digits).
QString SizeDmyText(std::uint64_t size);
// Local time as "2024/03/07 09:05:02": the year unpadded, every other part two digits.
QString DateText(const QDateTime& localTime);
QString DateText(int year, int month, int day, int hour, int minute, int second);

} // namespace velmora
