#include "tests/support/WidgetTexts.h"

#include "core/Language.h"

#include <QAbstractButton>
#include <QAbstractItemModel>
#include <QAbstractItemView>
#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTabBar>
#include <QWidget>

namespace velmora::test {
namespace {

void add(QStringList& texts, const QObject& owner, const QString& what, const QString& text)
{
    if (!text.isEmpty())
        texts << owner.objectName() + QLatin1Char('/') + what + QStringLiteral(": ") + text;
}

void addModel(QStringList& texts, const QObject& owner, const QAbstractItemModel* model)
{
    if (!model)
        return;
    for (int column = 0; column < model->columnCount(); ++column)
        add(texts, owner, QStringLiteral("header"), model->headerData(column, Qt::Horizontal).toString());
    // Enough rows to see fixed captions without walking a folder of thousands.
    const int rows = std::min(model->rowCount(), 200);
    for (int row = 0; row < rows; ++row)
        for (int column = 0; column < model->columnCount(); ++column) {
            const QModelIndex index = model->index(row, column);
            add(texts, owner, QStringLiteral("item"), model->data(index, Qt::DisplayRole).toString());
            add(texts, owner, QStringLiteral("item tip"), model->data(index, Qt::ToolTipRole).toString());
        }
}

void addActions(QStringList& texts, const QWidget& widget)
{
    for (const QAction* action : widget.actions()) {
        add(texts, *action, QStringLiteral("action"), action->text());
        // Qt makes the text without its "&" the tooltip when none is set.
        QString caption = action->text();
        if (action->toolTip() != caption.remove(QLatin1Char('&')))
            add(texts, *action, QStringLiteral("action tip"), action->toolTip());
        if (const QMenu* menu = action->menu())
            texts << VisibleTexts(*menu);
    }
}

} // namespace

QStringList VisibleTexts(const QWidget& root)
{
    QStringList texts;
    QList<const QWidget*> widgets{&root};
    for (const QWidget* child : root.findChildren<QWidget*>())
        widgets << child;
    for (const QWidget* widget : widgets) {
        add(texts, *widget, QStringLiteral("title"), widget->isWindow() ? widget->windowTitle() : QString());
        add(texts, *widget, QStringLiteral("tip"), widget->toolTip());
        add(texts, *widget, QStringLiteral("status tip"), widget->statusTip());
        add(texts, *widget, QStringLiteral("what's this"), widget->whatsThis());
        if (const auto* label = qobject_cast<const QLabel*>(widget))
            add(texts, *widget, QStringLiteral("text"), label->text());
        if (const auto* button = qobject_cast<const QAbstractButton*>(widget))
            add(texts, *widget, QStringLiteral("text"), button->text());
        if (const auto* group = qobject_cast<const QGroupBox*>(widget))
            add(texts, *widget, QStringLiteral("title"), group->title());
        if (const auto* edit = qobject_cast<const QLineEdit*>(widget))
            add(texts, *widget, QStringLiteral("placeholder"), edit->placeholderText());
        if (const auto* combo = qobject_cast<const QComboBox*>(widget))
            for (int i = 0; i < combo->count(); ++i)
                add(texts, *widget, QStringLiteral("item"), combo->itemText(i));
        if (const auto* tabs = qobject_cast<const QTabBar*>(widget))
            for (int i = 0; i < tabs->count(); ++i) {
                add(texts, *widget, QStringLiteral("tab"), tabs->tabText(i));
                add(texts, *widget, QStringLiteral("tab tip"), tabs->tabToolTip(i));
            }
        if (const auto* menu = qobject_cast<const QMenu*>(widget))
            add(texts, *widget, QStringLiteral("menu"), menu->title());
        // A header shows its view's model, listed with the view.
        const auto* view = qobject_cast<const QAbstractItemView*>(widget);
        if (view && !qobject_cast<const QHeaderView*>(widget))
            addModel(texts, *widget, view->model());
        addActions(texts, *widget);
    }
    texts.removeDuplicates();
    return texts;
}

bool HasJapanese(const QString& text)
{
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if ((u >= 0x3000 && u <= 0x30ff) || (u >= 0x3400 && u <= 0x9fff) || (u >= 0xff00 && u <= 0xffef))
            return true;
    }
    return false;
}

QStringList JapaneseTexts(const QWidget& root)
{
    QStringList japanese;
    for (const QString& text : VisibleTexts(root))
        if (HasJapanese(text))
            japanese << text;
    return japanese;
}

LanguageScope::LanguageScope(const QString& language)
{
    InstallLanguage(language);
}

LanguageScope::~LanguageScope()
{
    InstallLanguage(QString::fromUtf16(JapaneseLanguage));
}

} // namespace velmora::test
