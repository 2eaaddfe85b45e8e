#include "mainwindow/LanguageMenu.h"

#include "core/Language.h"

#include <QActionGroup>
#include <QCoreApplication>
#include <QMenu>

namespace velmora {

LanguageMenu::LanguageMenu(QMenu& menu, QAction* before)
    : QObject(&menu)
{
    auto* submenu = new QMenu(QStringLiteral("言語 / Language"), &menu);
    submenu->setObjectName(QStringLiteral("mnuToolLanguage"));
    menu.insertMenu(before, submenu);
    auto* group = new QActionGroup(submenu);
    const auto add = [&](const QString& name, const QString& caption, const QString& setting) {
        QAction* item = submenu->addAction(caption);
        item->setObjectName(name);
        item->setCheckable(true);
        group->addAction(item);
        connect(item, &QAction::triggered, this, [this, setting] {
            m_setting = setting;
            Q_EMIT chosen(setting);
        });
        return item;
    };
    m_desktop = add(QStringLiteral("mnuToolLanguageDesktop"), QString(), QString());
    submenu->addSeparator();
    m_japanese = add(QStringLiteral("mnuToolLanguageJa"), QStringLiteral("日本語"), QString::fromUtf16(JapaneseLanguage));
    m_english = add(QStringLiteral("mnuToolLanguageEn"), QStringLiteral("English"), QString::fromUtf16(EnglishLanguage));
    m_desktop->setChecked(true);
    retranslate();
}

void LanguageMenu::setCurrent(const QString& setting)
{
    m_setting = setting;
    if (setting == QString::fromUtf16(JapaneseLanguage))
        m_japanese->setChecked(true);
    else if (setting == QString::fromUtf16(EnglishLanguage))
        m_english->setChecked(true);
    else
        m_desktop->setChecked(true);
}

void LanguageMenu::retranslate()
{
    m_desktop->setText(QCoreApplication::translate("LanguageMenu", "デスクトップに合わせる"));
}

} // namespace velmora
