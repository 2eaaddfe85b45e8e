#include "mainwindow/MainMenus.h"

#include <QActionGroup>
#include <QMenuBar>

namespace velmora {
namespace {

struct Item {
    const char* name;
    const char* caption; // nullptr: a separator
    MainCommand command = MainCommand::FileExit;
};

struct Menu {
    const char* name;
    const char* caption;
    std::initializer_list<Item> items;
};

const std::initializer_list<Menu> kMenus = {
    {"mnuFile",
     "ファイル(&F)",
     {{"mnuFileNew", "リストファイル新規作成(&N)", MainCommand::FileNew},
      {"mnuFileAdd", "リストファイル追加(&A)", MainCommand::FileAdd},
      {"mnuFileRelease", "リストファイル解放(&R)", MainCommand::FileRelease},
      {"mnuFileDelete", "リストファイル削除(&D)", MainCommand::FileDelete},
      {"mnuSep3", nullptr},
      {"mnuFileExit", "終了(&X)", MainCommand::FileExit}}},
    {"mnuView",
     "表示(&V)",
     {{"mnuThumbnail", "サムネイル表示(&N)", MainCommand::Thumbnail},
      {"mnuViewToolbar", "ツールバー(&T)", MainCommand::ViewToolbar},
      {"mnuSep1", nullptr},
      {"mnuViewListviewMode0", "大きいアイコン(&G)", MainCommand::ViewListviewMode0},
      {"mnuViewListviewMode1", "小さいアイコン(&M)", MainCommand::ViewListviewMode1},
      {"mnuViewListviewMode2", "一覧(&L)", MainCommand::ViewListviewMode2},
      {"mnuViewListviewMode3", "詳細(&D)", MainCommand::ViewListviewMode3},
      {"mnuSep2", nullptr},
      {"mnuViewDirimage", "フォルダアイコン変更(&I)", MainCommand::ViewDirimage}}},
    {"mnuTool",
     "ツール(&T)",
     {{"mnuOption", "オプション(&O)", MainCommand::Option},
      {"mnuSep4", nullptr},
      {"mnuToolNotexist", "不在ファイルを除外する(&N)", MainCommand::ToolNotexist},
      {"mnuSep5", nullptr},
      {"mnuToolAutostart", "ログイン時に起動する", MainCommand::ToolAutostart}}},
    {"mnuHelp",
     "ヘルプ(&H)",
     {{"mnuHelpDoc", "ユーザーズガイドの表示(&G)", MainCommand::HelpDoc},
      {"mnuHelpHomepage", "作者ホームページの表示(&H)", MainCommand::HelpHomepage},
      {"mnuHelpDonation", "寄付について(&D)", MainCommand::HelpDonation},
      {"mnuHelpAbout", "バージョン情報(&A)", MainCommand::HelpAbout}}},
};

} // namespace

MainMenus::MainMenus(QMenuBar& bar)
{
    for (const Menu& menu : kMenus) {
        QMenu* popup = bar.addMenu(QString::fromUtf8(menu.caption));
        popup->setObjectName(QString::fromUtf8(menu.name));
        for (const Item& item : menu.items) {
            if (!item.caption) {
                popup->addSeparator()->setObjectName(QString::fromUtf8(item.name));
                continue;
            }
            QAction* action = popup->addAction(QString::fromUtf8(item.caption));
            action->setObjectName(QString::fromUtf8(item.name));
            m_actions[static_cast<int>(item.command)] = action;
        }
    }
    action(MainCommand::ViewToolbar)->setCheckable(true);
    auto* views = new QActionGroup(&bar);
    for (int mode = 0; mode < 4; ++mode) {
        QAction* view = action(ListviewModeCommand(mode));
        view->setCheckable(true);
        views->addAction(view);
    }
}

} // namespace velmora
