#pragma once
// The one way routines talk to the user about failures and confirmations.
// The program installs a message-box prompter; tests install a ScriptedPrompter.
#include <QList>
#include <QString>

#include <deque>
#include <optional>

namespace velmora {

enum class PromptKind {
    AbortRetryIgnore, // a failure the user may retry, skip or give up on
    Warning,          // a failure or caution, OK only
    Information,      // a notice with the information icon, OK only
    Notice,           // a notice without an icon, OK only
    YesNo,            // a question
    OkCancel,         // a confirmation that may be declined
};

enum class Answer { Abort, Retry, Ignore, Ok, Cancel, Yes, No };

struct PromptRequest {
    PromptKind kind;
    QString text;
};

struct TextRequest {
    QString prompt;
    QString title;
    QString initial;
};

class Prompter {
public:
    virtual ~Prompter() = default;
    virtual Answer ask(const PromptRequest& request) = 0;
    // An input box: the text entered, or nothing when cancelled.
    virtual std::optional<QString> askText(const TextRequest& request) = 0;
};

// The prompter in use on this thread; a silent one that answers Abort, Ok or No until the program
// installs its own.
Prompter& CurrentPrompter();
// Installs a prompter for the life of the scope and puts the previous one back afterwards.
class PrompterScope {
public:
    explicit PrompterScope(Prompter& prompter);
    ~PrompterScope();
    PrompterScope(const PrompterScope&) = delete;
    PrompterScope& operator=(const PrompterScope&) = delete;

private:
    Prompter* m_previous;
};
void InstallPrompter(Prompter* prompter);

// Installs a prompter for the calling thread only, for the life of the scope: a worker's questions
// then go through it instead of the program's prompter, which belongs to the window thread.
class ThreadPrompterScope {
public:
    explicit ThreadPrompterScope(Prompter& prompter);
    ~ThreadPrompterScope();
    ThreadPrompterScope(const ThreadPrompterScope&) = delete;
    ThreadPrompterScope& operator=(const ThreadPrompterScope&) = delete;

private:
    Prompter* m_previous;
};

// Convenience calls on the current prompter.
Answer AskAbortRetryIgnore(const QString& text);
void ShowWarning(const QString& text);
void ShowInformation(const QString& text);
void ShowNotice(const QString& text);
bool AskYesNo(const QString& text);
bool AskOkCancel(const QString& text);
std::optional<QString> AskText(const QString& prompt, const QString& title, const QString& initial = {});

// Answers from a script and records every request, for tests.
// When the script runs out it answers Abort, Ok, No or Cancel, so a test never loops on Retry.
class ScriptedPrompter final : public Prompter {
public:
    ScriptedPrompter() = default;
    ScriptedPrompter(std::initializer_list<Answer> answers)
        : m_answers(answers)
    {}

    void push(Answer answer) { m_answers.push_back(answer); }
    // The next input box gets this text (nothing: cancelled).
    void pushText(std::optional<QString> text)
    {
        m_texts.emplace_back(text.has_value(), text.value_or(QString()));
    }
    Answer ask(const PromptRequest& request) override;
    std::optional<QString> askText(const TextRequest& request) override;
    const QList<TextRequest>& textRequests() const { return m_textRequests; }

    const QList<PromptRequest>& requests() const { return m_requests; }
    qsizetype count() const { return m_requests.size(); }
    QStringList texts() const;
    void clear() { m_requests.clear(); }

private:
    std::deque<Answer> m_answers;
    std::deque<std::pair<bool, QString>> m_texts; // (entered, text)
    QList<PromptRequest> m_requests;
    QList<TextRequest> m_textRequests;
};

} // namespace velmora
