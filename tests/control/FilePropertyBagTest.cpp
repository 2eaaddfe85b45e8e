// Saving the control into a property bag and reading it back: order, defaults, refused values.
#include "branchwise/FilePropertyBag.h"
#include "branchwise/BranchwiseBase.h"
#include "tests/support/TestSupport.h"

#include <QFile>
#include <QHash>
#include <QSignalSpy>
#include <QTreeWidget>

#include <gtest/gtest.h>

namespace branchwise::test {

namespace {

// A bag in memory that records which keys were written and read, in order.
class RecordingBag : public PropertyBag {
public:
    QVariant ReadProperty(const QString& name, const QVariant& defaultValue) override
    {
        reads.append(name);
        return values.contains(name) ? FilePropertyBag::FromText(values.value(name), defaultValue)
                                     : defaultValue;
    }
    void WriteProperty(const QString& name, const QVariant& value, const QVariant&) override
    {
        writes.append(name);
        values.insert(name, FilePropertyBag::ToText(value));
    }
    QHash<QString, QString> values;
    QStringList reads;
    QStringList writes;
};

} // namespace

TEST(PropertyBag, WritesInTableOrderAndReadsInItsOwnOrder)
{
    BranchwiseBase control;
    RecordingBag bag;
    control.WriteProperties(bag);
    EXPECT_EQ(bag.writes, (QStringList{"Drive", "ViewType", "BackColor", "ForeColor", "Enabled", "Font",
                                       "BackStyle", "BorderStyle", "CurrentDirectory", "ImageType",
                                       "QuickMode", "OLEDragMode", "OLEDropMode", "ObjectBackColor",
                                       "ObjectForeColor", "LabelEdit", "TreeLabelEdit"}));
    BranchwiseBase loaded;
    ASSERT_TRUE(loaded.ReadProperties(bag));
    EXPECT_EQ(bag.reads, (QStringList{"BackColor", "ForeColor", "Enabled", "Font", "BackStyle", "BorderStyle",
                                      "CurrentDirectory", "ImageType", "ViewType", "QuickMode", "OLEDragMode",
                                      "OLEDropMode", "ObjectBackColor", "ObjectForeColor", "LabelEdit",
                                      "TreeLabelEdit"}));
}

TEST(PropertyBag, TreeLabelEditIsReadLastAndWins)
{
    RecordingBag bag;
    bag.values = {{"LabelEdit", "0"}, {"TreeLabelEdit", "1"}};
    BranchwiseBase control;
    ASSERT_TRUE(control.ReadProperties(bag));
    EXPECT_EQ(control.LabelEdit(), 1);
    bag.values = {{"LabelEdit", "1"}, {"TreeLabelEdit", "0"}};
    ASSERT_TRUE(control.ReadProperties(bag));
    EXPECT_EQ(control.LabelEdit(), 0);
}

TEST(PropertyBag, ReadingBuildsNoTreeAndTellsTheContainerNothing)
{
    RecordingBag bag;
    bag.values = {{"CurrentDirectory", "/tmp/"}, {"Drive", "/nonexistent"}, {"ObjectBackColor", "255"}};
    BranchwiseBase control;
    control.setAmbientUserMode(false); // the stored value is read without the design-mode check
    QSignalSpy changed(&control, &BranchwiseBase::PropertyChanged);
    ASSERT_TRUE(control.ReadProperties(bag));
    EXPECT_EQ(control.CurrentDirectory(), QStringLiteral("/tmp/"));
    EXPECT_EQ(control.ObjectBackColor(), 255u);
    EXPECT_EQ(control.TreeView1()->topLevelItemCount(), 0);
    EXPECT_EQ(changed.count(), 0);
    EXPECT_FALSE(bag.reads.contains("Drive"));
}

TEST(PropertyBag, RefusedValueEndsTheReading)
{
    RecordingBag bag;
    bag.values = {{"BackStyle", "7"}, {"QuickMode", "False"}};
    BranchwiseBase control;
    EXPECT_FALSE(control.ReadProperties(bag));
    EXPECT_EQ(control.LastError(), BranchwiseBase::ErrorInvalidPropertyValue);
    EXPECT_EQ(bag.reads.last(), QStringLiteral("BackStyle"));
    EXPECT_TRUE(control.QuickMode());
    EXPECT_EQ(control.BackStyle(), 1);

    RecordingBag text;
    text.values = {{"QuickMode", "perhaps"}};
    EXPECT_FALSE(control.ReadProperties(text));
    EXPECT_EQ(text.reads.last(), QStringLiteral("QuickMode"));
}

TEST(FilePropertyBag, RoundTripKeepsEveryPropertyAndOmitsDefaults)
{
    velmora::test::TempFolder folder;
    const QString path = folder.file("control.bag");
    {
        BranchwiseBase control;
        control.setViewType(BranchwiseBase::Explorer);
        control.setCurrentDirectory(QStringLiteral("/srv/写真/"));
        control.setQuickMode(false);
        control.setImageType(BranchwiseBase::Copland);
        control.setObjectBackColor(0x80000005);
        control.setObjectForeColor(0x00123456);
        control.setBorderStyle(1);
        control.setLabelEdit(1);
        FilePropertyBag bag(path);
        control.WriteProperties(bag);
        ASSERT_TRUE(bag.save());
        // Manual label editing equals the default: neither label-edit key is stored.
        EXPECT_FALSE(bag.keys().contains("LabelEdit"));
        EXPECT_FALSE(bag.keys().contains("TreeLabelEdit"));
        EXPECT_FALSE(bag.keys().contains("BackColor"));
        EXPECT_EQ(bag.text("ObjectBackColor"), QStringLiteral("2147483653"));
    }
    FilePropertyBag bag(path);
    ASSERT_TRUE(bag.load());
    BranchwiseBase control;
    ASSERT_TRUE(control.ReadProperties(bag));
    EXPECT_EQ(control.ViewType(), BranchwiseBase::Explorer);
    EXPECT_EQ(control.CurrentDirectory(), QStringLiteral("/srv/写真/"));
    EXPECT_FALSE(control.QuickMode());
    EXPECT_EQ(control.ImageType(), BranchwiseBase::Copland);
    EXPECT_EQ(control.ObjectBackColor(), 0x80000005u);
    EXPECT_EQ(control.ObjectForeColor(), 0x00123456u);
    EXPECT_EQ(control.BorderStyle(), 1);
    EXPECT_EQ(control.BackColor(), 0x8000000Fu);
    EXPECT_EQ(control.LabelEdit(), 1);
}

TEST(FilePropertyBag, MissingFileIsAnEmptyBagAndRewritingDropsDefaults)
{
    velmora::test::TempFolder folder;
    FilePropertyBag bag(folder.file("none.bag"));
    ASSERT_TRUE(bag.load());
    EXPECT_TRUE(bag.keys().isEmpty());
    EXPECT_EQ(bag.ReadProperty("QuickMode", true), QVariant(true));
    bag.WriteProperty("QuickMode", false, true);
    EXPECT_EQ(bag.text("QuickMode"), QStringLiteral("False"));
    bag.WriteProperty("QuickMode", true, true);
    EXPECT_TRUE(bag.keys().isEmpty());
}

TEST(FilePropertyBag, ReadsCrLfAndLaterDuplicatesWin)
{
    velmora::test::TempFolder folder;
    velmora::test::WriteBytes(folder.file("a.bag"),
                              "ImageType=1\r\nnonsense\r\nImageType=0\r\nViewType=1\r\n");
    FilePropertyBag bag(folder.file("a.bag"));
    ASSERT_TRUE(bag.load());
    EXPECT_EQ(bag.keys(), (QStringList{"ImageType", "ViewType"}));
    EXPECT_EQ(bag.ReadProperty("ImageType", 5).toInt(), 0);
    EXPECT_FALSE(bag.ReadProperty("ViewType", QVariant::fromValue<qint64>(0)).isNull());
}

} // namespace branchwise::test
