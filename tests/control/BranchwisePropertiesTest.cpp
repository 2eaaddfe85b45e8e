// The control's surface seen from a host: creation by identifier, members by name, notifications,
// the design-mode rule and the property page.
#include "TreeFixture.h"

#include "branchwise/ControlFactory.h"
#include "branchwise/PropertyPage.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QMetaProperty>
#include <QStyleOptionViewItem>
#include <QTreeWidget>

namespace branchwise::test {

TEST(ControlFactory, CreatesTheControlByItsIdentifier)
{
    std::unique_ptr<QWidget> control(CreateControl(QStringLiteral("Branchwise.BranchwiseBase")));
    ASSERT_NE(control, nullptr);
    EXPECT_NE(qobject_cast<BranchwiseBase*>(control.get()), nullptr);
    std::unique_ptr<QWidget> lower(CreateControl(QStringLiteral("branchwise.branchwisebase")));
    EXPECT_NE(lower, nullptr);
    EXPECT_EQ(CreateControl(QStringLiteral("Branchwise.Other")), nullptr);
    EXPECT_EQ(RegisteredControls(), QStringList{"Branchwise.BranchwiseBase"});
}

TEST(ControlFactory, HostReachesMembersByName)
{
    velmora::test::TempFolder root;
    ASSERT_TRUE(QDir().mkpath(root.file("pics/2024")));
    std::unique_ptr<QWidget> control(CreateControl(QStringLiteral("Branchwise.BranchwiseBase")));
    QSignalSpy changes(control.get(), SIGNAL(ChangeDirectory()));
    ASSERT_TRUE(changes.isValid());
    EXPECT_TRUE(control->setProperty("CurrentDirectory", root.file("pics/2024/")));
    EXPECT_TRUE(control->setProperty("ImageType", 1));
    EXPECT_TRUE(control->setProperty("ObjectBackColor", 0x00C0FFEEu));
    EXPECT_TRUE(control->setProperty("QuickMode", false));
    ASSERT_TRUE(QMetaObject::invokeMethod(control.get(), "ApInit"));
    EXPECT_EQ(changes.count(), 1);
    EXPECT_EQ(control->property("CurrentDirectory").toString(), root.file("pics/2024/"));
    EXPECT_EQ(control->property("ImageType").toInt(), 1);
    EXPECT_FALSE(control->property("QuickMode").toBool());
}

TEST(BranchwiseBase, InterfaceMembersComeInTheirDeclarationOrder)
{
    const QMetaObject& meta = BranchwiseBase::staticMetaObject;
    QStringList properties;
    for (int i = meta.propertyOffset(); i < meta.propertyCount(); ++i)
        properties.append(QString::fromLatin1(meta.property(i).name()));
    const QStringList table = {
        "ViewType",        "BackColor",        "ForeColor", "Enabled",      "Font",        "BackStyle",
        "BorderStyle",     "CurrentDirectory", "ImageType", "QuickMode",    "OLEDragMode", "OLEDropMode",
        "ObjectBackColor", "ObjectForeColor",  "LabelEdit", "TreeLabelEdit"};
    EXPECT_EQ(properties.mid(0, table.size()), table);
    for (const QString& name : table) {
        const QMetaProperty property = meta.property(meta.indexOfProperty(name.toLatin1()));
        EXPECT_TRUE(property.hasNotifySignal()) << name.toStdString();
        EXPECT_TRUE(property.isWritable()) << name.toStdString();
    }
    QStringList events;
    for (int i = meta.methodOffset(); i < meta.methodCount(); ++i) {
        const QMetaMethod method = meta.method(i);
        const QString name = QString::fromLatin1(method.name());
        if (method.methodType() == QMetaMethod::Signal && !name.endsWith(QLatin1String("Changed")) &&
            name != QLatin1String("Error"))
            events.append(name);
    }
    EXPECT_EQ(events, (QStringList{"AfterLabelEdit", "BeforeLabelEdit", "OLEDragDrop", "OLEDragOver", "Click",
                                   "DblClick", "KeyDown", "KeyPress", "KeyUp", "MouseDown", "MouseMove",
                                   "MouseUp", "ChangeDirectory"}));
    EXPECT_GE(meta.indexOfMethod("ApInit()"), 0);
    EXPECT_GE(meta.indexOfMethod("Refresh()"), 0);
    EXPECT_GE(meta.indexOfMethod("OLEDrag()"), 0);
}

TEST(BranchwiseBase, NewControlStartsWithItsInitialProperties)
{
    BranchwiseBase control;
    EXPECT_EQ(control.ViewType(), BranchwiseBase::DriveSelect);
    EXPECT_EQ(control.ImageType(), BranchwiseBase::Normal);
    EXPECT_TRUE(control.QuickMode());
    EXPECT_TRUE(control.CurrentDirectory().isEmpty());
    EXPECT_EQ(control.ObjectBackColor(), 16777215u);
    EXPECT_EQ(control.ObjectForeColor(), 0u);
    EXPECT_EQ(control.LabelEdit(), 1);
    EXPECT_EQ(control.TreeView1()->topLevelItemCount(), 0);
    EXPECT_EQ(control.Drive1()->itemData(0).toString(), QStringLiteral("/"));
}

TEST(BranchwiseBase, EverySetterNotifiesByThePropertysName)
{
    BranchwiseBase control;
    QSignalSpy changed(&control, &BranchwiseBase::PropertyChanged);
    const QList<QPair<const char*, QVariant>> writes = {{"ViewType", 1},
                                                        {"BackColor", 0xFFu},
                                                        {"ForeColor", 0x00FF00u},
                                                        {"Enabled", false},
                                                        {"Font", QFont("Sans", 13)},
                                                        {"BackStyle", 0},
                                                        {"BorderStyle", 1},
                                                        {"CurrentDirectory", "/tmp/"},
                                                        {"ImageType", 1},
                                                        {"QuickMode", false},
                                                        {"OLEDragMode", 1},
                                                        {"OLEDropMode", 1},
                                                        {"ObjectBackColor", 0xEEu},
                                                        {"ObjectForeColor", 0x11u},
                                                        {"LabelEdit", 0},
                                                        {"TreeLabelEdit", 1}};
    for (const auto& [name, value] : writes) {
        changed.clear();
        ASSERT_TRUE(control.setProperty(name, value)) << name;
        ASSERT_EQ(changed.count(), 1) << name;
        EXPECT_EQ(changed.first().first().toString(), QString::fromLatin1(name));
    }
    EXPECT_EQ(control.LabelEdit(), 1);
    EXPECT_EQ(control.ViewType(), BranchwiseBase::Explorer);
}

TEST(BranchwiseBase, LabelEditAndTreeLabelEditAreOneMode)
{
    BranchwiseBase control;
    control.setLabelEdit(0);
    EXPECT_EQ(control.TreeLabelEdit(), 0);
    EXPECT_NE(control.TreeView1()->editTriggers(), QAbstractItemView::NoEditTriggers);
    control.setTreeLabelEdit(1);
    EXPECT_EQ(control.LabelEdit(), 1);
    EXPECT_EQ(control.TreeView1()->editTriggers(), QAbstractItemView::NoEditTriggers);
}

TEST(BranchwiseBase, LabelEditEventsMayCancelOrChangeTheEdit)
{
    velmora::test::TempFolder root;
    ASSERT_TRUE(QDir().mkpath(root.file("a/b")));
    BranchwiseBase control;
    control.setCurrentDirectory(root.file("a/"));
    control.ApInit();
    control.setLabelEdit(0);
    QTreeWidgetItem* node = control.NodeByKey(root.file("a/b"));
    ASSERT_NE(node, nullptr);
    QTreeWidget* tree = control.TreeView1();
    const QModelIndex index = tree->indexFromItem(node);

    qint16 refuseStart = 1;
    QObject::connect(&control, &BranchwiseBase::BeforeLabelEdit,
                     [&](qint16& cancel) { cancel = refuseStart; });
    QStyleOptionViewItem option;
    EXPECT_EQ(tree->itemDelegate()->createEditor(tree->viewport(), option, index), nullptr);
    refuseStart = 0;
    std::unique_ptr<QWidget> editor(tree->itemDelegate()->createEditor(tree->viewport(), option, index));
    auto* line = qobject_cast<QLineEdit*>(editor.get());
    ASSERT_NE(line, nullptr);

    qint16 refuseEnd = 1;
    QObject::connect(&control, &BranchwiseBase::AfterLabelEdit, [&](qint16& cancel, QString& newString) {
        cancel = refuseEnd;
        newString = newString.toUpper();
    });
    line->setText(QStringLiteral("renamed"));
    tree->itemDelegate()->setModelData(line, tree->model(), index);
    EXPECT_EQ(node->text(0), QStringLiteral("b"));
    refuseEnd = 0;
    tree->itemDelegate()->setModelData(line, tree->model(), index);
    EXPECT_EQ(node->text(0), QStringLiteral("RENAMED"));
}

TEST(BranchwiseBase, RefusedValueKeepsTheConstituentsValue)
{
    BranchwiseBase control;
    QSignalSpy errors(&control, &BranchwiseBase::Error);
    control.setOLEDropMode(7);
    EXPECT_EQ(control.OLEDropMode(), 0);
    EXPECT_EQ(control.LastError(), BranchwiseBase::ErrorInvalidPropertyValue);
    EXPECT_EQ(errors.count(), 1);
}

TEST(BranchwiseBase, CurrentDirectoryInDesignModeFailsWith382)
{
    BranchwiseBase control;
    control.setCurrentDirectory(QStringLiteral("/first/"));
    control.setAmbientUserMode(false);
    QSignalSpy errors(&control, &BranchwiseBase::Error);
    QSignalSpy changed(&control, &BranchwiseBase::PropertyChanged);
    control.setProperty("CurrentDirectory", QStringLiteral("/second/"));
    EXPECT_EQ(control.CurrentDirectory(), QStringLiteral("/first/"));
    EXPECT_EQ(control.LastError(), 382);
    ASSERT_EQ(errors.count(), 1);
    EXPECT_EQ(errors.first().first().toInt(), 382);
    EXPECT_EQ(changed.count(), 0);
    // Other properties stay writable while designing.
    control.setQuickMode(false);
    EXPECT_FALSE(control.QuickMode());
    control.setAmbientUserMode(true);
    control.setCurrentDirectory(QStringLiteral("/second/"));
    EXPECT_EQ(control.CurrentDirectory(), QStringLiteral("/second/"));
    EXPECT_EQ(control.LastError(), 0);
}

TEST(BranchwiseBase, ViewTypeChangesNothingButItself)
{
    velmora::test::TempFolder root;
    ASSERT_TRUE(QDir().mkpath(root.file("a/b")));
    auto build = [&](BranchwiseBase::ViewTypeConstants type) {
        BranchwiseBase control;
        control.setViewType(type);
        control.setCurrentDirectory(root.file("a/"));
        control.ApInit();
        return QStringList{control.CurrentDirectory(),
                           control.NodeFullPath(control.TreeView1()->currentItem()),
                           QString::number(control.TreeView1()->geometry().top())};
    };
    EXPECT_EQ(build(BranchwiseBase::DriveSelect), build(BranchwiseBase::Explorer));
}

TEST(PropertyPage, ShowsAndSetsOnlyTheFirstSelectedControl)
{
    BranchwiseBase first;
    BranchwiseBase second;
    first.setQuickMode(false);
    second.setQuickMode(true);
    BranchwisePropertyPage page;
    page.SelectionChanged({&first, &second});
    EXPECT_FALSE(page.chkQuickMode()->isChecked());
    EXPECT_FALSE(page.Changed());
    page.chkQuickMode()->click();
    EXPECT_TRUE(page.Changed());
    page.ApplyChanges();
    EXPECT_TRUE(first.QuickMode());
    EXPECT_TRUE(second.QuickMode());
    page.chkQuickMode()->click();
    page.ApplyChanges();
    EXPECT_FALSE(first.QuickMode());
    EXPECT_TRUE(second.QuickMode());
    EXPECT_FALSE(page.Changed());
}

} // namespace branchwise::test
