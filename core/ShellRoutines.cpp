#include "core/ShellRoutines.h"

#include "core/PathRoutines.h"
#include "core/Prompt.h"
#include "platform/DesktopShell.h"

#include <QCoreApplication>

namespace velmora {
namespace {
constexpr long Declined = 1223; // the shell's "cancelled by the user"
constexpr long DeleteFailed = 2;
constexpr long OpenFailed = 2;
} // namespace

long ShellDelete(const QString& path, bool toTrash)
{
    if (path.isEmpty())
        return 0;
    QString target = path;
    if (target.size() > 1 && target.endsWith(PathSep))
        target.chop(1);
    const QString question =
        toTrash ? QCoreApplication::translate("ShellRoutines", "'%1' をごみ箱に移動しますか?").arg(target)
                : QCoreApplication::translate("ShellRoutines", "'%1' を完全に削除しますか?").arg(target);
    if (!AskYesNo(question))
        return Declined;
    QString error;
    const bool done =
        toTrash ? platform::MoveToTrash(target, &error) : platform::DeletePermanently(target, &error);
    if (!done) {
        ShowWarning(QCoreApplication::translate("ShellRoutines", "'%1' を削除できませんでした。\n%2")
                        .arg(target, error));
        return DeleteFailed;
    }
    return 0;
}

long ShellOpen(const QString& fileOrAddress)
{
    return platform::OpenWithDesktop(fileOrAddress) ? ShellOpenSucceeded : OpenFailed;
}

} // namespace velmora
