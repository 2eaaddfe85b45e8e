#pragma once
// A node of TreeView1: a key and three picture keys (image, selected image, expanded image) that
// name pictures of the tree's current picture set.
#include <QTreeWidgetItem>

namespace branchwise {

class FolderNode : public QTreeWidgetItem {
public:
    FolderNode(QString key, const QString& text, QString image, QString selectedImage, QString expandedImage);

    const QString& key() const { return m_key; }
    const QString& image() const { return m_image; }
    const QString& selectedImage() const { return m_selectedImage; }
    const QString& expandedImage() const { return m_expandedImage; }

    // The picture key shown now: the selected image while selected, the expanded image while
    // expanded, else the image.
    QString shownImage() const;

    QVariant data(int column, int role) const override;

private:
    QString m_key;
    QString m_image;
    QString m_selectedImage;
    QString m_expandedImage;
};

} // namespace branchwise
