// The main window in English: its own texts translated (menus, toolbar, tabs, pages, headers, tray
// menu), a change of language followed at once by the open window, the choice kept in Velmora.INI,
// the files it writes the same in every language, and its messages translated.
#include "tests/mainwindow/FakeSources.h"
#include "tests/mainwindow/MainWindowRig.h"
#include "tests/support/WidgetTexts.h"

#include "core/Language.h"
#include "core/Prompt.h"
#include "mainwindow/FileSelectTabs.h"
#include "mainwindow/HelpCommands.h"
#include "mainwindow/MainMenus.h"
#include "mainwindow/MainToolbar.h"
#include "mainwindow/MainTray.h"
#include "mainwindow/change/WallpaperChanger.h"
#include "mainwindow/folder/FileViewModel.h"
#include "mainwindow/folder/FolderPage.h"
#include "mainwindow/lists/ListCatalog.h"
#include "mainwindow/lists/ListEditing.h"
#include "mainwindow/lists/ListPage.h"

#include <QAction>
#include <QCoreApplication>
#include <QDialog>
#include <QMenu>
#include <QTabBar>
#include <QToolButton>

#include <gtest/gtest.h>

using namespace velmora;
using namespace velmora::test;
using namespace Qt::StringLiterals;

namespace {

// The Japanese texts of the window and its tray menu (a window of its own). Dialogs parented to the
// window (the options) have tests of their own; the language menu's caption and the name "日本語"
// are the same in every language on purpose.
QStringList JapaneseOfTheWindow(MainWindow& window)
{
    QStringList found = JapaneseTexts(window);
    for (const QDialog* dialog : window.findChildren<QDialog*>())
        for (const QString& text : JapaneseTexts(*dialog))
            found.removeAll(text);
    found << JapaneseTexts(*window.tray().TrayMenu());
    found.removeIf([](const QString& text) {
        return text.endsWith(u": 言語 / Language"_s) || text.endsWith(u": 日本語"_s);
    });
    return found;
}

// The language-change events are posted to the windows.
void deliverLanguageChange()
{
    QCoreApplication::processEvents();
}

QByteArray settingsBytes(const Rig& rig)
{
    QByteArray bytes = ReadBytes(rig.program.file(u"Velmora.INI"_s));
    // The one place where two program folders differ.
    return bytes.replace(rig.program.path().toUtf8(), "<program>/");
}

QAction* languageItem(MainWindow& window, const QString& name)
{
    QAction* item = window.findChild<QAction*>(name);
    EXPECT_NE(item, nullptr) << name.toStdString();
    return item;
}

} // namespace

TEST(MainWindowLanguage, BuiltInEnglishTheWindowShowsNoJapanese)
{
    LanguageScope english(u"en"_s);
    Rig rig({}, "ListViewMode= 3\r\n");
    const QStringList japanese = JapaneseOfTheWindow(*rig.window);
    EXPECT_TRUE(japanese.isEmpty()) << japanese.join(u'\n').toStdString();

    // A few of them by name, so that a text gone missing does not pass for a translated one.
    EXPECT_EQ(rig.window->menus().action(MainCommand::FileExit)->text(), u"&Quit"_s);
    EXPECT_EQ(rig.window->toolbar().button(u"btnOption"_s)->toolTip(), u"Show the options"_s);
    EXPECT_EQ(rig.window->fileSelectTabs().tabFileSelect()->tabToolTip(1),
              u"Choose files from a file list"_s);
    EXPECT_EQ(rig.window->folderPage().fileModel()->headerData(0, Qt::Horizontal).toString(), u"Name"_s);
    EXPECT_EQ(rig.window->tray().mnuTrayExit()->text(), u"Quit"_s);
    EXPECT_EQ(languageItem(*rig.window, u"mnuToolLanguageDesktop"_s)->text(), u"Follow the desktop"_s);
}

TEST(MainWindowLanguage, TheOpenWindowFollowsAChangeOfLanguageBothWays)
{
    Rig rig({}, "");
    ASSERT_FALSE(JapaneseOfTheWindow(*rig.window).isEmpty()) << "the tests start in Japanese";
    {
        LanguageScope english(u"en"_s);
        deliverLanguageChange();
        const QStringList japanese = JapaneseOfTheWindow(*rig.window);
        EXPECT_TRUE(japanese.isEmpty()) << japanese.join(u'\n').toStdString();
        EXPECT_EQ(rig.window->listPage().cmdAutoPilot()->text(), u"Patrol"_s);
    }
    deliverLanguageChange();
    EXPECT_EQ(rig.window->menus().action(MainCommand::FileExit)->text(), u"終了(&X)"_s);
    EXPECT_EQ(rig.window->folderPage().cmdSearch()->text(), u"検索"_s);
    EXPECT_EQ(rig.window->tray().mnuTraySize()->text(), u"元の大きさに戻す"_s);
    EXPECT_EQ(rig.window->folderPage().fileModel()->headerData(0, Qt::Horizontal).toString(), u"FileName"_s);
    // The language menu's own caption is the same in every language.
    auto* menu = rig.window->findChild<QMenu*>(u"mnuToolLanguage"_s);
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(menu->title(), u"言語 / Language"_s);
}

