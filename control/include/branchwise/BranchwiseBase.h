#pragma once
// BranchwiseBase: a drive list above a lazily filled folder tree; the one control of Branchwise.
//
// Hosts normally create it by name (ControlFactory.h) and reach its members through Qt's meta-object
// system: properties ("CurrentDirectory", "QuickMode", ...), the invokable methods ApInit, Refresh
// and OLEDrag, and the signals named after the control's events (ChangeDirectory, Click, ...).
// Event arguments that a handler may change are passed by reference; connect with a direct
// connection to change them.
//
// Errors: the control shows no messages and its operations stop silently at the first error. The one
// error it reports to the host is 382 (CurrentDirectory written while the host is in design mode):
// the value stays unchanged, LastError becomes 382 and the signal Error(382, text) is emitted.
#include "branchwise/branchwise_export.h"

#include <QFont>
#include <QFrame>
#include <QStringList>

#include <array>
#include <memory>

class QComboBox;
class QMimeData;
class QTreeWidget;
class QTreeWidgetItem;

namespace branchwise {

class DriveListBox;
class FolderTreeWidget;
class ImageList;
class PropertyBag;

class BRANCHWISE_EXPORT BranchwiseBase : public QFrame {
    Q_OBJECT
    // The members of the control's interface, in their declaration order.
    Q_PROPERTY(ViewTypeConstants ViewType READ ViewType WRITE setViewType NOTIFY ViewTypeChanged)
    Q_PROPERTY(quint32 BackColor READ BackColor WRITE setBackColor NOTIFY BackColorChanged)
    Q_PROPERTY(quint32 ForeColor READ ForeColor WRITE setForeColor NOTIFY ForeColorChanged)
    Q_PROPERTY(bool Enabled READ Enabled WRITE setEnabledProperty NOTIFY EnabledChanged)
    Q_PROPERTY(QFont Font READ Font WRITE setFontProperty NOTIFY FontChanged)
    Q_PROPERTY(qint16 BackStyle READ BackStyle WRITE setBackStyle NOTIFY BackStyleChanged)
    Q_PROPERTY(qint16 BorderStyle READ BorderStyle WRITE setBorderStyle NOTIFY BorderStyleChanged)
    Q_PROPERTY(QString CurrentDirectory READ CurrentDirectory WRITE setCurrentDirectory NOTIFY
                   CurrentDirectoryChanged)
    Q_PROPERTY(ImageTypeConstants ImageType READ ImageType WRITE setImageType NOTIFY ImageTypeChanged)
    Q_PROPERTY(bool QuickMode READ QuickMode WRITE setQuickMode NOTIFY QuickModeChanged)
    Q_PROPERTY(qint32 OLEDragMode READ OLEDragMode WRITE setOLEDragMode NOTIFY OLEDragModeChanged)
    Q_PROPERTY(qint32 OLEDropMode READ OLEDropMode WRITE setOLEDropMode NOTIFY OLEDropModeChanged)
    Q_PROPERTY(
        quint32 ObjectBackColor READ ObjectBackColor WRITE setObjectBackColor NOTIFY ObjectBackColorChanged)
    Q_PROPERTY(
        quint32 ObjectForeColor READ ObjectForeColor WRITE setObjectForeColor NOTIFY ObjectForeColorChanged)
    Q_PROPERTY(qint32 LabelEdit READ LabelEdit WRITE setLabelEdit NOTIFY LabelEditChanged)
    Q_PROPERTY(qint32 TreeLabelEdit READ TreeLabelEdit WRITE setTreeLabelEdit NOTIFY TreeLabelEditChanged)
    // Host side: the ambient user-mode flag (false while the host is designing) and the last error.
    Q_PROPERTY(bool AmbientUserMode READ AmbientUserMode WRITE setAmbientUserMode)
    Q_PROPERTY(int LastError READ LastError)

public:
    enum ViewTypeConstants { DriveSelect = 0, Explorer = 1 };
    Q_ENUM(ViewTypeConstants)
    enum ImageTypeConstants { Normal = 0, Copland = 1 };
    Q_ENUM(ImageTypeConstants)

