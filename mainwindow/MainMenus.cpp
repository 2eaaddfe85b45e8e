#include "mainwindow/MainMenus.h"

#include <QActionGroup>
#include <QCoreApplication>
#include <QMenuBar>

namespace velmora {
namespace {

struct Item {
    const char* name;
    const char* caption; // nullptr: a separator; shown through the "MainMenus" context
    MainCommand command = MainCommand::FileExit;
};

struct Menu {
    const char* name;
    const char* caption;
    std::initializer_list<Item> items;
};

const std::initializer_list<Menu> kMenus = {
    {"mnuFile",
     QT_TRANSLATE_NOOP("MainMenus", "ファイル(&F)"),
     {{"mnuFileNew", QT_TRANSLATE_NOOP("MainMenus", "リストファイル新規作成(&N)"), MainCommand::FileNew},
      {"mnuFileAdd", QT_TRANSLATE_NOOP("MainMenus", "リストファイル追加(&A)"), MainCommand::FileAdd},
      {"mnuFileRelease", QT_TRANSLATE_NOOP("MainMenus", "リストファイル解放(&R)"), MainCommand::FileRelease},
      {"mnuFileDelete", QT_TRANSLATE_NOOP("MainMenus", "リストファイル削除(&D)"), MainCommand::FileDelete},
      {"mnuSep3", nullptr},
      {"mnuFileExit", QT_TRANSLATE_NOOP("MainMenus", "終了(&X)"), MainCommand::FileExit}}},
    {"mnuView",
     QT_TRANSLATE_NOOP("MainMenus", "表示(&V)"),
     {{"mnuThumbnail", QT_TRANSLATE_NOOP("MainMenus", "サムネイル表示(&N)"), MainCommand::Thumbnail},
      {"mnuViewToolbar", QT_TRANSLATE_NOOP("MainMenus", "ツールバー(&T)"), MainCommand::ViewToolbar},
      {"mnuSep1", nullptr},
      {"mnuViewListviewMode0", QT_TRANSLATE_NOOP("MainMenus", "大きいアイコン(&G)"),
       MainCommand::ViewListviewMode0},
      {"mnuViewListviewMode1", QT_TRANSLATE_NOOP("MainMenus", "小さいアイコン(&M)"),
       MainCommand::ViewListviewMode1},
      {"mnuViewListviewMode2", QT_TRANSLATE_NOOP("MainMenus", "一覧(&L)"), MainCommand::ViewListviewMode2},
      {"mnuViewListviewMode3", QT_TRANSLATE_NOOP("MainMenus", "詳細(&D)"), MainCommand::ViewListviewMode3},
      {"mnuSep2", nullptr},
      {"mnuViewDirimage", QT_TRANSLATE_NOOP("MainMenus", "フォルダアイコン変更(&I)"),
       MainCommand::ViewDirimage}}},
    {"mnuTool",
     QT_TRANSLATE_NOOP("MainMenus", "ツール(&T)"),
     {{"mnuOption", QT_TRANSLATE_NOOP("MainMenus", "オプション(&O)"), MainCommand::Option},
      {"mnuSep4", nullptr},
      {"mnuToolNotexist", QT_TRANSLATE_NOOP("MainMenus", "不在ファイルを除外する(&N)"),
       MainCommand::ToolNotexist},
      {"mnuSep5", nullptr},
      {"mnuToolAutostart", QT_TRANSLATE_NOOP("MainMenus", "ログイン時に起動する"),
       MainCommand::ToolAutostart}}},
    {"mnuHelp",
     QT_TRANSLATE_NOOP("MainMenus", "ヘルプ(&H)"),
     {{"mnuHelpDoc", QT_TRANSLATE_NOOP("MainMenus", "ユーザーズガイドの表示(&G)"), MainCommand::HelpDoc},
      {"mnuHelpHomepage", QT_TRANSLATE_NOOP("MainMenus", "作者ホームページの表示(&H)"),
       MainCommand::HelpHomepage},
      {"mnuHelpDonation", QT_TRANSLATE_NOOP("MainMenus", "寄付について(&D)"), MainCommand::HelpDonation},
      {"mnuHelpAbout", QT_TRANSLATE_NOOP("MainMenus", "バージョン情報(&A)"), MainCommand::HelpAbout}}},
};

} // namespace

MainMenus::MainMenus(QMenuBar& bar)
{
    for (const Menu& menu : kMenus) {
        QMenu* popup = bar.addMenu(QString());
        popup->setObjectName(QString::fromUtf8(menu.name));
        m_captions.push_back({popup->menuAction(), menu.caption});
        for (const Item& item : menu.items) {
            if (!item.caption) {
                popup->addSeparator()->setObjectName(QString::fromUtf8(item.name));
                continue;
            }
            QAction* action = popup->addAction(QString());
            action->setObjectName(QString::fromUtf8(item.name));
            m_actions[static_cast<int>(item.command)] = action;
            m_captions.push_back({action, item.caption});
        }
    }
    action(MainCommand::ViewToolbar)->setCheckable(true);
    auto* views = new QActionGroup(&bar);
    for (int mode = 0; mode < 4; ++mode) {
        QAction* view = action(ListviewModeCommand(mode));
        view->setCheckable(true);
        views->addAction(view);
    }
    retranslate();
}

void MainMenus::retranslate()
{
    for (const auto& [action, caption] : m_captions)
        action->setText(QCoreApplication::translate("MainMenus", caption));
}

} // namespace velmora
