#include "core/ShellRoutines.h"
#include "core/Prompt.h"
#include "tests/support/TestSupport.h"

#include <QDir>
#include <QFileInfo>
#include <QScopeGuard>
#include <QStandardPaths>

#include <gtest/gtest.h>

using namespace velmora;

TEST(ShellDelete, ConfirmsThenMovesToTheTrash)
{
    test::TempFolder home;
    // The trash of a test run lives in its own home, whose data folder does not exist yet.
    const QByteArray realHome = qgetenv("HOME");
    qputenv("HOME", home.path().toUtf8());
    const auto homeBack = qScopeGuard([&] { qputenv("HOME", realHome); });
    const QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    ASSERT_TRUE(data.startsWith(home.path()));
    ASSERT_FALSE(QFileInfo::exists(data));
    // A trash that went wrong would show beside the working folder.
    const QString workingFolder = QDir::currentPath();
    QDir::setCurrent(home.path());
    const auto back = qScopeGuard([&] { QDir::setCurrent(workingFolder); });
    test::TempFolder folder;
    const QString file = folder.file(QStringLiteral("doomed.lst"));
    test::WriteBytes(file, "x");

    ScriptedPrompter prompter{Answer::No, Answer::Yes};
    PrompterScope scope(prompter);
    EXPECT_EQ(ShellDelete(QString(), true), 0);
    EXPECT_EQ(prompter.count(), 0) << "an empty path asks nothing";

    EXPECT_NE(ShellDelete(file, true), 0) << "declined";
    EXPECT_TRUE(QFileInfo::exists(file));

    EXPECT_EQ(ShellDelete(file, true), 0);
    EXPECT_FALSE(QFileInfo::exists(file));
    // The data folder did not exist: the trash is made there, not beside the working folder.
    EXPECT_TRUE(QFileInfo::exists(data + QStringLiteral("/Trash/files/doomed.lst")));
    EXPECT_FALSE(QFileInfo::exists(home.file(QStringLiteral("files"))));
    EXPECT_EQ(prompter.count(), 2);
    EXPECT_EQ(prompter.requests()[1].kind, PromptKind::YesNo);
}

TEST(ShellDelete, FolderWithTrailingSeparatorAndFailures)
{
    test::TempFolder folder;
    QDir(folder.path()).mkpath(QStringLiteral("sub/inner"));
    ScriptedPrompter prompter{Answer::Yes, Answer::Yes};
    PrompterScope scope(prompter);
    EXPECT_EQ(ShellDelete(folder.file(QStringLiteral("sub/")), false), 0);
    EXPECT_FALSE(QFileInfo::exists(folder.file(QStringLiteral("sub"))));
    EXPECT_TRUE(prompter.texts()[0].contains(folder.file(QStringLiteral("sub'"))))
        << "asked without the separator";

    EXPECT_NE(ShellDelete(folder.file(QStringLiteral("missing")), true), 0);
    EXPECT_EQ(prompter.requests().last().kind, PromptKind::Warning);
}
