#pragma once
// A button showing a colour swatch; a click lets the user choose another colour.
#include <QColor>
#include <QPushButton>

namespace velmora {

class ColourButton : public QPushButton {
    Q_OBJECT
public:
    explicit ColourButton(const QString& text, QWidget* parent = nullptr);
    QColor colour() const { return m_colour; }
    void setColour(const QColor& colour);

Q_SIGNALS:
    void colourChanged(const QColor& colour);

private:
    void choose();

    QColor m_colour = Qt::black;
};

} // namespace velmora
