#include "core/Prompt.h"

namespace velmora {
namespace {

Answer defaultAnswer(PromptKind kind)
{
    switch (kind) {
    case PromptKind::AbortRetryIgnore: return Answer::Abort;
    case PromptKind::YesNo: return Answer::No;
    case PromptKind::OkCancel: return Answer::Cancel;
    case PromptKind::Warning:
    case PromptKind::Information:
    case PromptKind::Notice: return Answer::Ok;
    }
    return Answer::Ok;
}

class SilentPrompter final : public Prompter {
public:
    Answer ask(const PromptRequest& request) override { return defaultAnswer(request.kind); }
    std::optional<QString> askText(const TextRequest&) override { return std::nullopt; }
};

Prompter*& current()
{
    static SilentPrompter silent;
    static Prompter* prompter = &silent;
    return prompter;
}

// A job's own prompter on its worker thread: questions go to the window thread.
thread_local Prompter* threadPrompter = nullptr;

} // namespace

Prompter& CurrentPrompter()
{
    return threadPrompter ? *threadPrompter : *current();
}

ThreadPrompterScope::ThreadPrompterScope(Prompter& prompter)
    : m_previous(threadPrompter)
{
    threadPrompter = &prompter;
}

ThreadPrompterScope::~ThreadPrompterScope()
{
    threadPrompter = m_previous;
}

void InstallPrompter(Prompter* prompter)
{
    static SilentPrompter silent;
    current() = prompter ? prompter : &silent;
}

PrompterScope::PrompterScope(Prompter& prompter)
    : m_previous(current())
{
    current() = &prompter;
}

PrompterScope::~PrompterScope()
{
    current() = m_previous;
}

Answer AskAbortRetryIgnore(const QString& text)
{
    return CurrentPrompter().ask({PromptKind::AbortRetryIgnore, text});
}

void ShowWarning(const QString& text)
{
    CurrentPrompter().ask({PromptKind::Warning, text});
}

void ShowInformation(const QString& text)
{
    CurrentPrompter().ask({PromptKind::Information, text});
}

void ShowNotice(const QString& text)
{
    CurrentPrompter().ask({PromptKind::Notice, text});
}

bool AskYesNo(const QString& text)
{
    return CurrentPrompter().ask({PromptKind::YesNo, text}) == Answer::Yes;
}

bool AskOkCancel(const QString& text)
{
    return CurrentPrompter().ask({PromptKind::OkCancel, text}) == Answer::Ok;
}

std::optional<QString> AskText(const QString& prompt, const QString& title, const QString& initial)
{
    return CurrentPrompter().askText({prompt, title, initial});
}

std::optional<QString> ScriptedPrompter::askText(const TextRequest& request)
{
    m_textRequests.append(request);
    if (m_texts.empty())
        return std::nullopt;
    const auto [entered, text] = m_texts.front();
    m_texts.pop_front();
    return entered ? std::optional<QString>(text) : std::nullopt;
}

Answer ScriptedPrompter::ask(const PromptRequest& request)
{
    m_requests.append(request);
    if (m_answers.empty())
        return defaultAnswer(request.kind);
    const Answer answer = m_answers.front();
    m_answers.pop_front();
    return answer;
}

QStringList ScriptedPrompter::texts() const
{
    QStringList all;
    for (const PromptRequest& request : m_requests)
        all << request.text;
    return all;
}

} // namespace velmora
