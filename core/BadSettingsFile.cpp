#include "core/BadSettingsFile.h"

#include "core/Failure.h"
#include "core/SettingsFile.h"
#include "core/TextLines.h"
#include "platform/FileSystem.h"

#include <QCoreApplication>
#include <QFile>

#include <cerrno>
#include <unistd.h>

namespace velmora {

BadSettingsCopy KeepBadSettingsFile(const QString& path)
{
    const QString kept = path + QString::fromUtf16(BadSettingsSuffix);
    if (platform::PathExists(kept))
        return BadSettingsCopy::Earlier;
    // A second name for the same bytes: nothing to read, so an unreadable file is kept as well, and
    // the save later replaces the name "Velmora.INI" only.
    if (::link(QFile::encodeName(path).constData(), QFile::encodeName(kept).constData()) == 0)
        return BadSettingsCopy::Made;
    if (errno == EEXIST)
        return BadSettingsCopy::Earlier;
    // File systems without hard links get a copy.
    try {
        WriteWholeFile(kept, ReadWholeFile(path));
        return BadSettingsCopy::Made;
    } catch (const Failure&) {
        return BadSettingsCopy::Failed;
    }
}

QString BadSettingsNotice(BadSettingsCopy copy)
{
    const QString file = QString::fromUtf16(SettingsFileName);
    const QString kept = file + QString::fromUtf16(BadSettingsSuffix);
    switch (copy) {
    case BadSettingsCopy::Made:
        return QCoreApplication::translate(
                   "BadSettingsFile",
                   "設定ファイルを最後まで読み込めなかったため、元のファイルを %1 として残しました。")
            .arg(kept);
    case BadSettingsCopy::Earlier:
        return QCoreApplication::translate(
                   "BadSettingsFile",
                   "設定ファイルを最後まで読み込めませんでした。%1 は以前のものを残しているため、"
                   "%2 は終了時に上書きされます。")
            .arg(kept, file);
    case BadSettingsCopy::Failed:
        return QCoreApplication::translate(
            "BadSettingsFile", "設定ファイルを最後まで読み込めず、元のファイルを残せなかったため、"
                               "終了時に設定を保存しません。");
    }
    return {};
}

} // namespace velmora
