#pragma once
// The controls of the options dialog, named as the program refers to them ("chkTimer"), with their
// captions and tooltips, laid out as frames in two panels that fit a 1024 x 768 screen.
#include <QList>

#include <functional>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QDialog;
class QLabel;
class QLineEdit;
class QPushButton;
class QSlider;
class QWidget;

namespace velmora {

class UpDownField;

struct OptionForm {
    // Option groups: the button of option n has the id n.
    QButtonGroup* optChangeMode = nullptr;
    QButtonGroup* optTileMode = nullptr;
    QButtonGroup* optCollageBase = nullptr;
    QCheckBox* chkAutoTile = nullptr;
    QCheckBox* chkTimer = nullptr;
    UpDownField* txtTimer = nullptr;
    QCheckBox* chkSizeChange = nullptr;
    QLabel* lblSizeChangeLimit = nullptr;
    QSlider* sldSizeChangeLimit = nullptr;
    QCheckBox* chkEffect = nullptr;
    QComboBox* cboEffectType = nullptr;
    QPushButton* cmdEffectEdit = nullptr;
    QCheckBox* chkPreviewPause = nullptr;
    QCheckBox* chkMinBoot = nullptr;
    QCheckBox* chkCollage = nullptr;
    QCheckBox* chkCollageChange = nullptr;
    QCheckBox* chkTile = nullptr;
    QComboBox* cboTileLines = nullptr;
    QLabel* lblCollageCount = nullptr;
    QSlider* sldCollageCount = nullptr;
    QLabel* lblCollageBairitu = nullptr;
    QSlider* sldCollageBairitu = nullptr;
    QCheckBox* chkCalendar = nullptr;
    QPushButton* cmdCalendarText = nullptr;
    QComboBox* cboOffsetMode = nullptr;
    QLineEdit* txtOffsetX = nullptr;
    QLineEdit* txtOffsetY = nullptr;
    // Beyond the original dialog: ChangeSchedule and RandomMode.
    QCheckBox* chkChangeSchedule = nullptr;
    QCheckBox* chkRandomMode = nullptr;
    QPushButton* cmdOk = nullptr;
    QPushButton* cmdCancel = nullptr;
    // Beyond the original dialog: how the wallpaper covers several monitors (MonitorMode).
    QButtonGroup* optMonitorMode = nullptr;
    // Beyond the original dialog: the interface language (Language), entries "", "ja", "en".
    QComboBox* cboLanguage = nullptr;

    // Each sets one caption, title, tooltip or list entry in the current language.
    QList<std::function<void()>> texts;

    // What "並べて表示" switches: enabled while it is clear (cboTileLines the other way round).
    QList<QWidget*> untiledCollageControls() const;
};

// Builds the controls into the dialog, lists filled, in a tab order that follows the frames.
OptionForm BuildOptionForm(QDialog& dialog);

// Sets every text of the form in the current language: once built, and again after a switch.
void RetranslateOptionForm(const OptionForm& form);

} // namespace velmora
