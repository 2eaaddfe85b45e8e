#include "FolderNode.h"

#include "FolderTreeWidget.h"
#include "ImageList.h"

namespace branchwise {

FolderNode::FolderNode(QString key, const QString& text, QString image, QString selectedImage,
                       QString expandedImage)
    : m_key(std::move(key))
    , m_image(std::move(image))
    , m_selectedImage(std::move(selectedImage))
    , m_expandedImage(std::move(expandedImage))
{
    setText(0, text);
    setFlags(flags() | Qt::ItemIsEditable);
}

QString FolderNode::shownImage() const
{
    if (!m_selectedImage.isEmpty() && isSelected())
        return m_selectedImage;
    if (!m_expandedImage.isEmpty() && isExpanded())
        return m_expandedImage;
    return m_image;
}

QVariant FolderNode::data(int column, int role) const
{
    if (role == Qt::DecorationRole && column == 0) {
        const auto* tree = static_cast<const FolderTreeWidget*>(treeWidget());
        if (tree && tree->imageList())
            return tree->imageList()->picture(shownImage());
        return {};
    }
    return QTreeWidgetItem::data(column, role);
}

} // namespace branchwise
