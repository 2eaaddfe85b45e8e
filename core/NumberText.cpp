#include "core/NumberText.h"

#include "core/Failure.h"

#include <cfenv>
#include <cmath>
#include <limits>

namespace velmora {
namespace {

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\n';
}

struct Scan {
    double value = 0;
    qsizetype end = 0; // index after the last character that belonged to the number
};

int digitOf(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9')
        return u - u'0';
    if (u >= u'A' && u <= u'F')
        return u - u'A' + 10;
    if (u >= u'a' && u <= u'f')
        return u - u'a' + 10;
    return -1;
}

Scan scanRadix(QStringView text, qsizetype i, int radix)
{
    Scan scan{0, 0};
    std::uint64_t accumulated = 0;
    for (; i < text.size(); ++i) {
        if (isBlank(text[i]))
            continue;
        const int digit = digitOf(text[i]);
        if (digit < 0 || digit >= radix)
            break;
        accumulated = (accumulated * radix + digit) & 0xFFFFFFFFu;
        scan.end = i + 1;
    }
    // Radix constants are words: up to four hex digits a signed 16-bit one (&HFFFF is -1),
    // beyond that a signed 32-bit one.
    const auto word = static_cast<std::uint32_t>(accumulated);
    scan.value =
        word <= 0xFFFF ? double(static_cast<std::int16_t>(word)) : double(static_cast<std::int32_t>(word));
    return scan;
}

Scan scanNumber(QStringView text)
{
    qsizetype i = 0;
    auto skipBlanks = [&] {
        while (i < text.size() && isBlank(text[i]))
            ++i;
    };
    skipBlanks();
    if (i + 1 < text.size() && text[i] == u'&') {
        const QChar radix = text[i + 1].toUpper();
        if (radix == u'H')
            return scanRadix(text, i + 2, 16);
        if (radix == u'O')
            return scanRadix(text, i + 2, 8);
    }

    QString digits; // the number with blanks removed, in the C locale's form
    qsizetype end = 0;
    auto take = [&](QChar c) {
        digits += c;
        end = i + 1;
        ++i;
        skipBlanks();
    };
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-'))
        take(text[i]);
    bool anyDigit = false;
    while (i < text.size() && text[i].isDigit() && text[i].unicode() < 128) {
        take(text[i]);
        anyDigit = true;
    }
    if (i < text.size() && text[i] == u'.') {
        take(text[i]);
        while (i < text.size() && text[i].isDigit() && text[i].unicode() < 128) {
            take(text[i]);
            anyDigit = true;
        }
    }
    if (!anyDigit)
        return {0, 0};
    const qsizetype mantissaEnd = end;
    const QString mantissa = digits;
    if (i < text.size() && (text[i].toUpper() == u'E' || text[i].toUpper() == u'D')) {
        const qsizetype save = i;
        digits += u'e';
        ++i;
        skipBlanks();
        if (i < text.size() && (text[i] == u'+' || text[i] == u'-'))
            take(text[i]);
        bool exponentDigit = false;
        while (i < text.size() && text[i].isDigit() && text[i].unicode() < 128) {
            take(text[i]);
            exponentDigit = true;
        }
        if (!exponentDigit) {
            // "12e" is the number 12 followed by text.
            i = save;
            digits = mantissa;
            end = mantissaEnd;
        }
    }
    bool ok = false;
    double value = digits.toDouble(&ok);
    if (!ok) // "1e999": too large for a double, which is an overflow whatever the field
        value = digits.startsWith(u'-') ? -std::numeric_limits<double>::infinity()
                                        : std::numeric_limits<double>::infinity();
    return {value, end};
}

[[noreturn]] void overflow()
{
    throw Failure(ErrorCode::Overflow, Failure::standardText(ErrorCode::Overflow));
}

double roundHalfEven(double value)
{
    const int previous = std::fegetround();
    std::fesetround(FE_TONEAREST);
    const double rounded = std::nearbyint(value);
    std::fesetround(previous);
    return rounded;
}

template <class Int> Int toInt(double value)
{
    if (std::isnan(value))
        overflow();
    const double rounded = roundHalfEven(value);
    if (rounded < double(std::numeric_limits<Int>::min()) ||
        rounded > double(std::numeric_limits<Int>::max()))
        overflow();
    return static_cast<Int>(rounded);
}

} // namespace

double LenientNumber(QStringView text)
{
    return scanNumber(text).value;
}

std::optional<double> StrictNumber(QStringView text)
{
    const Scan scan = scanNumber(text);
    if (scan.end == 0)
        return std::nullopt;
    for (qsizetype i = scan.end; i < text.size(); ++i)
        if (!isBlank(text[i]))
            return std::nullopt;
    return scan.value;
}

std::int16_t ToInteger(double value)
{
    return toInt<std::int16_t>(value);
}

std::int32_t ToLong(double value)
{
    return toInt<std::int32_t>(value);
}

float ToSingle(double value)
{
    if (std::isnan(value) || std::fabs(value) > double(std::numeric_limits<float>::max()))
        overflow();
    return static_cast<float>(value);
}

bool ToBoolean(QStringView text)
{
    const QStringView trimmed = text.trimmed();
    if (trimmed.compare(u"True", Qt::CaseInsensitive) == 0)
        return true;
    if (trimmed.compare(u"False", Qt::CaseInsensitive) == 0)
        return false;
    if (const std::optional<double> number = StrictNumber(text))
        return *number != 0;
    throw Failure(ErrorCode::TypeMismatch, Failure::standardText(ErrorCode::TypeMismatch));
}

QString NumberField(std::int64_t value)
{
    return value < 0 ? QString::number(value) : u' ' + QString::number(value);
}

QString SingleField(float value)
{
    QString text = QString::number(double(value), 'g', 7).toUpper();
    if (text == u"-0")
        text = QStringLiteral("0");
    return text.startsWith(u'-') ? text : u' ' + text;
}

QString BooleanField(bool value)
{
    return value ? QStringLiteral("True") : QStringLiteral("False");
}

} // namespace velmora
