#pragma once
// frmOption, "オプション": the behaviour settings in one modal dialog. It shows the settings as they
// were when it was loaded and stores them on OK; the random-combine box, the effect sets and the
// calendar's text are written at once and stay on Cancel. Every edit ends with notifyChanged().
// A loaded dialog lives while the language may change: it sets its texts again when it does.
#include "dialogs/OptionFieldChecks.h"
#include "dialogs/OptionForm.h"
#include "dialogs/OptionValues.h"

#include "platform/Screen.h"

#include <QDialog>

#include <functional>

class QLineEdit;

namespace velmora {

class SettingsStore;
struct EngineState;

class OptionDialog : public QDialog {
    Q_OBJECT
public:
    // screen: the primary screen's size in twips, the margins' upper limits.
    OptionDialog(SettingsStore& settings, EngineState& engine, platform::ScreenTwips screen,
                 QWidget* parent = nullptr);
    ~OptionDialog() override;

    const OptionForm& form() const { return m_form; }
    OptionValues values() const;
    void showValues(const OptionValues& values);

    // The automatic tiling's choice ("0" centre, "1" whole screen), selected as a click would.
    void selectTileMode(const QString& tileWallpaper);
    // EnableOff and EnableOn: no effect editing while the automatic change runs.
    void setEffectEditEnabled(bool enabled);

    void cmdOk_Click();
    void cmdEffectEdit_Click();
    void cmdCalendarText_Click();

    // The sub-dialogs, replaceable in tests: the effect editor gets the set (1 to 3) to edit; the
    // text-style dialog returns true when it changed the calendar's text.
    void setEffectEditor(std::function<void(int set)> editor) { m_effectEditor = std::move(editor); }
    void setCalendarTextEditor(std::function<bool()> editor) { m_calendarTextEditor = std::move(editor); }

protected:
    void changeEvent(QEvent* event) override;

private:
    struct TestedField {
        QWidget* widget;                   // what takes the focus
        QLineEdit* edit;                   // its text
        std::function<FieldCheck()> check; // made at each use: the message in the current language
    };

    void connectControls();
    void followTileBox(bool tiled);
    void focusChanged(QWidget* from, QWidget* to);
    // The tested field that is or holds this widget; -1 for none.
    int fieldOf(const QWidget* widget) const;
    // Shows the message of a failing field and puts the focus back in it; false when it failed.
    bool checkField(int field);
    void checkPendingField();

    SettingsStore& m_settings;
    EngineState& m_engine;
    OptionForm m_form;
    QList<TestedField> m_fields;
    QMetaObject::Connection m_focusWatch;
    int m_pendingCheck = -1; // a field the focus left, checked once the click that moved it is over
    bool m_reporting = false;
    std::function<void(int)> m_effectEditor;
    std::function<bool()> m_calendarTextEditor;
};

} // namespace velmora