TEST(MainWindowLanguage, TheChoiceIsKeptAtOnceAndFollowingTheDesktopRemovesIt)
{
    LanguageScope japaneseAfterwards(u"ja"_s);
    Rig rig({}, "ChangeTimer= 60\r\n");
    EXPECT_TRUE(languageItem(*rig.window, u"mnuToolLanguageDesktop"_s)->isChecked());

    languageItem(*rig.window, u"mnuToolLanguageEn"_s)->trigger();
    deliverLanguageChange();
    EXPECT_EQ(CurrentLanguage(), u"en"_s);
    EXPECT_TRUE(JapaneseOfTheWindow(*rig.window).isEmpty());
    QByteArray stored = ReadBytes(rig.program.file(u"Velmora.INI"_s));
    EXPECT_TRUE(stored.contains("\r\nLanguage=en\r\n")) << stored.toStdString();
    EXPECT_TRUE(stored.contains("ChangeTimer= 60")) << "the other settings stay";

    languageItem(*rig.window, u"mnuToolLanguageJa"_s)->trigger();
    deliverLanguageChange();
    EXPECT_EQ(CurrentLanguage(), u"ja"_s);
    EXPECT_EQ(rig.window->menus().action(MainCommand::Option)->text(), u"オプション(&O)"_s);
    EXPECT_TRUE(ReadBytes(rig.program.file(u"Velmora.INI"_s)).contains("Language=ja"));

    languageItem(*rig.window, u"mnuToolLanguageDesktop"_s)->trigger();
    deliverLanguageChange();
    stored = ReadBytes(rig.program.file(u"Velmora.INI"_s));
    EXPECT_FALSE(stored.contains("Language=")) << stored.toStdString();
    // The exit writes the whole file: still no language in it.
    rig.window->mnuFileExit_Click();
    EXPECT_FALSE(ReadBytes(rig.program.file(u"Velmora.INI"_s)).contains("Language="));

    // The next start shows the choice kept.
    Rig english({}, "Language=en\r\n");
    EXPECT_TRUE(languageItem(*english.window, u"mnuToolLanguageEn"_s)->isChecked());
}

TEST(MainWindowLanguage, TheSettingsFileIsTheSameWhicheverLanguageWroteIt)
{
    const QByteArray lines = "ListMode= 2\r\nTimerOnMode= 1\r\nChangeTimer= 45\r\nListViewMode= 1\r\n"
                             "CalendarOnMode= 1\r\nRandomMode=1\r\n";
    Rig japanese({}, lines);
    japanese.window->mnuFileExit_Click();
    QByteArray inEnglish;
    {
        LanguageScope english(u"en"_s);
        Rig rig({}, lines);
        rig.window->mnuFileExit_Click();
        inEnglish = settingsBytes(rig);
    }
    EXPECT_EQ(settingsBytes(japanese), inEnglish);
    EXPECT_FALSE(inEnglish.contains("Language=")) << "a language shown is not a language chosen";
}

TEST(MainWindowLanguage, MessagesSpeakTheLanguageShown)
{
    LanguageScope english(u"en"_s);
    Rig rig({u"/a.jpg"_s}, "");
    rig.prompter.clear();
    ListPage& lists = rig.window->listPage();
    lists.mnuFileRelease_Click();
    lists.cmdSave_Click();
    EXPECT_EQ(rig.prompter.texts(), (QStringList{u"The last list cannot be removed."_s, u"Saved."_s}));

    // A count gets its plural.
    Settings settings;
    FakeFolder folder;
    FakeList list;
    FakeInstaller installer;
    WallpaperChanger changer(settings, folder, list, installer);
    ListEditing editing(list, changer, 2);
    list.entries = {u"/a.jpg"_s};
    rig.prompter.clear();
    editing.InsertEntries({u"/1.jpg"_s, u"/2.jpg"_s});
    editing.InsertEntries({u"/3.jpg"_s, u"/4.jpg"_s});
    ASSERT_EQ(rig.prompter.count(), 2);
    const QStringList texts = rig.prompter.texts();
    EXPECT_TRUE(texts[0].endsWith(u"1 path could not be added."_s)) << texts[0].toStdString();
    EXPECT_TRUE(texts[1].endsWith(u"2 paths could not be added."_s)) << texts[1].toStdString();

    rig.prompter.clear();
    TempFolder nowhere;
    HelpCommands help({nowhere.path()});
    help.mnuHelpDoc();
    EXPECT_EQ(rig.prompter.texts(), QStringList{u"The documentation file was not found."_s});

    // The request a first list without pictures holds is written in the language shown.
    TempFolder program;
    CreateDefaultList(program.path(), u"Velmora.lst"_s, nowhere.path());
    EXPECT_EQ(ReadBytes(program.file(u"Velmora.lst"_s)), QByteArray("Set up the file list\r\n"));
}
