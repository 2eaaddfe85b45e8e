#include "mainwindow/MainMenus.h"

#include <QActionGroup>
#include <QMenuBar>

namespace velmora {
namespace {

struct Item {
    const char* name;
    const char* caption; // nullptr: a separator
};

struct Menu {
    const char* name;
    const char* caption;
    std::initializer_list<Item> items;
};

const std::initializer_list<Menu> kMenus = {
    {"mnuFile",
     "ファイル(&F)",
     {{"mnuFileNew", "リストファイル新規作成(&N)"},
      {"mnuFileAdd", "リストファイル追加(&A)"},
      {"mnuFileRelease", "リストファイル解放(&R)"},
      {"mnuFileDelete", "リストファイル削除(&D)"},
      {"mnuSep3", nullptr},
      {"mnuFileExit", "終了(&X)"}}},
    {"mnuView",
     "表示(&V)",
     {{"mnuThumbnail", "サムネイル表示(&N)"},
      {"mnuViewToolbar", "ツールバー(&T)"},
      {"mnuSep1", nullptr},
      {"mnuViewListviewMode0", "大きいアイコン(&G)"},
      {"mnuViewListviewMode1", "小さいアイコン(&M)"},
      {"mnuViewListviewMode2", "一覧(&L)"},
      {"mnuViewListviewMode3", "詳細(&D)"},
      {"mnuSep2", nullptr},
      {"mnuViewDirimage", "フォルダアイコン変更(&I)"}}},
    {"mnuTool",
     "ツール(&T)",
     {{"mnuOption", "オプション(&O)"},
      {"mnuSep4", nullptr},
      {"mnuToolNotexist", "不在ファイルを除外する(&N)"}}},
    {"mnuHelp",
     "ヘルプ(&H)",
     {{"mnuHelpDoc", "ユーザーズガイドの表示(&G)"},
      {"mnuHelpHomepage", "作者ホームページの表示(&H)"},
      {"mnuHelpDonation", "寄付について(&D)"},
      {"mnuHelpAbout", "バージョン情報(&A)"}}},
};

} // namespace

MainMenus::MainMenus(QMenuBar& bar)
{
    for (const Menu& menu : kMenus) {
        QMenu* popup = bar.addMenu(QString::fromUtf8(menu.caption));
        popup->setObjectName(QString::fromUtf8(menu.name));
        for (const Item& item : menu.items) {
            QAction* action =
                item.caption ? popup->addAction(QString::fromUtf8(item.caption)) : popup->addSeparator();
            action->setObjectName(QString::fromUtf8(item.name));
            m_actions.insert(action->objectName(), action);
        }
    }
    m_actions[QStringLiteral("mnuViewToolbar")]->setCheckable(true);
    auto* views = new QActionGroup(&bar);
    for (int mode = 0; mode < 4; ++mode) {
        QAction* action = m_actions[QStringLiteral("mnuViewListviewMode%1").arg(mode)];
        action->setCheckable(true);
        views->addAction(action);
    }
}

QAction* MainMenus::operator[](const QString& name) const
{
    return m_actions.value(name);
}

} // namespace velmora