    // Error numbers the control reports.
    static constexpr int ErrorNotAvailableAtDesignTime = 382;
    static constexpr int ErrorInvalidPropertyValue = 380;

    // Drive types of a drive root, as the platform's drive-type call numbers them.
    enum DriveKind {
        UnknownDrive = 0,
        NoRootDirectory = 1,
        Removable = 2,
        Fixed = 3,
        Remote = 4,
        CdRom = 5,
        RamDisk = 6
    };

    explicit BranchwiseBase(QWidget* parent = nullptr);
    ~BranchwiseBase() override;

    Q_INVOKABLE void ApInit();
    Q_INVOKABLE void Refresh();
    Q_INVOKABLE void OLEDrag();

    ViewTypeConstants ViewType() const { return m_viewType; }
    void setViewType(ViewTypeConstants value);
    quint32 BackColor() const { return m_backColor; }
    void setBackColor(quint32 value);
    quint32 ForeColor() const { return m_foreColor; }
    void setForeColor(quint32 value);
    bool Enabled() const { return isEnabled(); }
    void setEnabledProperty(bool value);
    QFont Font() const { return font(); }
    void setFontProperty(const QFont& value);
    qint16 BackStyle() const { return m_backStyle; }
    void setBackStyle(qint16 value);
    qint16 BorderStyle() const { return m_borderStyle; }
    void setBorderStyle(qint16 value);
    QString CurrentDirectory() const { return m_currentDirectory; }
    // Refused with error 382 while the host is in design mode.
    void setCurrentDirectory(const QString& value);
    ImageTypeConstants ImageType() const { return m_imageType; }
    void setImageType(ImageTypeConstants value);
    bool QuickMode() const { return m_quickMode; }
    void setQuickMode(bool value);
    qint32 OLEDragMode() const { return m_oleDragMode; }
    void setOLEDragMode(qint32 value);
    qint32 OLEDropMode() const { return m_oleDropMode; }
    void setOLEDropMode(qint32 value);
    quint32 ObjectBackColor() const { return m_objectBackColor; }
    void setObjectBackColor(quint32 value);
    quint32 ObjectForeColor() const { return m_objectForeColor; }
    void setObjectForeColor(quint32 value);
    qint32 LabelEdit() const { return m_labelEdit; }
    void setLabelEdit(qint32 value);
    qint32 TreeLabelEdit() const { return m_labelEdit; }
    void setTreeLabelEdit(qint32 value);

    bool AmbientUserMode() const { return m_userMode; }
    void setAmbientUserMode(bool userMode) { m_userMode = userMode; }
    // The number of the last error reported to the host (0 after a successful write), and its text.
    int LastError() const { return m_lastError; }
    QString LastErrorText() const;

    // True only inside ApInit: selections then raise no ChangeDirectory.
    bool Initialising() const { return m_initialising; }

    // Persistence into the container's property bag. Reading builds no tree; a value a constituent
    // refuses ends the reading with error 380 (returns false, LastError tells).
    void WriteProperties(PropertyBag& bag) const;
    bool ReadProperties(PropertyBag& bag);

