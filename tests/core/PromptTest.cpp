#include "ui/MessageBoxPrompter.h"
#include "tests/support/TestSupport.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

using namespace velmora;

namespace {

// Clicks the button with the given text on the next message box that opens.
void clickWhenShown(const QString& buttonText, QString* seenTitle)
{
    QTimer::singleShot(0, [=] {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            auto* box = qobject_cast<QMessageBox*>(widget);
            if (!box || !box->isVisible())
                continue;
            *seenTitle = box->windowTitle();
            for (QAbstractButton* button : box->buttons())
                if (button->text() == buttonText)
                    button->click();
            return;
        }
        clickWhenShown(buttonText, seenTitle);
    });
}

} // namespace

TEST(MessageBoxPrompter, ButtonsMapToAnswers)
{
    MessageBoxPrompter prompter;
    const std::tuple<PromptKind, const char*, Answer> cases[] = {
        {PromptKind::AbortRetryIgnore, "中止(&A)", Answer::Abort},
        {PromptKind::AbortRetryIgnore, "再試行(&R)", Answer::Retry},
        {PromptKind::AbortRetryIgnore, "無視(&I)", Answer::Ignore},
        {PromptKind::Warning, "OK", Answer::Ok},
        {PromptKind::YesNo, "いいえ(&N)", Answer::No},
        {PromptKind::OkCancel, "キャンセル", Answer::Cancel},
    };
    for (const auto& [kind, button, expected] : cases) {
        QString title;
        clickWhenShown(QString::fromUtf8(button), &title);
        EXPECT_EQ(prompter.ask({kind, QStringLiteral("text")}), expected) << button;
        EXPECT_EQ(title, QStringLiteral("Velmora"));
    }
}

TEST(ScriptedPrompter, AnswersInOrderThenTheSafeDefault)
{
    ScriptedPrompter prompter{Answer::Retry, Answer::Yes};
    PrompterScope scope(prompter);
    EXPECT_EQ(AskAbortRetryIgnore(QStringLiteral("1")), Answer::Retry);
    EXPECT_TRUE(AskYesNo(QStringLiteral("2")));
    EXPECT_EQ(AskAbortRetryIgnore(QStringLiteral("3")), Answer::Abort);
    EXPECT_FALSE(AskYesNo(QStringLiteral("4")));
    EXPECT_EQ(prompter.texts(), (QStringList{"1", "2", "3", "4"}));
}
