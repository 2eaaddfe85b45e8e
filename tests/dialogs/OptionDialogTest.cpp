#include "tests/support/TestSupport.h"

#include "core/Prompt.h"
#include "core/SettingsStore.h"
#include "dialogs/OptionDialog.h"
#include "dialogs/OptionWindow.h"
#include "dialogs/UpDownField.h"
#include "engine/EngineState.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

using namespace velmora;
using namespace velmora::test;

namespace {

constexpr platform::ScreenTwips kScreen{15360, 11520}; // 1024 x 768 pixels at 15 twips a pixel

struct Rig {
    SettingsStore store;
    Settings& settings = store.values();
    EngineState engine;
    ScriptedPrompter prompter;
    PrompterScope scope{prompter};
    int changes = 0;
    std::unique_ptr<OptionDialog> dialog;

    explicit Rig(const std::function<void(Settings&)>& prepare = {})
    {
        if (prepare)
            prepare(settings);
        engine.TileWallpaper = QStringLiteral("0");
        QObject::connect(&store, &SettingsStore::changed, [this] { ++changes; });
        dialog = std::make_unique<OptionDialog>(store, engine, kScreen);
    }
    const OptionForm& f() const { return dialog->form(); }

    // Shown and active, so that the focus moves as the keyboard moves it.
    void show()
    {
        dialog->show();
        dialog->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(dialog.get()));
    }
    // Types over a field's text as the user would.
    void type(QWidget* field, QLineEdit* edit, const QString& text)
    {
        field->setFocus(Qt::TabFocusReason);
        edit->selectAll();
        QTest::keyClicks(edit, text);
    }
    void tab() { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab); }
    void settle() { QCoreApplication::processEvents(); }
};

bool holdsFocus(QWidget* field)
{
    QWidget* focus = QApplication::focusWidget();
    return focus && (focus == field || field->isAncestorOf(focus));
}

} // namespace

TEST(OptionDialog, AFailingFieldKeepsTheFocusAndItsTextAndOkCannotAct)
{
    Rig rig([](Settings& s) { s.ChangeTimer = 60; });
    rig.show();
    UpDownField* timer = rig.f().txtTimer;
    rig.type(timer, timer->lineEdit(), QStringLiteral("0"));
    rig.tab();
    rig.settle();
    ASSERT_EQ(rig.prompter.count(), 1);
    EXPECT_EQ(rig.prompter.requests()[0].kind, PromptKind::Notice);
    EXPECT_EQ(rig.prompter.texts()[0],
              QStringLiteral("このフィールドには 1 ～ 32,767 の数値を入力してください。"));
    EXPECT_TRUE(holdsFocus(timer));
    EXPECT_EQ(timer->text(), QStringLiteral("0"));

    // Enter presses OK without the focus leaving the field; a click on OK takes the focus first.
    QTest::keyClick(timer, Qt::Key_Return);
    EXPECT_EQ(rig.prompter.count(), 2);
    QTest::mouseClick(rig.f().cmdOk, Qt::LeftButton);
    rig.settle();
    EXPECT_EQ(rig.prompter.count(), 3) << "one message for one click";
    EXPECT_TRUE(rig.dialog->isVisible());
    EXPECT_EQ(rig.settings.ChangeTimer, 60);
    EXPECT_EQ(rig.changes, 0);

    rig.type(timer, timer->lineEdit(), QStringLiteral("3600"));
    QTest::keyClick(timer, Qt::Key_Return);
    EXPECT_EQ(rig.prompter.count(), 3);
    EXPECT_EQ(rig.dialog->result(), QDialog::Accepted);
    EXPECT_EQ(rig.settings.ChangeTimer, 3600);
    EXPECT_EQ(rig.changes, 1);
}

TEST(OptionDialog, EachMarginIsCheckedAgainstItsOwnSideOfTheScreen)
{
    Rig rig([](Settings& s) { s.CollageTileMode = 1; }); // the tile lines take entries
    rig.show();
    rig.type(rig.f().txtOffsetX, rig.f().txtOffsetX, QStringLiteral("15360"));
    rig.tab();
    rig.settle();
    EXPECT_EQ(rig.prompter.count(), 0);
    rig.type(rig.f().txtOffsetY, rig.f().txtOffsetY, QStringLiteral("15360"));
    rig.tab();
    rig.settle();
    ASSERT_EQ(rig.prompter.count(), 1);
    EXPECT_EQ(rig.prompter.texts()[0],
              QStringLiteral("このフィールドには 0 ～  11520の数値を入力してください。"));
    EXPECT_TRUE(holdsFocus(rig.f().txtOffsetY));

    rig.type(rig.f().txtOffsetY, rig.f().txtOffsetY, QStringLiteral("11520"));
    rig.type(rig.f().cboTileLines, rig.f().cboTileLines->lineEdit(), QStringLiteral("11"));
    rig.tab();
    rig.settle();
    ASSERT_EQ(rig.prompter.count(), 2);
    EXPECT_EQ(rig.prompter.texts()[1],
              QStringLiteral("このフィールドには 0 ～ 10 の数値を入力してください。"));
}

