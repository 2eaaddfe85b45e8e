#include "dialogs/CalendarTextStyleDialog.h"

#include "dialogs/ColourButton.h"
#include "dialogs/TextStyleSample.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFontDatabase>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace velmora {
namespace {

// The most a one-decimal box's rounding moves a value: any larger difference is the user's change.
constexpr double kShown = 0.05 + 1e-6;

QDoubleSpinBox* decimalBox(QWidget* parent, const char* name, double low, double high, int decimals)
{
    auto* box = new QDoubleSpinBox(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setRange(low, high);
    box->setDecimals(decimals);
    return box;
}

QCheckBox* checkBox(QWidget* parent, const char* name, const QString& text)
{
    auto* box = new QCheckBox(text, parent);
    box->setObjectName(QString::fromLatin1(name));
    return box;
}

} // namespace

CalendarTextStyleDialog::CalendarTextStyleDialog(const TextSettings& initial, QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(tr("Calendar"));

    // An editable list, so that a font missing on this machine keeps its name instead of being
    // replaced by whatever the system substitutes.
    m_fontName = new QComboBox(this);
    m_fontName->setObjectName(QStringLiteral("fontName"));
    m_fontName->setEditable(true);
    m_fontName->addItems(QFontDatabase::families());
    m_fontSize = decimalBox(this, "fontSize", 1, 500, 1);
    m_weight = new QSpinBox(this);
    m_weight->setObjectName(QStringLiteral("weight"));
    m_weight->setRange(100, 900);
    m_weight->setSingleStep(100);
    m_bold = checkBox(this, "bold", tr("太字"));
    m_italic = checkBox(this, "italic", tr("斜体"));
    m_underline = checkBox(this, "underline", tr("下線"));
    m_strikethrough = checkBox(this, "strikethrough", tr("取り消し線"));
    m_colour = new ColourButton(tr("文字の色"), this);
    m_colour->setObjectName(QStringLiteral("colour"));
    m_highlight = new ColourButton(tr("縁取りの色"), this);
    m_highlight->setObjectName(QStringLiteral("highlight"));
    m_shadowColour = new ColourButton(tr("影の色"), this);
    m_shadowColour->setObjectName(QStringLiteral("shadowColour"));
    m_angle = decimalBox(this, "angle", -360, 360, 1);
    m_angle->setSuffix(QStringLiteral(" °"));
    m_style = new QComboBox(this);
    m_style->setObjectName(QStringLiteral("style"));
    m_style->addItem(tr("標準"), int(CalendarTextStyle::Plain));
    m_style->addItem(tr("縁取り"), int(CalendarTextStyle::Outlined));
    m_style->addItem(tr("浮き出し"), int(CalendarTextStyle::Embossed));
    m_style->addItem(tr("彫り込み"), int(CalendarTextStyle::Engraved));
    m_shadowX = decimalBox(this, "shadowX", -100, 100, 1);
    m_shadowY = decimalBox(this, "shadowY", -100, 100, 1);
    m_sample = new TextStyleSample(this);

    auto* form = new QFormLayout;
    form->addRow(tr("フォント"), m_fontName);
    auto* sizeRow = new QHBoxLayout;
    sizeRow->addWidget(m_fontSize);
    sizeRow->addWidget(m_weight);
    form->addRow(tr("サイズ・太さ"), sizeRow);
    auto* decorations = new QHBoxLayout;
    for (QCheckBox* box : {m_bold, m_italic, m_underline, m_strikethrough})
        decorations->addWidget(box);
    form->addRow(QString(), decorations);
    auto* colours = new QHBoxLayout;
    for (ColourButton* button : {m_colour, m_highlight, m_shadowColour})
        colours->addWidget(button);
    form->addRow(tr("色"), colours);
    form->addRow(tr("角度"), m_angle);
    form->addRow(tr("スタイル"), m_style);
    auto* shadow = new QHBoxLayout;
    shadow->addWidget(m_shadowX);
    shadow->addWidget(m_shadowY);
    form->addRow(tr("影の位置 (横・縦)"), shadow);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(m_sample, 1);
    layout->addWidget(buttons);

    showSettings(initial);
    m_stored = initial;

    const auto refresh = [this] { refreshSample(); };
    connect(m_fontName, &QComboBox::currentTextChanged, this, refresh);
    for (QDoubleSpinBox* box : {m_fontSize, m_angle, m_shadowX, m_shadowY})
        connect(box, &QDoubleSpinBox::valueChanged, this, refresh);
    connect(m_weight, &QSpinBox::valueChanged, this, refresh);
    for (QCheckBox* box : {m_bold, m_italic, m_underline, m_strikethrough})
        connect(box, &QCheckBox::toggled, this, refresh);
    for (ColourButton* button : {m_colour, m_highlight, m_shadowColour})
        connect(button, &ColourButton::colourChanged, this, refresh);
    connect(m_style, &QComboBox::currentIndexChanged, this, refresh);
    refreshSample();
}

void CalendarTextStyleDialog::showSettings(const TextSettings& settings)
{
    m_fontName->setCurrentText(settings.fontName);
    m_fontSize->setValue(settings.fontSize);
    m_weight->setValue(settings.weight);
    m_bold->setChecked(settings.bold);
    m_italic->setChecked(settings.italic);
    m_underline->setChecked(settings.underline);
    m_strikethrough->setChecked(settings.strikethrough);
    m_colour->setColour(settings.colour);
    m_highlight->setColour(settings.highlight);
    m_shadowColour->setColour(settings.shadowColour);
    m_angle->setValue(settings.angle / 10.0);
    // A style this dialog does not know stays as it is unless the user picks another.
    const int index = m_style->findData(settings.style);
    if (index < 0)
        m_style->addItem(QStringLiteral("(%1)").arg(settings.style), settings.style);
    m_style->setCurrentIndex(index < 0 ? m_style->count() - 1 : index);
    m_shadowX->setValue(settings.shadowDepthX);
    m_shadowY->setValue(settings.shadowDepthY);
}

TextSettings CalendarTextStyleDialog::textSettings() const
{
    TextSettings settings = m_stored;
    settings.fontName = m_fontName->currentText();
    settings.bold = m_bold->isChecked();
    settings.italic = m_italic->isChecked();
    settings.underline = m_underline->isChecked();
    settings.strikethrough = m_strikethrough->isChecked();
    settings.colour = m_colour->colour();
    settings.highlight = m_highlight->colour();
    settings.shadowColour = m_shadowColour->colour();
    settings.style = m_style->currentData().toInt();
    // Values the boxes show rounded are kept exactly unless the user changed them.
    if (std::abs(m_fontSize->value() - m_stored.fontSize) > kShown)
        settings.fontSize = m_fontSize->value();
    if (m_weight->value() != std::clamp(m_stored.weight, 100, 900))
        settings.weight = m_weight->value();
    if (std::lround(m_angle->value() * 10) != m_stored.angle)
        settings.angle = static_cast<int>(std::lround(m_angle->value() * 10));
    if (std::abs(m_shadowX->value() - m_stored.shadowDepthX) > kShown)
        settings.shadowDepthX = m_shadowX->value();
    if (std::abs(m_shadowY->value() - m_stored.shadowDepthY) > kShown)
        settings.shadowDepthY = m_shadowY->value();
    return settings;
}

void CalendarTextStyleDialog::refreshSample()
{
    m_sample->setTextSettings(textSettings());
}

} // namespace velmora
