#include "FolderTreeWidget.h"

#include "FolderListing.h"
#include "FolderNode.h"

#include <QCollator>
#include <QHeaderView>
#include <QLineEdit>
#include <QMimeData>
#include <QStyledItemDelegate>
#include <QUrl>

#include <algorithm>

namespace branchwise {

namespace {

// Runs the tree's label-edit events around Qt's editor: a handler may cancel the edit at its start
// or refuse (and change) the new text at its end.
class LabelEditDelegate : public QStyledItemDelegate {
public:
    explicit LabelEditDelegate(FolderTreeWidget* tree)
        : QStyledItemDelegate(tree)
        , m_tree(tree)
    {}

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override
    {
        qint16 cancel = 0;
        Q_EMIT m_tree->beforeLabelEdit(cancel);
        if (cancel != 0)
            return nullptr;
        return QStyledItemDelegate::createEditor(parent, option, index);
    }

    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override
    {
        auto* line = qobject_cast<QLineEdit*>(editor);
        if (!line)
            return;
        qint16 cancel = 0;
        QString newString = line->text();
        Q_EMIT m_tree->afterLabelEdit(cancel, newString);
        if (cancel == 0)
            model->setData(index, newString, Qt::EditRole);
    }

private:
    FolderTreeWidget* m_tree;
};

} // namespace

FolderTreeWidget::FolderTreeWidget(QWidget* parent)
    : QTreeWidget(parent)
{
    setObjectName(QStringLiteral("TreeView1"));
    setColumnCount(1);
    header()->hide();
    setUniformRowHeights(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setItemDelegate(new LabelEditDelegate(this));
    setLabelEditMode(1);
    setDragMode(0);
}

void FolderTreeWidget::setImageList(const ImageList* list)
{
    m_imageList = list;
    viewport()->update();
}

FolderNode* FolderTreeWidget::addNode(QTreeWidgetItem* parent, const QString& key, const QString& text,
                                      const QString& image, const QString& selectedImage,
                                      const QString& expandedImage)
{
    if (FolderNode* old = m_nodes.value(key)) {
        forget(old);
        delete old;
    }
    auto* node = new FolderNode(key, text, image, selectedImage, expandedImage);
    m_nodes.insert(key, node);
    if (parent)
        parent->addChild(node);
    else
        addTopLevelItem(node);
    return node;
}

void FolderTreeWidget::forget(QTreeWidgetItem* node)
{
    for (int i = 0; i < node->childCount(); ++i)
        forget(node->child(i));
    auto* folder = static_cast<FolderNode*>(node);
    auto it = m_nodes.find(folder->key());
    if (it != m_nodes.end() && it.value() == folder)
        m_nodes.erase(it);
}

void FolderTreeWidget::removeChildren(QTreeWidgetItem* node)
{
    const QList<QTreeWidgetItem*> children = node->takeChildren();
    for (QTreeWidgetItem* child : children) {
        forget(child);
        delete child;
    }
}

void FolderTreeWidget::removeAllNodes()
{
    m_nodes.clear();
    clear();
}

void FolderTreeWidget::sortChildren(QTreeWidgetItem* node)
{
    QList<QTreeWidgetItem*> children = node->takeChildren();
    QCollator collator;
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    collator.setNumericMode(false);
    std::stable_sort(children.begin(), children.end(), [&](QTreeWidgetItem* a, QTreeWidgetItem* b) {
        const int order = collator.compare(a->text(0), b->text(0));
        if (order != 0)
            return order < 0;
        // Names equal but for letter case: keep a fixed order so the tree does not shuffle.
        return a->text(0) < b->text(0);
    });
    node->addChildren(children);
}

void FolderTreeWidget::setLabelEditMode(int mode)
{
    setEditTriggers(mode == 0 ? (QAbstractItemView::SelectedClicked | QAbstractItemView::EditKeyPressed)
                              : QAbstractItemView::NoEditTriggers);
}

void FolderTreeWidget::setDragMode(int mode)
{
    setDragEnabled(mode == 1);
    setDragDropMode(mode == 1 ? QAbstractItemView::DragOnly : QAbstractItemView::NoDragDrop);
}

QString FolderTreeWidget::fullPath(const QTreeWidgetItem* node) const
{
    if (!node)
        return {};
    if (!node->parent())
        return node->text(0);
    return JoinPath(fullPath(node->parent()), node->text(0));
}

QMimeData* FolderTreeWidget::folderData(const QTreeWidgetItem* node) const
{
    auto* data = new QMimeData;
    const QString path = fullPath(node);
    data->setText(path);
    data->setUrls({QUrl::fromLocalFile(path)});
    return data;
}

QMimeData* FolderTreeWidget::mimeData(const QList<QTreeWidgetItem*>& items) const
{
    return items.isEmpty() ? nullptr : folderData(items.first());
}

QStringList FolderTreeWidget::mimeTypes() const
{
    return {QStringLiteral("text/uri-list"), QStringLiteral("text/plain")};
}

} // namespace branchwise
