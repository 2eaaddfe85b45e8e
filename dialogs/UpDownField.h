#pragma once
// A text field with an up-down control attached (txtTimer with udTimer). The field keeps whatever is
// typed, so that a wrong entry can be shown and corrected; the arrows, the arrow keys and the wheel
// step its whole number by one within the range.
#include <QAbstractSpinBox>

namespace velmora {

class UpDownField : public QAbstractSpinBox {
    Q_OBJECT
public:
    UpDownField(int minimum, int maximum, QWidget* parent = nullptr);

    void setText(const QString& text);
    // The text the user edits; isModified() says whether it was typed since setText.
    using QAbstractSpinBox::lineEdit;

    void stepBy(int steps) override;

protected:
    StepEnabled stepEnabled() const override;
    QValidator::State validate(QString& input, int& position) const override;
    void fixup(QString& input) const override;

private:
    int m_minimum;
    int m_maximum;
};

} // namespace velmora
