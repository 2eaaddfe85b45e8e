#pragma once
// The text-style dialog's live sample: calendar text drawn with the chosen settings over a light and
// a dark half, as it will look on bright and dark photos.
#include "engine/TextSettings.h"

#include <QWidget>

namespace velmora {

class TextStyleSample : public QWidget {
    Q_OBJECT
public:
    explicit TextStyleSample(QWidget* parent = nullptr);
    void setTextSettings(const TextSettings& settings);
    QSize sizeHint() const override { return {360, 110}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    TextSettings m_settings;
};

} // namespace velmora
