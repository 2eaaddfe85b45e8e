#include "ui/MessageBoxPrompter.h"

#include <QApplication>
#include <QGuiApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>

#include <map>

namespace velmora {

Answer MessageBoxPrompter::ask(const PromptRequest& request)
{
    QMessageBox box(m_parentProvider ? m_parentProvider() : QApplication::activeWindow());
    box.setWindowTitle(QString::fromUtf16(ProgramTitle));
    box.setText(request.text);
    // A long operation may have set the busy pointer; the user must see a normal one here.
    const bool busy = QGuiApplication::overrideCursor() != nullptr;
    if (busy)
        QGuiApplication::setOverrideCursor(Qt::ArrowCursor);

    std::map<QAbstractButton*, Answer> answers;
    auto add = [&](const QString& text, QMessageBox::ButtonRole role, Answer answer) {
        QPushButton* button = box.addButton(text, role);
        answers[button] = answer;
        return button;
    };
    switch (request.kind) {
    case PromptKind::AbortRetryIgnore:
        box.setIcon(QMessageBox::Warning);
        add(tr("中止(&A)"), QMessageBox::RejectRole, Answer::Abort);
        box.setDefaultButton(add(tr("再試行(&R)"), QMessageBox::AcceptRole, Answer::Retry));
        add(tr("無視(&I)"), QMessageBox::ApplyRole, Answer::Ignore);
        break;
    case PromptKind::Warning:
    case PromptKind::Information:
    case PromptKind::Notice:
        box.setIcon(request.kind == PromptKind::Warning       ? QMessageBox::Warning
                    : request.kind == PromptKind::Information ? QMessageBox::Information
                                                              : QMessageBox::NoIcon);
        box.setDefaultButton(add(QStringLiteral("OK"), QMessageBox::AcceptRole, Answer::Ok));
        break;
    case PromptKind::YesNo:
        box.setIcon(QMessageBox::Question);
        box.setDefaultButton(add(tr("はい(&Y)"), QMessageBox::YesRole, Answer::Yes));
        add(tr("いいえ(&N)"), QMessageBox::NoRole, Answer::No);
        break;
    case PromptKind::OkCancel:
        box.setIcon(QMessageBox::Question);
        box.setDefaultButton(add(QStringLiteral("OK"), QMessageBox::AcceptRole, Answer::Ok));
        add(tr("キャンセル"), QMessageBox::RejectRole, Answer::Cancel);
        break;
    }
    box.exec();
    if (busy)
        QGuiApplication::restoreOverrideCursor();

    const auto found = answers.find(box.clickedButton());
    if (found != answers.end())
        return found->second;
    // Closed with Esc or the title bar: the gentlest answer of the kind.
    switch (request.kind) {
    case PromptKind::AbortRetryIgnore: return Answer::Abort;
    case PromptKind::YesNo: return Answer::No;
    case PromptKind::OkCancel: return Answer::Cancel;
    default: return Answer::Ok;
    }
}

std::optional<QString> MessageBoxPrompter::askText(const TextRequest& request)
{
    QInputDialog dialog(m_parentProvider ? m_parentProvider() : QApplication::activeWindow());
    dialog.setWindowTitle(request.title);
    dialog.setLabelText(request.prompt);
    dialog.setTextValue(request.initial);
    dialog.setOkButtonText(QStringLiteral("OK"));
    dialog.setCancelButtonText(tr("キャンセル"));
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.textValue();
}

} // namespace velmora
