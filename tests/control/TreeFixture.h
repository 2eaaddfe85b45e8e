#pragma once
// A Branchwise control over a real temporary folder tree.
#include "branchwise/BranchwiseBase.h"
#include "tests/support/TestSupport.h"

#include <QComboBox>
#include <QDir>
#include <QSignalSpy>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <memory>

namespace branchwise::test {

class TreeFixture : public ::testing::Test {
protected:
    TreeFixture()
        : control(std::make_unique<BranchwiseBase>())
        , changes(control.get(), &BranchwiseBase::ChangeDirectory)
    {
        control->resize(300, 400);
    }

    // Creates the folders (paths relative to the temporary folder, "/"-separated) in the order given.
    void makeFolders(std::initializer_list<const char*> paths)
    {
        for (const char* path : paths)
            ASSERT_TRUE(QDir().mkpath(root.file(QString::fromUtf8(path))));
    }
    // A path below the temporary folder, without the final "/".
    QString at(const QString& relative) const { return root.path() + relative; }

    void openAt(const QString& relative, bool quickMode = true)
    {
        control->setQuickMode(quickMode);
        control->setCurrentDirectory(at(relative));
        control->ApInit();
    }

    QTreeWidgetItem* node(const QString& relative) const { return control->NodeByKey(at(relative)); }
    QStringList childTexts(const QString& relative) const
    {
        QStringList texts;
        if (QTreeWidgetItem* parent = node(relative)) {
            for (int i = 0; i < parent->childCount(); ++i)
                texts.append(parent->child(i)->text(0));
        }
        return texts;
    }
    QString currentPath() const { return control->NodeFullPath(control->TreeView1()->currentItem()); }

    velmora::test::TempFolder root;
    std::unique_ptr<BranchwiseBase> control;
    QSignalSpy changes;
};

} // namespace branchwise::test
