#include "dialogs/OptionValues.h"

#include "core/Failure.h"
#include "core/Language.h"
#include "core/NumberText.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace velmora {
namespace {

int clamped(long long value, SliderRange range)
{
    return static_cast<int>(std::clamp<long long>(value, range.minimum, range.maximum));
}

Integer flag(bool on)
{
    return on ? 1 : 0;
}

// A text's number converted by the setting's own conversion; nothing when the text holds no number
// or the setting cannot hold it.
template <class Convert>
auto converted(const QString& text, Convert convert) -> std::optional<decltype(convert(0.0))>
{
    const std::optional<double> number = StrictNumber(text);
    if (!number)
        return std::nullopt;
    try {
        return convert(*number);
    } catch (const Failure&) {
        return std::nullopt;
    }
}

template <class Field> void storeChoice(int choice, Field& field)
{
    if (choice != NoChoice)
        field = static_cast<Field>(choice);
}

template <class Field, class Convert> void storeText(const QString& text, Field& field, Convert convert)
{
    if (const auto value = converted(text, convert))
        field = *value;
}

// The `Language` values in the order of the dialog's list.
QString languageSetting(int choice)
{
    switch (choice) {
    case 1: return QString::fromUtf16(JapaneseLanguage);
    case 2: return QString::fromUtf16(EnglishLanguage);
    default: return {};
    }
}

} // namespace

int LanguageChoice(const QString& language)
{
    for (int choice = 0; choice < 3; ++choice)
        if (language == languageSetting(choice))
            return choice;
    return NoChoice;
}

int ChoiceOf(long long stored, int count)
{
    return stored >= 0 && stored < count ? static_cast<int>(stored) : NoChoice;
}

int TileModeChoice(const QString& tileWallpaper)
{
    const double placement = LenientNumber(tileWallpaper);
    return std::fabs(placement) < 1e9 ? ChoiceOf(std::llround(placement), 2) : NoChoice;
}

OptionValues LoadOptionValues(const Settings& settings, const QString& tileWallpaper)
{
    OptionValues values;
    values.changeMode = ChoiceOf(settings.ChangeMode, 2);
    values.tileMode = TileModeChoice(tileWallpaper);
    values.autoTile = settings.AutoTileMode == 1;
    values.timer = settings.TimerOnMode == 1;
    values.timerText = QString::number(settings.ChangeTimer);
    values.sizeChange = settings.SizeChangeMode == 1;
    values.sizeChangeLimit = clamped(settings.SizeChangeLimit, SizeChangeLimitRange);
    values.effect = settings.EffectMode == 1;
    values.effectType = ChoiceOf(settings.EffectType, 4);
    values.previewPause = settings.PreviewPauseMode == 1;
    values.minBoot = settings.MinBoot;
    values.collage = settings.CollageOnMode == 1;
    values.collageTile = settings.CollageTileMode == 1;
    values.collageChange = settings.CollageChangeMode == 1;
    values.tileLinesText = QString::number(settings.CollageTileLines);
    values.collageCount = clamped(settings.CollageCount, CollageCountRange);
    values.collageBairitu = clamped(settings.CollageBairitu, CollageBairituRange);
    values.collageBase = ChoiceOf(settings.CollageBaseMode, 2);
    values.calendar = settings.CalendarOnMode == 1;
    values.monitorMode = ChoiceOf(settings.MonitorMode, 3);
    values.offsetXText = NumberField(settings.CalendarOffsetWidth);
    values.offsetYText = NumberField(settings.CalendarOffsetHeight);
    values.offsetMode = ChoiceOf(settings.CalendarOffsetMode, 4);
    values.changeSchedule = settings.ChangeSchedule == 1;
    values.shuffledRounds = settings.RandomMode == 1;
    values.language = LanguageChoice(settings.Language);
    return values;
}

void StoreOptionValues(const OptionValues& values, Settings& settings, QString& tileWallpaper)
{
    storeChoice(values.changeMode, settings.ChangeMode);
    if (values.tileMode != NoChoice)
        tileWallpaper = QString::number(values.tileMode);
    settings.AutoTileMode = flag(values.autoTile);
    settings.TimerOnMode = flag(values.timer);
    storeText(values.timerText, settings.ChangeTimer, ToInteger);
    settings.SizeChangeMode = flag(values.sizeChange);
    settings.SizeChangeLimit = static_cast<Integer>(values.sizeChangeLimit);
    settings.EffectMode = flag(values.effect);
    storeChoice(values.effectType, settings.EffectType);
    settings.PreviewPauseMode = flag(values.previewPause);
    settings.MinBoot = values.minBoot;
    settings.CollageOnMode = flag(values.collage);
    settings.CollageTileMode = flag(values.collageTile);
    // The tile count is the whole part of the entry.
    storeText(values.tileLinesText, settings.CollageTileLines,
              [](double v) { return ToInteger(std::floor(v)); });
    settings.CollageCount = static_cast<Integer>(values.collageCount);
    settings.CollageBairitu = static_cast<Integer>(values.collageBairitu);
    storeChoice(values.collageBase, settings.CollageBaseMode);
    settings.CalendarOnMode = flag(values.calendar);
    storeChoice(values.monitorMode, settings.MonitorMode);
    storeText(values.offsetXText, settings.CalendarOffsetWidth, ToLong);
    storeText(values.offsetYText, settings.CalendarOffsetHeight, ToLong);
    storeChoice(values.offsetMode, settings.CalendarOffsetMode);
    // A moment left from an earlier time with the schedule on would be long past: count afresh.
    if (values.changeSchedule && settings.ChangeSchedule != 1)
        settings.NextChangeAt.clear();
    settings.ChangeSchedule = flag(values.changeSchedule);
    settings.RandomMode = flag(values.shuffledRounds);
    if (values.language != NoChoice)
        settings.Language = languageSetting(values.language);
}

} // namespace velmora
