#include "dialogs/OptionDialog.h"

#include "core/Language.h"
#include "core/NumberText.h"
#include "core/Prompt.h"
#include "core/SettingsStore.h"
#include "dialogs/EditCalendarTextStyle.h"
#include "dialogs/EffectEditDialog.h"
#include "dialogs/UpDownField.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>

#include <optional>
#include <utility>

namespace velmora {
namespace {

void setChoice(QButtonGroup& group, int choice)
{
    if (QAbstractButton* option = group.button(choice)) {
        option->setChecked(true);
        return;
    }
    // An exclusive group keeps one option checked; nothing chosen needs it released for a moment.
    group.setExclusive(false);
    for (QAbstractButton* option : group.buttons())
        option->setChecked(false);
    group.setExclusive(true);
}

void showSlider(QSlider& slider, QLabel& label, int value)
{
    slider.setValue(value);
    label.setText(NumberField(slider.value()));
}

} // namespace

OptionDialog::OptionDialog(SettingsStore& settings, EngineState& engine, platform::ScreenTwips screen,
                           QWidget* parent)
    : QDialog(parent)
    , m_settings(settings)
    , m_engine(engine)
    , m_form(BuildOptionForm(*this))
{
    m_fields = {
        {m_form.txtTimer, m_form.txtTimer->lineEdit(), &TimerFieldCheck},
        {m_form.cboTileLines, m_form.cboTileLines->lineEdit(), &TileLinesFieldCheck},
        {m_form.txtOffsetX, m_form.txtOffsetX, [width = screen.width] { return MarginFieldCheck(width); }},
        {m_form.txtOffsetY, m_form.txtOffsetY, [height = screen.height] { return MarginFieldCheck(height); }},
    };
    m_effectEditor = [this](int set) {
        EffectEditDialog editor(m_settings, set, this);
        editor.exec();
    };
    m_calendarTextEditor = [this] { return EditCalendarTextStyle(m_engine, m_settings.values(), this); };
    connectControls();
    showValues(LoadOptionValues(m_settings.values(), m_engine.TileWallpaper));
}

OptionDialog::~OptionDialog()
{
    // The widget's own destruction hands the focus on; by then this part of it is gone.
    disconnect(m_focusWatch);
}

void OptionDialog::changeEvent(QEvent* event)
{
    QDialog::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        RetranslateOptionForm(m_form);
}

void OptionDialog::connectControls()
{
    const OptionForm& f = m_form;
    connect(f.chkTile, &QCheckBox::toggled, this, &OptionDialog::followTileBox);
    // The random-combine choice is kept at once, whatever button closes the dialog.
    connect(f.chkCollageChange, &QCheckBox::clicked, this, [this](bool ticked) {
        m_settings.values().CollageChangeMode = ticked ? 1 : 0;
        m_settings.notifyChanged();
    });
    for (auto [slider, label] : {std::pair{f.sldSizeChangeLimit, f.lblSizeChangeLimit},
                                 std::pair{f.sldCollageCount, f.lblCollageCount},
                                 std::pair{f.sldCollageBairitu, f.lblCollageBairitu}})
        connect(slider, &QSlider::valueChanged, label,
                [label](int value) { label->setText(NumberField(value)); });
    connect(f.cmdOk, &QPushButton::clicked, this, &OptionDialog::cmdOk_Click);
    connect(f.cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(f.cmdEffectEdit, &QPushButton::clicked, this, &OptionDialog::cmdEffectEdit_Click);
    connect(f.cmdCalendarText, &QPushButton::clicked, this, &OptionDialog::cmdCalendarText_Click);
    m_focusWatch = connect(qApp, &QApplication::focusChanged, this, &OptionDialog::focusChanged);
}

OptionValues OptionDialog::values() const
{
    const OptionForm& f = m_form;
    OptionValues v;
    v.changeMode = f.optChangeMode->checkedId();
    v.tileMode = f.optTileMode->checkedId();
    v.autoTile = f.chkAutoTile->isChecked();
    v.timer = f.chkTimer->isChecked();
    v.timerText = f.txtTimer->text();
    v.sizeChange = f.chkSizeChange->isChecked();
    v.sizeChangeLimit = f.sldSizeChangeLimit->value();
    v.effect = f.chkEffect->isChecked();
    v.effectType = f.cboEffectType->currentIndex();
    v.previewPause = f.chkPreviewPause->isChecked();
    v.minBoot = f.chkMinBoot->isChecked();
    v.collage = f.chkCollage->isChecked();
    v.collageTile = f.chkTile->isChecked();
    v.collageChange = f.chkCollageChange->isChecked();
    v.tileLinesText = f.cboTileLines->currentText();
    v.collageCount = f.sldCollageCount->value();
    v.collageBairitu = f.sldCollageBairitu->value();
    v.collageBase = f.optCollageBase->checkedId();
    v.calendar = f.chkCalendar->isChecked();
    v.monitorMode = f.optMonitorMode->checkedId();
    v.offsetXText = f.txtOffsetX->text();
    v.offsetYText = f.txtOffsetY->text();
    v.offsetMode = f.cboOffsetMode->currentIndex();
    v.changeSchedule = f.chkChangeSchedule->isChecked();
    v.shuffledRounds = f.chkRandomMode->isChecked();
    v.language = f.cboLanguage->currentIndex();
    return v;
}

void OptionDialog::showValues(const OptionValues& v)
{
    const OptionForm& f = m_form;
    setChoice(*f.optChangeMode, v.changeMode);
    setChoice(*f.optTileMode, v.tileMode);
    f.chkAutoTile->setChecked(v.autoTile);
    f.chkTimer->setChecked(v.timer);
    f.txtTimer->setText(v.timerText);
    f.chkSizeChange->setChecked(v.sizeChange);
    showSlider(*f.sldSizeChangeLimit, *f.lblSizeChangeLimit, v.sizeChangeLimit);
    f.chkEffect->setChecked(v.effect);
    f.cboEffectType->setCurrentIndex(v.effectType);
    f.chkPreviewPause->setChecked(v.previewPause);
    f.chkMinBoot->setChecked(v.minBoot);
    f.chkCollage->setChecked(v.collage);
    f.chkTile->setChecked(v.collageTile);
    followTileBox(v.collageTile);
    f.chkCollageChange->setChecked(v.collageChange);
    f.cboTileLines->setEditText(v.tileLinesText);
    showSlider(*f.sldCollageCount, *f.lblCollageCount, v.collageCount);
    showSlider(*f.sldCollageBairitu, *f.lblCollageBairitu, v.collageBairitu);
    setChoice(*f.optCollageBase, v.collageBase);
    f.chkCalendar->setChecked(v.calendar);
    setChoice(*f.optMonitorMode, v.monitorMode);
    f.txtOffsetX->setText(v.offsetXText);
    f.txtOffsetY->setText(v.offsetYText);
    f.cboOffsetMode->setCurrentIndex(v.offsetMode);
    f.chkChangeSchedule->setChecked(v.changeSchedule);
    f.chkRandomMode->setChecked(v.shuffledRounds);
    f.cboLanguage->setCurrentIndex(v.language);
}

void OptionDialog::selectTileMode(const QString& tileWallpaper)
{
    setChoice(*m_form.optTileMode, TileModeChoice(tileWallpaper));
}

void OptionDialog::setEffectEditEnabled(bool enabled)
{
    m_form.cmdEffectEdit->setEnabled(enabled);
}

void OptionDialog::followTileBox(bool tiled)
{
    for (QWidget* control : m_form.untiledCollageControls())
        control->setEnabled(!tiled);
    m_form.cboTileLines->setEnabled(tiled);
}

void OptionDialog::cmdOk_Click()
{
    // The field the focus has just left first, then every field holding an entry of the user's:
    // OK acts only when all of them pass.
    if (m_pendingCheck >= 0) {
        const int pending = std::exchange(m_pendingCheck, -1);
        if (!checkField(pending))
            return;
    }
    const int focused = fieldOf(focusWidget());
    for (int i = 0; i < m_fields.size(); ++i)
        if ((m_fields[i].edit->isModified() || i == focused) && !checkField(i))
            return;
    const QString language = m_settings.values().Language;
    StoreOptionValues(values(), m_settings.values(), m_engine.TileWallpaper);
    m_settings.notifyChanged();
    accept();
    // Every open window switches at once.
    if (m_settings.values().Language != language)
        InstallLanguage(ResolveLanguage(m_settings.values().Language));
}

void OptionDialog::cmdEffectEdit_Click()
{
    // "Random" has no set of its own to edit.
    const int set = m_form.cboEffectType->currentIndex();
    if (set > 0)
        m_effectEditor(set);
}

void OptionDialog::cmdCalendarText_Click()
{
    if (m_calendarTextEditor())
        m_settings.notifyChanged();
}

int OptionDialog::fieldOf(const QWidget* widget) const
{
    for (int i = 0; widget && i < m_fields.size(); ++i)
        if (m_fields[i].widget == widget || m_fields[i].widget->isAncestorOf(widget))
            return i;
    return -1;
}

void OptionDialog::focusChanged(QWidget* from, QWidget* to)
{
    // Only a move inside the shown dialog checks the field left; Cancel takes the focus unchecked.
    if (m_reporting || !isVisible() || !to || !isAncestorOf(to) || to == m_form.cmdCancel)
        return;
    const int left = fieldOf(from);
    if (left < 0 || left == fieldOf(to))
        return;
    // Checked once the event that moved the focus is over: a message box in the middle of a click
    // would take the click's release away from the button.
    m_pendingCheck = left;
    QMetaObject::invokeMethod(this, &OptionDialog::checkPendingField, Qt::QueuedConnection);
}

void OptionDialog::checkPendingField()
{
    if (m_pendingCheck >= 0)
        checkField(std::exchange(m_pendingCheck, -1));
}

bool OptionDialog::checkField(int index)
{
    const TestedField& field = m_fields[index];
    const std::optional<QString> failure = CheckField(field.check(), field.edit->text());
    if (!failure)
        return true;
    m_reporting = true;
    ShowNotice(*failure);
    field.widget->setFocus(Qt::OtherFocusReason);
    m_reporting = false;
    return false;
}

} // namespace velmora
