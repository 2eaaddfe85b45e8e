// The dialogs in English: no Japanese left in any text they show, the options dialog following a
// switch while it is loaded, its language choice, and the field messages.
#include "tests/support/TestSupport.h"
#include "tests/support/WidgetTexts.h"

#include "core/Language.h"
#include "core/Prompt.h"
#include "core/SettingsStore.h"
#include "dialogs/AboutDialog.h"
#include "dialogs/CalendarTextStyleDialog.h"
#include "dialogs/EffectEditDialog.h"
#include "dialogs/ListFileSelectDialog.h"
#include "dialogs/OptionDialog.h"
#include "dialogs/OptionFieldChecks.h"
#include "dialogs/OptionValues.h"
#include "dialogs/OptionWindow.h"
#include "engine/EngineState.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>

#include <gtest/gtest.h>

using namespace velmora;
using namespace velmora::test;
using namespace Qt::StringLiterals;

namespace {

constexpr platform::ScreenTwips kScreen{15360, 11520}; // 1024 x 768 pixels

// The Japanese texts a window shows, less what is not ours to translate: the language list names
// Japanese in Japanese, and the font list shows the families installed.
QStringList untranslated(const QWidget& window)
{
    QStringList texts = JapaneseTexts(window);
    texts.removeIf([](const QString& text) {
        return text == u"cboLanguage/item: 日本語"_s || text.startsWith(u"fontName/item: "_s);
    });
    return texts;
}

void expectEnglish(const QWidget& window)
{
    const QStringList left = untranslated(window);
    EXPECT_TRUE(left.isEmpty()) << window.objectName().toStdString() << ":\n"
                                << left.join(u'\n').toStdString();
}

void switchTo(const QString& language)
{
    InstallLanguage(language);
    QCoreApplication::processEvents();
}

QGroupBox* frame(const QWidget& window, const QString& name)
{
    return window.findChild<QGroupBox*>(name);
}

} // namespace

TEST(DialogLanguage, EveryDialogBuiltInEnglishShowsNoJapanese)
{
    LanguageScope english(u"en"_s);
    SettingsStore store;
    EngineState engine;

    OptionDialog options(store, engine, kScreen);
    expectEnglish(options);
    EXPECT_EQ(options.windowTitle(), u"Options"_s);
    EXPECT_EQ(options.form().cboOffsetMode->itemText(0), u"Top left"_s);
    const QSize size = options.sizeHint();
    EXPECT_LE(size.width(), 1024) << "the English captions are longer";
    EXPECT_LE(size.height(), 768 - 60);

    EffectEditDialog effects(store, 1);
    expectEnglish(effects);
    EXPECT_EQ(effects.effectBoxes()[1]->text(), u"Greyscale"_s);

    TextSettings unknownStyle;
    unknownStyle.style = 9;
    CalendarTextStyleDialog textStyle(unknownStyle);
    textStyle.setObjectName(u"CalendarTextStyleDialog"_s);
    expectEnglish(textStyle);
    EXPECT_EQ(textStyle.windowTitle(), u"Calendar text"_s);

    TempFolder program;
    WriteBytes(program.file(u"a.lst"_s), "");
    ListFileSelectDialog chooser(program.path());
    chooser.setObjectName(u"frmListFileSelect"_s);
    expectEnglish(chooser);
    EXPECT_EQ(chooser.windowTitle(), u"Choose a list file"_s);

    AboutDialog about;
    expectEnglish(about);
    EXPECT_EQ(about.windowTitle(), u"About Velmora"_s);
    EXPECT_EQ(about.lblApName()->text(), u"Velmora"_s) << "the program's name is never translated";
}

TEST(DialogLanguage, ALoadedOptionDialogFollowsASwitchAndKeepsWhatItShows)
{
    LanguageScope japanese(u"ja"_s);
    SettingsStore store;
    store.values().CalendarOffsetMode = 2;
    store.values().EffectType = 0;
    EngineState engine;
    QWidget owner;
    OptionWindow window(store, engine, &owner);
    window.setEffectEditEnabled(true); // as the main window does: loaded, hidden
    OptionDialog& dialog = window.load();
    const OptionForm& f = dialog.form();
    f.chkTimer->click(); // an edit not yet stored
    const OptionValues shown = dialog.values();
    ASSERT_EQ(dialog.windowTitle(), u"オプション"_s);

    switchTo(u"en"_s);
    expectEnglish(dialog);
    EXPECT_EQ(dialog.windowTitle(), u"Options"_s);
    EXPECT_EQ(frame(dialog, u"Frame9"_s)->title(), u"Calendar"_s);
    EXPECT_EQ(f.cboOffsetMode->currentText(), u"Bottom left"_s);
    EXPECT_EQ(f.cboEffectType->currentText(), u"Random"_s);
    EXPECT_EQ(f.cboLanguage->itemText(0), u"Follow the desktop"_s);
    EXPECT_EQ(f.cboLanguage->itemText(1), u"日本語"_s) << "a language's own name stays";
    EXPECT_EQ(dialog.values(), shown) << "a switch changes texts, never values";

    switchTo(u"ja"_s);
    EXPECT_EQ(dialog.windowTitle(), u"オプション"_s);
    EXPECT_EQ(f.chkTimer->text(), u"Timer ON"_s);
    EXPECT_EQ(frame(dialog, u"Frame5"_s)->title(), u"タイマー設定"_s);
    EXPECT_EQ(f.txtOffsetX->toolTip(), u"カレンダ表示位置横マージン"_s);
    EXPECT_EQ(f.cboOffsetMode->currentText(), u"左下"_s);
    EXPECT_EQ(dialog.values(), shown);
}

