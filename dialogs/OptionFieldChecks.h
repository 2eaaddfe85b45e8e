#pragma once
// The checks of the options dialog's typed fields: a number in a range, or the message that says
// which numbers the field takes.
#include <QString>
#include <QStringView>

#include <cstdint>
#include <optional>

namespace velmora {

struct FieldCheck {
    double minimum;
    double maximum;
    QString message; // shown when the entry fails, in the language current when the check was made
};

// txtTimer: seconds between automatic changes.
FieldCheck TimerFieldCheck();
// cboTileLines: rows of a tiled collage, 0 for a random count.
FieldCheck TileLinesFieldCheck();
// txtOffsetX, txtOffsetY: the calendar's margin, at most the screen's width or height in twips.
FieldCheck MarginFieldCheck(std::int32_t screenTwips);

// Nothing when the entry is a number within the range, else the check's message.
std::optional<QString> CheckField(const FieldCheck& check, QStringView text);

} // namespace velmora
