#include "OleColor.h"

namespace branchwise {

QColor ToQColor(quint32 oleColor, const QPalette& palette)
{
    if (oleColor & 0x80000000u) {
        switch (oleColor & 0xFFu) {
        case 0x05: // window
            return palette.color(QPalette::Base);
        case 0x08: // window text
            return palette.color(QPalette::Text);
        case 0x0D: // highlight
            return palette.color(QPalette::Highlight);
        case 0x0E: // highlighted text
            return palette.color(QPalette::HighlightedText);
        case 0x12: // button text
            return palette.color(QPalette::ButtonText);
        case 0x11: // grey text
            return palette.color(QPalette::Disabled, QPalette::Text);
        case 0x0F: // button face
        default: return palette.color(QPalette::Button);
        }
    }
    return QColor(int(oleColor & 0xFF), int((oleColor >> 8) & 0xFF), int((oleColor >> 16) & 0xFF));
}

} // namespace branchwise
