#pragma once
// TreeView1: the folder tree. Keeps the nodes' keys for lookups and hands label edits, drags and
// drops to the control.
#include <QHash>
#include <QTreeWidget>

namespace branchwise {

class FolderNode;
class ImageList;

class FolderTreeWidget : public QTreeWidget {
    Q_OBJECT
public:
    explicit FolderTreeWidget(QWidget* parent = nullptr);

    const ImageList* imageList() const { return m_imageList; }
    void setImageList(const ImageList* list);

    // Adds a node under parent (or as a top-level node). Keys are unique: a node with the same key
    // is replaced.
    FolderNode* addNode(QTreeWidgetItem* parent, const QString& key, const QString& text,
                        const QString& image, const QString& selectedImage, const QString& expandedImage);
    FolderNode* nodeByKey(const QString& key) const { return m_nodes.value(key); }
    // Removes the node's children with their whole sub-trees.
    void removeChildren(QTreeWidgetItem* node);
    void removeAllNodes();
    // Orders the node's children by text, ignoring letter case first.
    static void sortChildren(QTreeWidgetItem* node);

    // 0 automatic (a click on the selected node starts an edit), 1 manual.
    void setLabelEditMode(int mode);
    // 0 manual, 1 automatic (dragging a node drags its folder).
    void setDragMode(int mode);
    // The data of a dragged node: its folder as text and as a file URL.
    QMimeData* folderData(const QTreeWidgetItem* node) const;

    // The folder path of a node (texts from the root joined by "/"), without the final separator.
    QString fullPath(const QTreeWidgetItem* node) const;

Q_SIGNALS:
    void beforeLabelEdit(qint16& cancel);
    void afterLabelEdit(qint16& cancel, QString& newString);

protected:
    QMimeData* mimeData(const QList<QTreeWidgetItem*>& items) const override;
    QStringList mimeTypes() const override;

private:
    void forget(QTreeWidgetItem* node);

    QHash<QString, FolderNode*> m_nodes;
    const ImageList* m_imageList = nullptr;
};

} // namespace branchwise
