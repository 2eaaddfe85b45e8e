#pragma once
// frmEffectEdit, "Effect編集": the six effects of one effect set switched on or off. Every click is
// written to the settings at once; there is no Cancel.
#include <QDialog>

class QCheckBox;
class QLabel;

namespace velmora {

class SettingsStore;

// The set-number label's text: " #" and the number in the file form (" # 2").
QString EffectSetCaption(int set);

class EffectEditDialog : public QDialog {
    Q_OBJECT
public:
    // set: 1 to 3.
    EffectEditDialog(SettingsStore& settings, int set, QWidget* parent = nullptr);

    // The boxes in the effects' order: emboss, grayscale, halftone, average, contrast, gamma.
    const QList<QCheckBox*>& effectBoxes() const { return m_boxes; }

private:
    SettingsStore& m_settings;
    int m_set;
    QList<QCheckBox*> m_boxes;
};

} // namespace velmora
