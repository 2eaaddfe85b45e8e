#include "dialogs/OptionFieldChecks.h"

#include "core/NumberText.h"

#include <QCoreApplication>

#include <algorithm>

namespace velmora {

FieldCheck TimerFieldCheck()
{
    return {1, 32767,
            QCoreApplication::translate("OptionFieldChecks",
                                        "このフィールドには 1 ～ 32,767 の数値を入力してください。")};
}

FieldCheck TileLinesFieldCheck()
{
    return {0, 10,
            QCoreApplication::translate("OptionFieldChecks",
                                        "このフィールドには 0 ～ 10 の数値を入力してください。")};
}

FieldCheck MarginFieldCheck(std::int32_t screenTwips)
{
    // The limit in the file form of numbers: its sign position is the first of the two blanks before
    // the digits. The number goes in plain, so that a translation need not carry that blank.
    return {0, double(screenTwips),
            QCoreApplication::translate("OptionFieldChecks",
                                        "このフィールドには 0 ～  %1の数値を入力してください。")
                .arg(screenTwips)};
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
