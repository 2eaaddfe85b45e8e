#include "platform/wallpaper/ToolRun.h"

#include <QProcess>

namespace velmora::platform {

ToolRun ToolRun::run(const QString& program, const QStringList& arguments, int timeoutMs)
{
    ToolRun result;
    QProcess process;
    process.setProgram(program);
    process.setArguments(arguments);
    process.setStandardInputFile(QProcess::nullDevice());
    process.start();
    if (!process.waitForStarted(timeoutMs)) {
        result.error = tr("壁紙の設定に使うプログラム「%1」を起動できません。\n(%2)")
                           .arg(program, process.errorString());
        return result;
    }
    result.started = true;
    if (!process.waitForFinished(timeoutMs)) {
        process.kill();
        process.waitForFinished(1000);
        result.error = tr("壁紙の設定に使うプログラム「%1」が応答しません。").arg(program);
        return result;
    }
    result.output = QString::fromUtf8(process.readAllStandardOutput());
    const QString errors = QString::fromUtf8(process.readAllStandardError()).trimmed();
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
        result.error = tr("壁紙の設定に使うプログラム「%1」がエラーで終了しました (終了コード %2)。")
                           .arg(program)
                           .arg(process.exitCode());
        if (!errors.isEmpty())
            result.error += u'\n' + errors;
        return result;
    }
    result.ok = true;
    return result;
}

} // namespace velmora::platform
