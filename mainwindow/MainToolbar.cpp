#include "mainwindow/MainToolbar.h"

#include "mainwindow/Pictures.h"

#include <QAction>
#include <QActionGroup>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QProgressBar>

#include <array>

namespace velmora {
namespace {

constexpr std::array<ToolbarButton, 9> kButtons{{
    {u"btnExit", QT_TRANSLATE_NOOP("MainToolbar", "プログラムを終了"), MainCommand::FileExit, "exit"},
    {u"btnLargeIcon", QT_TRANSLATE_NOOP("MainToolbar", "大きいアイコン表示"), MainCommand::ViewListviewMode0,
     "largeicon"},
    {u"btnSmallIcon", QT_TRANSLATE_NOOP("MainToolbar", "小さいアイコン表示"), MainCommand::ViewListviewMode1,
     "smallicon"},
    {u"btnList", QT_TRANSLATE_NOOP("MainToolbar", "一覧表示"), MainCommand::ViewListviewMode2, "list"},
    {u"btnDetail", QT_TRANSLATE_NOOP("MainToolbar", "詳細表示"), MainCommand::ViewListviewMode3, "detail"},
    {u"btnDirimage", QT_TRANSLATE_NOOP("MainToolbar", "フォルダツリーのイメージを切り換え"),
     MainCommand::ViewDirimage, "dirimage"},
    {u"btnOption", QT_TRANSLATE_NOOP("MainToolbar", "オプション画面を表示"), MainCommand::Option, "option"},
    {u"btnThumbnail", QT_TRANSLATE_NOOP("MainToolbar", "サムネイル画面を表示"), MainCommand::Thumbnail,
     "thumbnail"},
    {u"phPbGeneral", nullptr, std::nullopt, nullptr},
}};

bool isViewCommand(std::optional<MainCommand> command)
{
    return command && *command >= MainCommand::ViewListviewMode0 && *command <= MainCommand::ViewListviewMode3;
}

bool startsGroup(const QString& key)
{
    return key == u"btnLargeIcon" || key == u"btnDirimage" || key == u"phPbGeneral";
}

} // namespace

std::span<const ToolbarButton> ToolbarButtons()
{
    return kButtons;
}

std::optional<MainCommand> ToolbarCommand(const QString& key)
{
    for (const ToolbarButton& button : kButtons)
        if (key == QStringView(button.key))
            return button.command;
    return std::nullopt;
}

MainToolbar::MainToolbar(QWidget* parent)
    : QToolBar(parent)
    , m_views(new QActionGroup(this))
    , m_pbGeneral(new QProgressBar)
{
    setObjectName(QStringLiteral("tlbCommon"));
    setMovable(false);
    setFloatable(false);
    setIconSize(QSize(16, 16));
    // Shown and hidden through mnuViewToolbar only, so that its check mark stays true.
    toggleViewAction()->setVisible(false);
    m_views->setExclusive(true);

    for (const ToolbarButton& entry : kButtons) {
        const QString key = QString::fromUtf16(entry.key);
        if (startsGroup(key))
            addSeparator();
        if (!entry.picture) {
            // The progress bar's place: the bar centred on the toolbar's height.
            auto* place = new QWidget;
            place->setObjectName(key);
            auto* layout = new QHBoxLayout(place);
            layout->setContentsMargins(4, 0, 4, 0);
            m_pbGeneral->setObjectName(QStringLiteral("pbGeneral"));
            m_pbGeneral->setTextVisible(false);
            m_pbGeneral->setFixedSize(160, 14);
            m_pbGeneral->hide();
            layout->addWidget(m_pbGeneral, 0, Qt::AlignVCenter);
            addWidget(place)->setObjectName(key);
            continue;
        }
        QAction* action = addAction(MainWindowPicture(QString::fromLatin1(entry.picture)), QString());
        action->setObjectName(key);
        if (isViewCommand(entry.command)) {
            action->setCheckable(true);
            m_views->addAction(action);
        }
    }
    retranslate();
}

void MainToolbar::retranslate()
{
    setWindowTitle(tr("ツールバー"));
    for (const ToolbarButton& entry : kButtons) {
        if (!entry.tip)
            continue;
        const QString tip = QCoreApplication::translate("MainToolbar", entry.tip);
        QAction* action = button(QString::fromUtf16(entry.key));
        action->setText(tip);
        action->setToolTip(tip);
    }
}

QAction* MainToolbar::button(const QString& key) const
{
    for (QAction* action : actions())
        if (action->objectName() == key)
            return action;
    return nullptr;
}

void MainToolbar::pressViewButton(int mode)
{
    const QList<QAction*> views = m_views->actions();
    if (mode >= 0 && mode < views.size())
        views[mode]->setChecked(true);
}

int MainToolbar::pressedViewButton() const
{
    const QAction* checked = m_views->checkedAction();
    return checked ? int(m_views->actions().indexOf(checked)) : -1;
}

} // namespace velmora