    // The constituents, for hosts and tests that look inside.
    QComboBox* Drive1() const;
    QTreeWidget* TreeView1() const;
    const QStringList& lstDirBuf() const { return m_dirBuf; }
    const ImageList& imgNode(int index) const;
    // The index of the picture set the tree shows now (ImageType as of the last ApInit), -1 before.
    int ShownImageSet() const;
    // The node whose key is the path (the root's key is "root"), or null.
    QTreeWidgetItem* NodeByKey(const QString& key) const;
    // A node's folder path without the final separator ("/" for the root of "/").
    QString NodeFullPath(const QTreeWidgetItem* node) const;

Q_SIGNALS:
    void ViewTypeChanged();
    void BackColorChanged();
    void ForeColorChanged();
    void EnabledChanged();
    void FontChanged();
    void BackStyleChanged();
    void BorderStyleChanged();
    void CurrentDirectoryChanged();
    void ImageTypeChanged();
    void QuickModeChanged();
    void OLEDragModeChanged();
    void OLEDropModeChanged();
    void ObjectBackColorChanged();
    void ObjectForeColorChanged();
    void LabelEditChanged();
    void TreeLabelEditChanged();
    // The container's notice that a property changed and the control must be saved again.
    void PropertyChanged(const QString& name);
    // An error reported to the host (see the header comment).
    void Error(int number, const QString& description);

    // The control's events, in their declaration order.
    void AfterLabelEdit(qint16& Cancel, QString& NewString);
    void BeforeLabelEdit(qint16& Cancel);
    void OLEDragDrop(const QMimeData* Data, qint32& Effect, qint16& Button, qint16& Shift, float& x,
                     float& y);
    void OLEDragOver(const QMimeData* Data, qint32& Effect, qint16& Button, qint16& Shift, float& x, float& y,
                     qint16& State);
    void Click();
    void DblClick();
    void KeyDown(qint16& KeyCode, qint16& Shift);
    void KeyPress(qint16& KeyAscii);
    void KeyUp(qint16& KeyCode, qint16& Shift);
    void MouseDown(qint16& Button, qint16& Shift, float& x, float& y);
    void MouseMove(qint16& Button, qint16& Shift, float& x, float& y);
    void MouseUp(qint16& Button, qint16& Shift, float& x, float& y);
    void ChangeDirectory();

protected:
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    // Drive and folder enumeration.
    void Drive1_Change();
    void TreeView1_NodeSelected(QTreeWidgetItem* node);
    void TreeView1_Expand(QTreeWidgetItem* node);
    bool SelectNode(QTreeWidgetItem* node);
    void MarkExpanded(QTreeWidgetItem* node);
    void MarkSelected(QTreeWidgetItem* node);
    void BuildRoot();
    void FillChildren(QTreeWidgetItem* node);
    void ProbeSubfolder(const QString& key);
    void OpenCurrentDirectory();
    bool StoreCurrentDirectory(const QString& value);

    void layoutConstituents();
    void applyObjectBackColor();
    void applyObjectForeColor();
    void applySurfaceColors();
    void notify(const char* name);
    void raiseError(int number);
    void forwardDragEvent(QEvent* event);
    float toTwipsX(qreal pixels) const;
    float toTwipsY(qreal pixels) const;

    DriveListBox* m_drive1;
    FolderTreeWidget* m_treeView1;
    QStringList m_dirBuf;
    std::array<std::unique_ptr<ImageList>, 2> m_imgNode;

    ViewTypeConstants m_viewType = DriveSelect;
    ImageTypeConstants m_imageType = Normal;
    quint32 m_backColor = 0x8000000F;
    quint32 m_foreColor = 0x80000012;
    quint32 m_objectBackColor = 0xFFFFFF;
    quint32 m_objectForeColor = 0;
    qint16 m_backStyle = 1;
    qint16 m_borderStyle = 0;
    qint32 m_oleDragMode = 0;
    qint32 m_oleDropMode = 0;
    qint32 m_labelEdit = 1;
    QString m_currentDirectory;
    bool m_quickMode = true;
    bool m_initialising = false;
    bool m_userMode = true;
    int m_lastError = 0;
    // Set while the program itself moves the tree's selection or expands a node, so that the
    // tree's own notifications do not run the handlers a second time.
    bool m_programmatic = false;
    bool m_inExpand = false;
    bool m_reading = false;
    // The mouse went down on the node that was already selected: its click chooses it again.
    bool m_pressOnCurrent = false;
};

} // namespace branchwise
