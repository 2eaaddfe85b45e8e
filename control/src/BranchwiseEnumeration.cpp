// Drives and folders: the tree is built for one drive and filled lazily as folders are opened.
#include "branchwise/BranchwiseBase.h"

#include "DriveListBox.h"
#include "FolderListing.h"
#include "FolderNode.h"
#include "FolderTreeWidget.h"
#include "ImageList.h"
#include "OleColor.h"

#include <QApplication>
#include <QDir>
#include <QScopedValueRollback>

namespace branchwise {

namespace {

const QString RootKey = QStringLiteral("root");
const QString Open = QStringLiteral("open");
const QString Closed = QStringLiteral("closed");

} // namespace

void BranchwiseBase::Drive1_Change()
{
    BuildRoot();
    // The drive becomes the process's current folder; a drive that is not ready refuses, which is ignored.
    QDir::setCurrent(m_drive1->drive());
}

void BranchwiseBase::TreeView1_NodeSelected(QTreeWidgetItem* node)
{
    SelectNode(node);
}

// Selecting a node publishes its folder, tells the host (unless ApInit is running) and fills the
// node the first time it is opened. False when the folder could not be published.
bool BranchwiseBase::SelectNode(QTreeWidgetItem* node)
{
    if (!StoreCurrentDirectory(AddSeparator(m_treeView1->fullPath(node))))
        return false;
    if (!m_initialising)
        Q_EMIT ChangeDirectory();
    if (node->childCount() == 0)
        FillChildren(node);
    return true;
}

void BranchwiseBase::TreeView1_Expand(QTreeWidgetItem* node)
{
    QScopedValueRollback guard(m_inExpand, true);
    FillChildren(node);
    if (node->childCount() > 0) {
        // The node stays in view with as many of its children below it as fit.
        m_treeView1->scrollToItem(node->child(node->childCount() - 1));
        m_treeView1->scrollToItem(node);
    }
}

void BranchwiseBase::MarkExpanded(QTreeWidgetItem* node)
{
    {
        QScopedValueRollback guard(m_inExpand, true);
        node->setExpanded(true);
    }
    TreeView1_Expand(node);
}

void BranchwiseBase::MarkSelected(QTreeWidgetItem* node)
{
    QScopedValueRollback guard(m_programmatic, true);
    m_treeView1->setCurrentItem(node);
}

void BranchwiseBase::BuildRoot()
{
    {
        QScopedValueRollback guard(m_programmatic, true);
        m_treeView1->removeAllNodes();
    }
    const QString drive = m_drive1->drive();
    const QString picture = ImageList::DriveKey(DriveTypeOf(drive));
    const bool typed = picture != Closed;
    FolderNode* root = m_treeView1->addNode(nullptr, RootKey, drive, picture, typed ? QString() : Open,
                                            typed ? QString() : Closed);
    const QPalette base = QApplication::palette();
    root->setBackground(0, ToQColor(m_objectBackColor, base));
    root->setForeground(0, ToQColor(m_objectForeColor, base));
    if (!SelectNode(root))
        return;
    MarkExpanded(root);
    MarkSelected(root);
}

void BranchwiseBase::FillChildren(QTreeWidgetItem* node)
{
    {
        QScopedValueRollback guard(m_programmatic, true);
        m_treeView1->removeChildren(node);
    }
    m_dirBuf.clear();
    const QString folder = m_treeView1->fullPath(node);
    const QStringList names = ListSubfolders(folder);
    const QPalette base = QApplication::palette();
    const QColor back = ToQColor(m_objectBackColor, base);
    const QColor fore = ToQColor(m_objectForeColor, base);
    for (const QString& name : names) {
        const QString key = JoinPath(folder, name);
        FolderNode* child = m_treeView1->addNode(node, key, name, Closed, Open, Closed);
        child->setBackground(0, back);
        child->setForeground(0, fore);
        m_dirBuf.append(key);
    }
    if (node->childCount() > 1)
        FolderTreeWidget::sortChildren(node);
    if (!m_quickMode) {
        // The listing above is closed: probing now keeps one listing open at a time.
        for (const QString& key : std::as_const(m_dirBuf))
            ProbeSubfolder(key);
    }
}

// Gives the node of key its first sub-folder, just enough for the tree to show an expander.
void BranchwiseBase::ProbeSubfolder(const QString& key)
{
    FolderNode* node = m_treeView1->nodeByKey(key);
    if (!node)
        return;
    const QStringList first = ListSubfolders(key, true);
    if (!first.isEmpty())
        m_treeView1->addNode(node, JoinPath(key, first.first()), first.first(), Closed, Open, QString());
}

// Opens the tree from the root down to CurrentDirectory, as deep as the folders exist.
void BranchwiseBase::OpenCurrentDirectory()
{
    QTreeWidgetItem* node = m_treeView1->nodeByKey(RootKey);
    if (!node)
        return;
    QString target = m_currentDirectory;
    if (target.size() > 1 && target.endsWith(u'/'))
        target.chop(1);
    const QString drive = node->text(0);
    QString rest;
    if (drive == QLatin1String("/")) {
        rest = target;
    } else if (target.startsWith(drive, Qt::CaseInsensitive) &&
               (target.size() == drive.size() || target.at(drive.size()) == u'/')) {
        rest = target.mid(drive.size());
    } else {
        return;
    }
    const QStringList components = rest.split(u'/', Qt::SkipEmptyParts);
    QString path = drive;
    for (const QString& component : components) {
        path = JoinPath(path, component);
        QTreeWidgetItem* next = m_treeView1->nodeByKey(path);
        if (!next) {
            // Written in another letter case: taken when exactly one sub-folder matches.
            for (int i = 0; i < node->childCount(); ++i) {
                if (node->child(i)->text(0).compare(component, Qt::CaseInsensitive) != 0)
                    continue;
                if (next) {
                    next = nullptr;
                    break;
                }
                next = node->child(i);
            }
            if (!next)
                return;
            path = static_cast<FolderNode*>(next)->key();
        }
        if (!SelectNode(next))
            return;
        MarkExpanded(next);
        MarkSelected(next);
        node = next;
    }
}

void BranchwiseBase::ApInit()
{
    if (m_imageType != Normal && m_imageType != Copland)
        return;
    m_treeView1->setImageList(m_imgNode[m_imageType].get());
    m_drive1->setFont(font());
    m_treeView1->setFont(font());
    applyObjectForeColor();
    applyObjectBackColor();

    m_initialising = true;
    auto done = [this](bool ok) {
        m_initialising = false;
        if (ok)
            Q_EMIT ChangeDirectory();
    };
    m_drive1->refresh();
    if (!m_currentDirectory.isEmpty()) {
        const QString remembered = m_currentDirectory;
        if (!m_drive1->selectDriveOf(remembered))
            return done(false);
        BuildRoot();
        if (!StoreCurrentDirectory(remembered))
            return done(false);
    } else {
        if (!StoreCurrentDirectory(AddSeparator(m_drive1->drive())))
            return done(false);
        BuildRoot();
    }
    OpenCurrentDirectory();
    done(true);
}

} // namespace branchwise
