// The control surface: constituents, layout and the property setters.
#include "branchwise/BranchwiseBase.h"

#include "DriveListBox.h"
#include "FolderNode.h"
#include "FolderTreeWidget.h"
#include "ImageList.h"
#include "OleColor.h"

#include <QApplication>
#include <QDrag>
#include <QMimeData>

namespace branchwise {

namespace {

// The gap between the drive list and the tree, in twips.
constexpr int TreeGapTwips = 10;

} // namespace

BranchwiseBase::BranchwiseBase(QWidget* parent)
    : QFrame(parent)
    , m_drive1(new DriveListBox(this))
    , m_treeView1(new FolderTreeWidget(this))
{
    setObjectName(QStringLiteral("BranchwiseBase"));
    m_imgNode[0] = std::make_unique<ImageList>(0);
    m_imgNode[1] = std::make_unique<ImageList>(1);
    setFocusPolicy(Qt::ClickFocus);
    setMouseTracking(true);
    setFrameStyle(QFrame::NoFrame);
    setAutoFillBackground(true);
    applySurfaceColors();

    connect(m_drive1, &DriveListBox::driveChanged, this, &BranchwiseBase::Drive1_Change);
    connect(m_treeView1, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* current) {
        if (!m_programmatic && current)
            TreeView1_NodeSelected(current);
    });
    // A click on the selected node selects it again, as the tree's node click does: the host hears
    // ChangeDirectory and may refresh what it shows of the folder.
    connect(m_treeView1, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem* node) {
        const bool again = m_pressOnCurrent && node == m_treeView1->currentItem();
        m_pressOnCurrent = false;
        if (again)
            TreeView1_NodeSelected(node);
    });
    connect(m_treeView1, &QTreeWidget::itemExpanded, this, [this](QTreeWidgetItem* node) {
        if (!m_inExpand)
            TreeView1_Expand(node);
    });
    connect(m_treeView1, &FolderTreeWidget::beforeLabelEdit, this,
            [this](qint16& cancel) { Q_EMIT BeforeLabelEdit(cancel); });
    connect(m_treeView1, &FolderTreeWidget::afterLabelEdit, this,
            [this](qint16& cancel, QString& newString) { Q_EMIT AfterLabelEdit(cancel, newString); });
    m_treeView1->viewport()->installEventFilter(this);
    layoutConstituents();
}

BranchwiseBase::~BranchwiseBase() = default;

QComboBox* BranchwiseBase::Drive1() const
{
    return m_drive1;
}

QTreeWidget* BranchwiseBase::TreeView1() const
{
    return m_treeView1;
}

const ImageList& BranchwiseBase::imgNode(int index) const
{
    return *m_imgNode.at(index == 1 ? 1 : 0);
}

int BranchwiseBase::ShownImageSet() const
{
    return m_treeView1->imageList() ? m_treeView1->imageList()->index() : -1;
}

QTreeWidgetItem* BranchwiseBase::NodeByKey(const QString& key) const
{
    return m_treeView1->nodeByKey(key);
}

QString BranchwiseBase::NodeFullPath(const QTreeWidgetItem* node) const
{
    return m_treeView1->fullPath(node);
}

void BranchwiseBase::Refresh()
{
    update();
}

void BranchwiseBase::OLEDrag()
{
    QTreeWidgetItem* node = m_treeView1->currentItem();
    if (!node)
        return;
    auto* drag = new QDrag(m_treeView1);
    drag->setMimeData(m_treeView1->folderData(node));
    drag->exec(Qt::CopyAction | Qt::MoveAction | Qt::LinkAction);
}

QString BranchwiseBase::LastErrorText() const
{
    switch (m_lastError) {
    case 0: return {};
    case ErrorNotAvailableAtDesignTime: return tr("デザイン時にはこのプロパティを設定できません。");
    case ErrorInvalidPropertyValue: return tr("プロパティの値が不正です。");
    default: return tr("エラー %1").arg(m_lastError);
    }
}

void BranchwiseBase::raiseError(int number)
{
    m_lastError = number;
    Q_EMIT Error(number, LastErrorText());
}

void BranchwiseBase::notify(const char* name)
{
    if (m_reading)
        return;
    Q_EMIT PropertyChanged(QString::fromLatin1(name));
}

// Layout: the drive list across the top at its own height, the tree below it after a gap of ten
// twips; a control shorter than that still gives the tree a positive height.
void BranchwiseBase::layoutConstituents()
{
    const QRect area = contentsRect();
    const int driveHeight = m_drive1->sizeHint().height();
    m_drive1->setGeometry(area.left(), area.top(), area.width(), driveHeight);
    const int dpi = logicalDpiY() > 0 ? logicalDpiY() : 96;
    const int gap = qRound(TreeGapTwips * dpi / 1440.0);
    const int treeTop = driveHeight + gap;
    m_treeView1->setGeometry(area.left(), area.top() + treeTop, area.width(),
                             std::abs(area.height() - treeTop));
}

void BranchwiseBase::resizeEvent(QResizeEvent* event)
{
    QFrame::resizeEvent(event);
    layoutConstituents();
}

void BranchwiseBase::applySurfaceColors()
{
    QPalette palette = this->palette();
    const QPalette base = QApplication::palette();
    palette.setColor(QPalette::Window, ToQColor(m_backColor, base));
    palette.setColor(QPalette::WindowText, ToQColor(m_foreColor, base));
    setPalette(palette);
}

