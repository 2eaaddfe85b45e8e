#pragma once
// Prompts as message boxes with the program's title and buttons in the interface's language.
#include "core/Prompt.h"

#include <QCoreApplication>

class QWidget;

namespace velmora {

class MessageBoxPrompter final : public Prompter {
    Q_DECLARE_TR_FUNCTIONS(MessageBoxPrompter)

public:
    // parentProvider gives the window the box belongs to (may return nullptr).
    explicit MessageBoxPrompter(QWidget* (*parentProvider)() = nullptr)
        : m_parentProvider(parentProvider)
    {}
    Answer ask(const PromptRequest& request) override;
    std::optional<QString> askText(const TextRequest& request) override;

private:
    QWidget* (*m_parentProvider)();
};

inline constexpr char16_t ProgramTitle[] = u"Velmora";

} // namespace velmora
