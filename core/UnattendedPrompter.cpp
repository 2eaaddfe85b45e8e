#include "core/UnattendedPrompter.h"

namespace velmora {

void UnattendedPrompter::write(const QString& text)
{
    const QByteArray line = "velmora: " + QString(text).replace(u'\n', u' ').toUtf8() + '\n';
    std::fwrite(line.constData(), 1, size_t(line.size()), m_out);
    std::fflush(m_out);
}

Answer UnattendedPrompter::ask(const PromptRequest& request)
{
    write(request.text);
    switch (request.kind) {
    case PromptKind::Information:
    case PromptKind::Notice: return Answer::Ok;
    case PromptKind::Warning: m_reported = true; return Answer::Ok;
    case PromptKind::AbortRetryIgnore: m_reported = true; return Answer::Abort;
    case PromptKind::YesNo: m_reported = true; return Answer::No;
    case PromptKind::OkCancel: m_reported = true; return Answer::Cancel;
    }
    m_reported = true;
    return Answer::Cancel;
}

std::optional<QString> UnattendedPrompter::askText(const TextRequest& request)
{
    write(request.prompt);
    m_reported = true;
    return std::nullopt;
}

} // namespace velmora