TEST(OptionDialog, CancelLeavesAFailingFieldWithoutAMessageAndStoresNothing)
{
    Rig rig;
    const Settings before = rig.settings;
    rig.show();
    rig.type(rig.f().txtOffsetX, rig.f().txtOffsetX, QStringLiteral("-1"));
    QTest::mouseClick(rig.f().chkTimer, Qt::LeftButton);
    rig.settle();
    ASSERT_EQ(rig.prompter.count(), 1) << "leaving for another control checks";
    rig.f().txtOffsetX->setFocus();
    QTest::mouseClick(rig.f().cmdCancel, Qt::LeftButton);
    rig.settle();
    EXPECT_EQ(rig.prompter.count(), 1);
    EXPECT_EQ(rig.dialog->result(), QDialog::Rejected);
    EXPECT_FALSE(rig.dialog->isVisible());
    EXPECT_EQ(rig.settings, before);
}

TEST(OptionDialog, RandomCombineAndTheCalendarTextAreWrittenAtOnceAndKeptOnCancel)
{
    Rig rig([](Settings& s) { s.CollageChangeMode = 0; });
    rig.dialog->setCalendarTextEditor([&rig] {
        rig.settings.CalendarFontName = QStringLiteral("Noto Sans CJK JP");
        return true;
    });
    rig.f().chkCollageChange->click();
    EXPECT_EQ(rig.settings.CollageChangeMode, 1);
    EXPECT_EQ(rig.changes, 1);
    rig.f().cmdCalendarText->click();
    EXPECT_EQ(rig.changes, 2);
    rig.f().chkTimer->click();
    rig.f().chkCollage->click();
    rig.f().cmdCancel->click();
    EXPECT_EQ(rig.settings.CollageChangeMode, 1);
    EXPECT_EQ(rig.settings.CalendarFontName, QStringLiteral("Noto Sans CJK JP"));
    EXPECT_EQ(rig.settings.TimerOnMode, 0);
    EXPECT_EQ(rig.settings.CollageOnMode, 0);

    rig.f().chkCollageChange->click();
    EXPECT_EQ(rig.settings.CollageChangeMode, 0) << "every click writes";
}

TEST(OptionDialog, TheEffectEditorGetsTheChosenSetAndRandomHasNone)
{
    Rig rig;
    QList<int> edited;
    rig.dialog->setEffectEditor([&](int set) { edited.append(set); });
    rig.f().cboEffectType->setCurrentIndex(0);
    rig.f().cmdEffectEdit->click();
    EXPECT_TRUE(edited.isEmpty());
    rig.f().cboEffectType->setCurrentIndex(3);
    rig.f().cmdEffectEdit->click();
    EXPECT_EQ(edited, QList<int>{3});

    rig.dialog->setEffectEditEnabled(false);
    EXPECT_FALSE(rig.f().cmdEffectEdit->isEnabled());
}

TEST(OptionDialog, TheTileBoxSwitchesBetweenTheSlidersAndTheTileLines)
{
    Rig rig([](Settings& s) { s.CollageTileMode = 1; });
    const OptionForm& f = rig.f();
    const QList<QWidget*> untiled = {f.sldCollageCount,           f.sldCollageBairitu,
                                     f.lblCollageCount,           f.lblCollageBairitu,
                                     f.optCollageBase->button(0), f.optCollageBase->button(1)};
    for (QWidget* control : untiled)
        EXPECT_FALSE(control->isEnabled()) << control->objectName().toStdString();
    EXPECT_TRUE(f.cboTileLines->isEnabled());
    f.chkTile->click();
    for (QWidget* control : untiled)
        EXPECT_TRUE(control->isEnabled()) << control->objectName().toStdString();
    EXPECT_FALSE(f.cboTileLines->isEnabled());
}

