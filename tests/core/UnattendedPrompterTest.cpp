#include "core/UnattendedPrompter.h"

#include <gtest/gtest.h>

#include <cstdio>

using namespace velmora;

namespace {

QByteArray written(std::FILE* file)
{
    std::rewind(file);
    QByteArray bytes;
    char buffer[256];
    while (const size_t got = std::fread(buffer, 1, sizeof buffer, file))
        bytes.append(buffer, qsizetype(got));
    return bytes;
}

} // namespace

TEST(UnattendedPrompter, NoticesArePrintedAndLeaveTheRunSuccessful)
{
    std::FILE* out = std::tmpfile();
    ASSERT_NE(out, nullptr);
    UnattendedPrompter prompter(out);
    PrompterScope scope(prompter);
    ShowNotice(QStringLiteral("巡回完了"));
    ShowInformation(QStringLiteral("情報"));
    EXPECT_FALSE(prompter.reported());
    EXPECT_EQ(written(out), QStringLiteral("velmora: 巡回完了\nvelmora: 情報\n").toUtf8());
    std::fclose(out);
}

TEST(UnattendedPrompter, FailuresAndQuestionsAreReportedAndAnsweredWithoutAChange)
{
    std::FILE* out = std::tmpfile();
    ASSERT_NE(out, nullptr);
    UnattendedPrompter prompter(out);
    PrompterScope scope(prompter);
    ShowWarning(QStringLiteral("リストの項目が多すぎます。\n/p/a.lst"));
    EXPECT_TRUE(prompter.reported());
    EXPECT_EQ(AskAbortRetryIgnore(QStringLiteral("x")), Answer::Abort) << "never Retry: no loop";
    EXPECT_FALSE(AskYesNo(QStringLiteral("y")));
    EXPECT_FALSE(AskOkCancel(QStringLiteral("z")));
    EXPECT_FALSE(AskText(QStringLiteral("名前"), QStringLiteral("t")).has_value());
    const QByteArray text = written(out);
    EXPECT_TRUE(text.startsWith(QStringLiteral("velmora: リストの項目が多すぎます。 /p/a.lst\n").toUtf8()))
        << "one line a message";
    EXPECT_EQ(text.count('\n'), 5);
    std::fclose(out);

    std::FILE* other = std::tmpfile();
    ASSERT_NE(other, nullptr);
    {
        UnattendedPrompter question(other);
        PrompterScope questionScope(question);
        AskYesNo(QStringLiteral("消しますか"));
        EXPECT_TRUE(question.reported()) << "a question nobody answered is a report too";
    }
    std::fclose(other);
}