TEST(DialogLanguage, FieldMessagesAreInTheLanguageOfTheMomentTheyShow)
{
    {
        LanguageScope english(u"en"_s);
        EXPECT_EQ(TimerFieldCheck().message, u"Enter a number from 1 to 32,767 in this field."_s);
        EXPECT_EQ(MarginFieldCheck(15360).message, u"Enter a number from 0 to 15360 in this field."_s);
    }
    EXPECT_EQ(MarginFieldCheck(11520).message, u"このフィールドには 0 ～  11520の数値を入力してください。"_s);

    // A dialog loaded in Japanese and checked after a switch speaks English.
    LanguageScope japanese(u"ja"_s);
    SettingsStore store;
    EngineState engine;
    ScriptedPrompter prompter;
    PrompterScope scope{prompter};
    OptionDialog dialog(store, engine, kScreen);
    switchTo(u"en"_s);
    QLineEdit* margin = dialog.form().txtOffsetY;
    margin->setText(u"11521"_s);
    margin->setModified(true);
    dialog.form().cmdOk->click();
    ASSERT_EQ(prompter.count(), 1);
    EXPECT_EQ(prompter.texts()[0], u"Enter a number from 0 to 11520 in this field."_s);
    EXPECT_NE(dialog.result(), QDialog::Accepted);
}

TEST(OptionLanguage, TheListShowsTheSettingAndAnUnknownOneIsKept)
{
    Settings settings;
    EXPECT_EQ(LoadOptionValues(settings, QString()).language, 0) << "empty follows the desktop";
    settings.Language = u"en"_s;
    OptionValues values = LoadOptionValues(settings, QString());
    EXPECT_EQ(values.language, 2);
    values.language = 1;
    QString tile;
    StoreOptionValues(values, settings, tile);
    EXPECT_EQ(settings.Language, u"ja"_s);
    values.language = 0;
    StoreOptionValues(values, settings, tile);
    EXPECT_EQ(settings.Language, QString());

    settings.Language = u"fr"_s; // hand-edited
    values = LoadOptionValues(settings, QString());
    EXPECT_EQ(values.language, NoChoice);
    StoreOptionValues(values, settings, tile);
    EXPECT_EQ(settings.Language, u"fr"_s);
}

TEST(OptionLanguage, OkWithAnotherLanguageSwitchesEveryWindowAtOnceAndCancelDoesNot)
{
    LanguageScope japanese(u"ja"_s);
    SettingsStore store;
    EngineState engine;
    int changes = 0;
    QObject::connect(&store, &SettingsStore::changed, [&] { ++changes; });
    OptionDialog other(store, engine, kScreen); // another window open meanwhile

    {
        OptionDialog dialog(store, engine, kScreen);
        EXPECT_EQ(dialog.form().cboLanguage->currentIndex(), 0);
        dialog.form().cboLanguage->setCurrentIndex(2);
        dialog.form().cmdCancel->click();
    }
    EXPECT_EQ(store.values().Language, QString());
    EXPECT_EQ(CurrentLanguage(), u"ja"_s);

    {
        OptionDialog dialog(store, engine, kScreen);
        dialog.form().cboLanguage->setCurrentIndex(2);
        dialog.form().cmdOk->click();
        EXPECT_EQ(dialog.result(), QDialog::Accepted);
    }
    EXPECT_EQ(store.values().Language, u"en"_s);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(CurrentLanguage(), u"en"_s);
    QCoreApplication::processEvents();
    EXPECT_EQ(other.windowTitle(), u"Options"_s);

    // OK with the language left alone installs nothing anew.
    InstallLanguage(u"ja"_s);
    {
        OptionDialog dialog(store, engine, kScreen);
        EXPECT_EQ(dialog.form().cboLanguage->currentIndex(), 2);
        dialog.form().cmdOk->click();
    }
    EXPECT_EQ(CurrentLanguage(), u"ja"_s);

    InstallLanguage(u"en"_s);
    {
        OptionDialog dialog(store, engine, kScreen);
        dialog.form().cboLanguage->setCurrentIndex(1);
        dialog.form().cmdOk->click();
    }
    EXPECT_EQ(store.values().Language, u"ja"_s);
    EXPECT_EQ(CurrentLanguage(), u"ja"_s);
}
