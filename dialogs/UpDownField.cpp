#include "dialogs/UpDownField.h"

#include "core/NumberText.h"

#include <QLineEdit>

#include <algorithm>
#include <cmath>
#include <optional>

namespace velmora {

UpDownField::UpDownField(int minimum, int maximum, QWidget* parent)
    : QAbstractSpinBox(parent)
    , m_minimum(minimum)
    , m_maximum(maximum)
{}

void UpDownField::setText(const QString& text)
{
    lineEdit()->setText(text);
}

void UpDownField::stepBy(int steps)
{
    const std::optional<double> number = StrictNumber(text());
    long long value = m_minimum;
    if (number && std::isfinite(*number))
        value =
            std::clamp<long long>(std::llround(std::clamp(*number, -1e9, 1e9)) + steps, m_minimum, m_maximum);
    setText(QString::number(value));
    lineEdit()->selectAll();
}

QAbstractSpinBox::StepEnabled UpDownField::stepEnabled() const
{
    const std::optional<double> number = StrictNumber(text());
    if (!number)
        return StepUpEnabled | StepDownEnabled;
    StepEnabled enabled = StepNone;
    if (*number < m_maximum)
        enabled |= StepUpEnabled;
    if (*number > m_minimum)
        enabled |= StepDownEnabled;
    return enabled;
}

// Typing is never refused: the dialog checks the entry when the focus leaves the field.
QValidator::State UpDownField::validate(QString&, int&) const
{
    return QValidator::Acceptable;
}

void UpDownField::fixup(QString&) const {}

} // namespace velmora
