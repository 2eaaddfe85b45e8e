#include "tests/support/TestSupport.h"

#include "core/Steps.h"
#include "core/jobs/Job.h"

#include <QImage>
#include <QSignalSpy>
#include <QThread>

#include <gtest/gtest.h>

#include <atomic>

using namespace velmora;
using namespace velmora::test;

namespace {

template <class T> bool finish(Job<T>& job)
{
    return WaitUntil([&] { return !job.isRunning(); });
}

Failure failing(const QString& text)
{
    return Failure(ErrorCode::FileNotFound, text);
}

} // namespace

TEST(Job, RunsOnAPoolThreadAndReportsProgressAndItsValueOnTheOwnersThread)
{
    Job<int> job;
    QSignalSpy progress(&job, &JobBase::progressValueChanged);
    std::atomic<bool> onWorker = false;
    QThread* workerThread = nullptr;
    job.start([&](JobControl& control) {
        onWorker = OnJobThread();
        workerThread = QThread::currentThread();
        control.setProgressRange(0, 3);
        for (int i = 1; i <= 3; ++i)
            control.setProgressValue(i);
        return 42;
    });
    EXPECT_TRUE(job.isRunning());
    ASSERT_TRUE(finish(job));
    EXPECT_TRUE(onWorker);
    EXPECT_NE(workerThread, QThread::currentThread());
    EXPECT_FALSE(OnJobThread());
    ASSERT_TRUE(job.outcome().ok());
    EXPECT_EQ(*job.outcome().value, 42);
    EXPECT_FALSE(progress.isEmpty());
    EXPECT_EQ(progress.last().at(0).toInt(), 3);
}

TEST(Job, TheValueArrivesUnsharedSoItsFirstWriteCopiesNothing)
{
    Job<QImage> job;
    job.start([](JobControl&) {
        QImage image(64, 64, QImage::Format_RGB32);
        image.fill(Qt::red);
        return image;
    });
    ASSERT_TRUE(finish(job));
    Outcome<QImage> outcome = job.takeOutcome();
    ASSERT_TRUE(outcome.ok());
    EXPECT_TRUE(outcome.value->isDetached()) << "a copy left in the job's future";
}

TEST(Job, AFailureComesBackAsAValue)
{
    Job<int> job;
    job.start([](JobControl&) -> int { throw failing(QStringLiteral("ファイルが見つかりません。")); });
    ASSERT_TRUE(finish(job));
    EXPECT_FALSE(job.outcome().ok());
    ASSERT_TRUE(job.outcome().failure.has_value());
    EXPECT_EQ(job.outcome().failure->text(), QStringLiteral("ファイルが見つかりません。"));
}

TEST(Job, CancelStopsTheWorkAtItsNextCheck)
{
    Job<int> job;
    std::atomic<int> rounds = 0;
    job.start([&](JobControl& control) {
        while (!control.isCanceled()) {
            ++rounds;
            QThread::msleep(1);
        }
        return 1;
    });
    ASSERT_TRUE(WaitUntil([&] { return rounds > 0; }));
    job.cancel();
    ASSERT_TRUE(finish(job));
    EXPECT_TRUE(job.outcome().canceled);
}

TEST(Job, AFailingStepPausesTheJobWhileTheWindowThreadAsks)
{
    for (const Answer answer : {Answer::Retry, Answer::Ignore, Answer::Abort}) {
        ScriptedPrompter prompter{answer};
        PrompterScope scope(prompter);
        Job<QStringList> job;
        job.start([](JobControl&) {
            QStringList ran;
            int attempts = 0;
            Steps steps;
            steps([&] {
                ran << QStringLiteral("first");
                if (++attempts == 1)
                    throw failing(QStringLiteral("読めません。"));
            })([&] { ran << QStringLiteral("second"); });
            return ran;
        });
        ASSERT_TRUE(finish(job));
        ASSERT_TRUE(job.outcome().ok());
        EXPECT_EQ(prompter.texts(), QStringList{"読めません。"}) << "asked through the program's prompter";
        const QStringList ran = *job.outcome().value;
        switch (answer) {
        case Answer::Retry: EXPECT_EQ(ran, (QStringList{"first", "first", "second"})); break;
        case Answer::Ignore: EXPECT_EQ(ran, (QStringList{"first", "second"})); break;
        default: EXPECT_EQ(ran, QStringList{"first"}); break;
        }
    }
}

TEST(Job, AJobWaitingForAnAnswerGivesUpWhenCancelledOrWhenItsOwnerGoes)
{
    // A prompter that never answers by itself: the question stays open, as a dialog would.
    struct Silent final : Prompter {
        int asked = 0;
        Answer ask(const PromptRequest&) override
        {
            ++asked;
            return Answer::Retry;
        }
        std::optional<QString> askText(const TextRequest&) override { return std::nullopt; }
    } prompter;
    PrompterScope scope(prompter);

    std::atomic<int> answer = -1;
    std::atomic<bool> asking = false;
    const auto askOnce = [&](JobControl& control) {
        asking = true;
        answer = static_cast<int>(control.ask({PromptKind::AbortRetryIgnore, QStringLiteral("?")}));
        return 0;
    };
    auto job = std::make_unique<Job<int>>();
    job->start(askOnce);
    // Without running the event loop, so that the question cannot be answered first.
    while (!asking)
        QThread::msleep(1);
    job->cancel();
    ASSERT_TRUE(finish(*job));
    EXPECT_EQ(answer, static_cast<int>(Answer::Abort));

    answer = -1;
    asking = false;
    job->start(askOnce);
    while (!asking)
        QThread::msleep(1);
    job.reset();
    ASSERT_TRUE(WaitUntil([&] { return answer != -1; }));
    EXPECT_EQ(answer, static_cast<int>(Answer::Abort)) << "nobody is left to ask";
    JobPool().waitForDone();
    QCoreApplication::processEvents();
    EXPECT_EQ(prompter.asked, 0);
}
