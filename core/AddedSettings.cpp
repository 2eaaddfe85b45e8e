#include "core/AddedSettings.h"

#include "core/Failure.h"
#include "core/NumberText.h"
#include "core/TextLines.h"

#include <QFileInfo>

#include <algorithm>

namespace velmora {
namespace {

const QString ChangeScheduleKey = QStringLiteral("ChangeSchedule=");
const QString NextChangeAtKey = QStringLiteral("NextChangeAt=");
const QString RandomModeKey = QStringLiteral("RandomMode=");
const QString LanguageSettingKey = QString::fromUtf16(LanguageKey);

bool isAddedKey(const QString& line)
{
    const QStringList keys = AddedSettingsKeys();
    return std::any_of(keys.begin(), keys.end(), [&](const QString& key) { return line.startsWith(key); });
}

} // namespace

QStringList AddedSettingsKeys()
{
    return {ChangeScheduleKey, NextChangeAtKey, RandomModeKey, LanguageSettingKey};
}

bool ReadAddedSetting(Settings& settings, QStringView line)
{
    if (line.startsWith(ChangeScheduleKey)) {
        settings.ChangeSchedule = ToInteger(LenientNumber(line.sliced(ChangeScheduleKey.size())));
        return true;
    }
    if (line.startsWith(NextChangeAtKey)) {
        settings.NextChangeAt = line.sliced(NextChangeAtKey.size()).toString();
        return true;
    }
    if (line.startsWith(RandomModeKey)) {
        settings.RandomMode = ToInteger(LenientNumber(line.sliced(RandomModeKey.size())));
        return true;
    }
    if (line.startsWith(LanguageSettingKey)) {
        settings.Language = line.sliced(LanguageSettingKey.size()).trimmed().toString();
        return true;
    }
    return false;
}

void AppendAddedSettings(const Settings& settings, QStringList& lines)
{
    const Settings defaults;
    if (settings.ChangeSchedule != defaults.ChangeSchedule)
        lines << ChangeScheduleKey + NumberField(settings.ChangeSchedule);
    if (settings.NextChangeAt != defaults.NextChangeAt)
        lines << NextChangeAtKey + settings.NextChangeAt;
    if (settings.RandomMode != defaults.RandomMode)
        lines << RandomModeKey + NumberField(settings.RandomMode);
    if (settings.Language != defaults.Language)
        lines << LanguageSettingKey + settings.Language;
}

bool StoreAddedSettings(const Settings& settings, const QString& path)
{
    if (!QFileInfo(path).isFile())
        return false;
    try {
        QStringList lines;
        for (const QString& line : SplitLines(DecodeText(ReadWholeFile(path))))
            if (!isAddedKey(line))
                lines << line;
        AppendAddedSettings(settings, lines);
        WriteLinesFile(path, lines);
        return true;
    } catch (const Failure&) {
        return false;
    }
}

} // namespace velmora
