#include "dialogs/OptionFieldChecks.h"

#include "core/NumberText.h"

#include <algorithm>

namespace velmora {
namespace {

const QString kPrefix = QStringLiteral("このフィールドには ");
const QString kSuffix = QStringLiteral("の数値を入力してください。");

} // namespace

FieldCheck TimerFieldCheck()
{
    return {1, 32767, kPrefix + QStringLiteral("1 ～ 32,767 ") + kSuffix};
}

FieldCheck TileLinesFieldCheck()
{
    return {0, 10, kPrefix + QStringLiteral("0 ～ 10 ") + kSuffix};
}

FieldCheck MarginFieldCheck(std::int32_t screenTwips)
{
    // The limit in the file form of numbers: its sign position makes two blanks before the digits.
    return {0, double(screenTwips), kPrefix + QStringLiteral("0 ～ ") + NumberField(screenTwips) + kSuffix};
}

std::optional<QString> CheckField(const FieldCheck& check, QStringView text)
{
    // A number with blanks inside ("1 2") is not one number, though the lenient reading joins it.
    const QStringView trimmed = text.trimmed();
    const bool split = std::any_of(trimmed.begin(), trimmed.end(), [](QChar c) { return c.isSpace(); });
    const std::optional<double> number = split ? std::nullopt : StrictNumber(text);
    if (number && *number >= check.minimum && *number <= check.maximum)
        return std::nullopt;
    return check.message;
}

} // namespace velmora
