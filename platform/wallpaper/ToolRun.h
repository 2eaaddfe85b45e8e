#pragma once
// Runs a desktop's command-line tool with an argument list (never through a shell), so that file
// names with quotes, spaces or ";" reach it unchanged.
#include <QCoreApplication>
#include <QString>
#include <QStringList>

namespace velmora::platform {

struct ToolRun {
    Q_DECLARE_TR_FUNCTIONS(ToolRun)

public:
    bool ok = false;
    bool started = false; // false when the tool is missing or cannot run at all
    QString output;       // standard output, UTF-8
    QString error;        // message with the tool's own words, when !ok

    // Waits at most timeoutMs: a tool stuck on an absent desktop service must not freeze the window.
    static ToolRun run(const QString& program, const QStringList& arguments, int timeoutMs = 20000);
};

} // namespace velmora::platform
