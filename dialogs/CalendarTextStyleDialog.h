#pragma once
// The "Calendar" text-style dialog: font, colours, angle, style and shadow of the calendar's text,
// with a live sample. It edits a copy; the caller takes textSettings() when the dialog is accepted.
#include "engine/TextSettings.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QSpinBox;

namespace velmora {

class ColourButton;
class TextStyleSample;

class CalendarTextStyleDialog : public QDialog {
    Q_OBJECT
public:
    explicit CalendarTextStyleDialog(const TextSettings& initial, QWidget* parent = nullptr);
    TextSettings textSettings() const;

private:
    void showSettings(const TextSettings& settings);
    void refreshSample();

    QComboBox* m_fontName;
    QDoubleSpinBox* m_fontSize;
    QSpinBox* m_weight;
    QCheckBox* m_bold;
    QCheckBox* m_italic;
    QCheckBox* m_underline;
    QCheckBox* m_strikethrough;
    ColourButton* m_colour;
    ColourButton* m_highlight;
    ColourButton* m_shadowColour;
    QDoubleSpinBox* m_angle;
    QComboBox* m_style;
    QDoubleSpinBox* m_shadowX;
    QDoubleSpinBox* m_shadowY;
    TextStyleSample* m_sample;
    TextSettings m_stored; // the settings the dialog opened with
};

} // namespace velmora
