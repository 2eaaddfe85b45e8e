#pragma once
// Numbers read from and written to the program's text files.
#include <QString>

#include <cstdint>
#include <optional>

namespace velmora {

// Reads a number the lenient way: blanks (space, tab, line feed) are skipped anywhere, reading stops
// at the first character that cannot continue the number, text without a number gives 0.
// Accepts a sign, digits, one ".", an exponent ("1e3", "2.5D-1") and the &H / &O radix prefixes.
double LenientNumber(QStringView text);

// A complete number with optional blanks around it, or nothing when other text remains.
std::optional<double> StrictNumber(QStringView text);

// The nearest value of the field type, a half going to the even neighbour (2.5 gives 2, 3.5 gives 4).
// Throws Overflow when the result does not fit.
std::int16_t ToInteger(double value);
std::int32_t ToLong(double value);
float ToSingle(double value);

// Boolean text: "True"/"False" in any letter case, or a number (0 false, other true).
// Throws TypeMismatch for other text.
bool ToBoolean(QStringView text);

// The file form of numbers: one blank before a non-negative value (" 10"), "-" before a negative one.
QString NumberField(std::int64_t value);
// Up to 7 significant digits, "." as the decimal separator.
QString SingleField(float value);
QString BooleanField(bool value);

} // namespace velmora