TEST(OptionDialog, SliderLabelsFollowTheSliderWithALeadingSpace)
{
    Rig rig([](Settings& s) { s.SizeChangeLimit = 500; });
    const OptionForm& f = rig.f();
    EXPECT_EQ(f.sldSizeChangeLimit->value(), 200);
    EXPECT_EQ(f.lblSizeChangeLimit->text(), QStringLiteral(" 200"));
    QTest::keyClick(f.sldSizeChangeLimit, Qt::Key_PageDown);
    EXPECT_EQ(f.lblSizeChangeLimit->text(), QStringLiteral(" 190"));
    QTest::keyClick(f.sldCollageCount, Qt::Key_End);
    EXPECT_EQ(f.lblCollageCount->text(), QStringLiteral(" 200"));
    QTest::keyClick(f.sldCollageBairitu, Qt::Key_Home);
    EXPECT_EQ(f.lblCollageBairitu->text(), QStringLiteral(" 1"));
}

TEST(OptionDialog, TheControlsShowAndReturnEveryValue)
{
    Rig rig;
    OptionValues values;
    values.changeMode = 0;
    values.tileMode = 1;
    values.autoTile = true;
    values.timer = true;
    values.timerText = QStringLiteral("17");
    values.sizeChange = true;
    values.sizeChangeLimit = 33;
    values.effect = true;
    values.effectType = 2;
    values.previewPause = true;
    values.minBoot = true;
    values.collage = true;
    values.collageTile = true;
    values.collageChange = true;
    values.tileLinesText = QStringLiteral("2.7");
    values.collageCount = 44;
    values.collageBairitu = 5;
    values.collageBase = 0;
    values.calendar = true;
    values.offsetXText = QStringLiteral(" 123");
    values.offsetYText = QStringLiteral(" 456");
    values.offsetMode = 3;
    values.monitorMode = 2;
    rig.dialog->showValues(values);
    EXPECT_EQ(rig.dialog->values(), values);

    values = OptionValues{};
    values.timerText = values.tileLinesText = values.offsetXText = values.offsetYText = QStringLiteral("1");
    rig.dialog->showValues(values);
    EXPECT_EQ(rig.dialog->values(), values) << "nothing chosen shows nothing";
}

TEST(OptionDialog, OkStoresTheTilingAndTellsTheSettingsFollowers)
{
    Rig rig;
    rig.dialog->selectTileMode(QStringLiteral("1"));
    rig.f().chkMinBoot->click();
    rig.f().cmdOk->click();
    EXPECT_EQ(rig.engine.TileWallpaper, QStringLiteral("1"));
    EXPECT_TRUE(rig.settings.MinBoot);
    EXPECT_EQ(rig.changes, 1);
}

TEST(UpDownField, ArrowsStepTheWholeNumberWithinTheRange)
{
    UpDownField field(1, 32767);
    field.setText(QStringLiteral("0"));
    field.stepBy(1);
    EXPECT_EQ(field.text(), QStringLiteral("1"));
    field.stepBy(-1);
    EXPECT_EQ(field.text(), QStringLiteral("1"));
    field.setText(QStringLiteral("32767"));
    field.stepBy(1);
    EXPECT_EQ(field.text(), QStringLiteral("32767"));
    field.setText(QStringLiteral("12.6"));
    field.stepBy(1);
    EXPECT_EQ(field.text(), QStringLiteral("14"));
    field.setText(QStringLiteral("soon"));
    field.stepBy(1);
    EXPECT_EQ(field.text(), QStringLiteral("1"));
}

TEST(OptionWindow, ALoadedDialogKeepsItsValuesUntilOkOrCancelUnloadsIt)
{
    SettingsStore store;
    EngineState engine;
    store.values().ChangeTimer = 10;
    OptionWindow window(store, engine, nullptr);
    EXPECT_FALSE(window.isLoaded());
    window.selectTileMode(QStringLiteral("1")); // the automatic tiling refers to it: loaded, hidden
    ASSERT_TRUE(window.isLoaded());
    EXPECT_FALSE(window.load().isVisible());
    store.values().ChangeTimer = 20;

    QString shownTimer;
    bool shownTiled = false;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<OptionDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        shownTimer = dialog->form().txtTimer->text();
        shownTiled = dialog->form().optTileMode->checkedId() == 1;
        EXPECT_FALSE(window.show()) << "asked again while open";
        dialog->form().cmdCancel->click();
    });
    EXPECT_FALSE(window.show());
    EXPECT_EQ(shownTimer, QStringLiteral("10"));
    EXPECT_TRUE(shownTiled);
    EXPECT_FALSE(window.isLoaded());
    EXPECT_EQ(window.load().form().txtTimer->text(), QStringLiteral("20")) << "a new load reads afresh";
}