void BranchwiseBase::applyObjectBackColor()
{
    const QColor color = ToQColor(m_objectBackColor, QApplication::palette());
    QPalette drive = m_drive1->palette();
    drive.setColor(QPalette::Base, color);
    drive.setColor(QPalette::Button, color);
    m_drive1->setPalette(drive);
    QPalette tree = m_treeView1->palette();
    tree.setColor(QPalette::Base, color);
    m_treeView1->setPalette(tree);
    m_treeView1->viewport()->update();
    m_imgNode[0]->setBackColor(color);
    m_imgNode[1]->setBackColor(color);
}

void BranchwiseBase::applyObjectForeColor()
{
    QPalette drive = m_drive1->palette();
    const QColor color = ToQColor(m_objectForeColor, QApplication::palette());
    drive.setColor(QPalette::Text, color);
    drive.setColor(QPalette::ButtonText, color);
    m_drive1->setPalette(drive);
}

void BranchwiseBase::setViewType(ViewTypeConstants value)
{
    m_viewType = value;
    Q_EMIT ViewTypeChanged();
    notify("ViewType");
}

void BranchwiseBase::setBackColor(quint32 value)
{
    m_backColor = value;
    applySurfaceColors();
    Q_EMIT BackColorChanged();
    notify("BackColor");
}

void BranchwiseBase::setForeColor(quint32 value)
{
    m_foreColor = value;
    applySurfaceColors();
    Q_EMIT ForeColorChanged();
    notify("ForeColor");
}

void BranchwiseBase::setEnabledProperty(bool value)
{
    setEnabled(value);
    Q_EMIT EnabledChanged();
    notify("Enabled");
}

void BranchwiseBase::setFontProperty(const QFont& value)
{
    setFont(value);
    layoutConstituents();
    Q_EMIT FontChanged();
    notify("Font");
}

void BranchwiseBase::setBackStyle(qint16 value)
{
    if (value != 0 && value != 1) {
        raiseError(ErrorInvalidPropertyValue);
        return;
    }
    m_backStyle = value;
    setAutoFillBackground(value == 1);
    update();
    Q_EMIT BackStyleChanged();
    notify("BackStyle");
}

void BranchwiseBase::setBorderStyle(qint16 value)
{
    if (value != 0 && value != 1) {
        raiseError(ErrorInvalidPropertyValue);
        return;
    }
    m_borderStyle = value;
    setFrameStyle(value == 1 ? (QFrame::Box | QFrame::Plain) : QFrame::NoFrame);
    layoutConstituents();
    Q_EMIT BorderStyleChanged();
    notify("BorderStyle");
}

bool BranchwiseBase::StoreCurrentDirectory(const QString& value)
{
    if (!m_userMode) {
        raiseError(ErrorNotAvailableAtDesignTime);
        return false;
    }
    m_lastError = 0;
    m_currentDirectory = value;
    Q_EMIT CurrentDirectoryChanged();
    notify("CurrentDirectory");
    return true;
}

void BranchwiseBase::setCurrentDirectory(const QString& value)
{
    StoreCurrentDirectory(value);
}

void BranchwiseBase::setImageType(ImageTypeConstants value)
{
    m_imageType = value;
    Q_EMIT ImageTypeChanged();
    notify("ImageType");
}

void BranchwiseBase::setQuickMode(bool value)
{
    m_quickMode = value;
    Q_EMIT QuickModeChanged();
    notify("QuickMode");
}

void BranchwiseBase::setOLEDragMode(qint32 value)
{
    if (value != 0 && value != 1) {
        raiseError(ErrorInvalidPropertyValue);
        return;
    }
    m_oleDragMode = value;
    m_treeView1->setDragMode(value);
    m_treeView1->setAcceptDrops(m_oleDropMode != 0);
    Q_EMIT OLEDragModeChanged();
    notify("OLEDragMode");
}

void BranchwiseBase::setOLEDropMode(qint32 value)
{
    if (value < 0 || value > 2) {
        raiseError(ErrorInvalidPropertyValue);
        return;
    }
    m_oleDropMode = value;
    m_treeView1->setAcceptDrops(value != 0);
    Q_EMIT OLEDropModeChanged();
    notify("OLEDropMode");
}

void BranchwiseBase::setObjectBackColor(quint32 value)
{
    m_objectBackColor = value;
    applyObjectBackColor();
    Q_EMIT ObjectBackColorChanged();
    notify("ObjectBackColor");
}

void BranchwiseBase::setObjectForeColor(quint32 value)
{
    m_objectForeColor = value;
    applyObjectForeColor();
    Q_EMIT ObjectForeColorChanged();
    notify("ObjectForeColor");
}

void BranchwiseBase::setLabelEdit(qint32 value)
{
    if (value != 0 && value != 1) {
        raiseError(ErrorInvalidPropertyValue);
        return;
    }
    m_labelEdit = value;
    m_treeView1->setLabelEditMode(value);
    Q_EMIT LabelEditChanged();
    notify("LabelEdit");
}

void BranchwiseBase::setTreeLabelEdit(qint32 value)
{
    if (value != 0 && value != 1) {
        raiseError(ErrorInvalidPropertyValue);
        return;
    }
    m_labelEdit = value;
    m_treeView1->setLabelEditMode(value);
    Q_EMIT TreeLabelEditChanged();
    notify("TreeLabelEdit");
}

} // namespace branchwise
