#include "core/Steps.h"
#include "core/Prompt.h"
#include "tests/support/TestSupport.h"

#include <gtest/gtest.h>

#include <stdexcept>

using namespace velmora;

namespace {

Failure boom()
{
    return Failure(ErrorCode::FileNotFound, QStringLiteral("boom"));
}

struct Trace {
    QStringList ran;
    int failuresLeft = 1;
    void failOnce(const QString& name)
    {
        ran << name;
        if (failuresLeft-- > 0)
            throw boom();
    }
};

} // namespace

TEST(Steps, RetryRunsTheFailingStepAgain)
{
    ScriptedPrompter prompter{Answer::Retry};
    PrompterScope scope(prompter);
    Trace trace;
    Steps steps;
    steps([&] { trace.ran << "a"; })([&] { trace.failOnce("b"); })([&] { trace.ran << "c"; });
    EXPECT_EQ(trace.ran, (QStringList{"a", "b", "b", "c"}));
    EXPECT_FALSE(steps.left());
    EXPECT_TRUE(steps.failed());
    ASSERT_EQ(prompter.count(), 1);
    EXPECT_EQ(prompter.requests()[0].kind, PromptKind::AbortRetryIgnore);
    EXPECT_EQ(prompter.requests()[0].text, QStringLiteral("boom"));
}

TEST(Steps, IgnoreGoesOnAndAbortLeaves)
{
    {
        ScriptedPrompter prompter{Answer::Ignore};
        PrompterScope scope(prompter);
        Trace trace;
        Steps steps;
        steps([&] { trace.failOnce("a"); })([&] { trace.ran << "b"; });
        EXPECT_EQ(trace.ran, (QStringList{"a", "b"}));
        EXPECT_FALSE(steps.left());
    }
    {
        ScriptedPrompter prompter{Answer::Abort};
        PrompterScope scope(prompter);
        Trace trace;
        Steps steps;
        steps([&] { trace.failOnce("a"); })([&] { trace.ran << "b"; });
        EXPECT_EQ(trace.ran, QStringList{"a"});
        EXPECT_TRUE(steps.left());
    }
}

TEST(Steps, OtherHandlersAndForeignExceptions)
{
    ScriptedPrompter prompter;
    PrompterScope scope(prompter);
    QStringList ran;
    Steps warned(WarnAndContinue);
    warned([&] { throw std::runtime_error("plain"); })([&] { ran << "next"; });
    EXPECT_EQ(ran, QStringList{"next"});
    ASSERT_EQ(prompter.count(), 1);
    EXPECT_EQ(prompter.requests()[0].kind, PromptKind::Warning);
    EXPECT_EQ(prompter.requests()[0].text, QStringLiteral("plain"));

    Steps silent(ContinueSilently);
    silent([] { throw boom(); })([&] { ran << "after"; });
    EXPECT_EQ(prompter.count(), 1);
    EXPECT_EQ(ran.last(), QStringLiteral("after"));

    QList<ErrorCode> seen;
    Steps custom([&](const Failure& failure) {
        seen << failure.code();
        return Recovery::Leave;
    });
    custom([] { throw std::bad_alloc(); })([&] { ran << "never"; });
    EXPECT_EQ(seen, QList<ErrorCode>{ErrorCode::OutOfMemory});
    EXPECT_NE(ran.last(), QStringLiteral("never"));
}
