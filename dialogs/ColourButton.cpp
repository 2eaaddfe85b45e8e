#include "dialogs/ColourButton.h"

#include <QColorDialog>
#include <QPixmap>

namespace velmora {

ColourButton::ColourButton(const QString& text, QWidget* parent)
    : QPushButton(text, parent)
{
    connect(this, &QPushButton::clicked, this, &ColourButton::choose);
    setColour(m_colour);
}

void ColourButton::setColour(const QColor& colour)
{
    const bool changed = colour != m_colour;
    m_colour = colour;
    QPixmap swatch(16, 16);
    swatch.fill(colour);
    setIcon(swatch);
    if (changed)
        Q_EMIT colourChanged(colour);
}

void ColourButton::choose()
{
    const QColor chosen = QColorDialog::getColor(m_colour, this, text());
    if (chosen.isValid())
        setColour(chosen);
}

} // namespace velmora
