#include "core/SettingsFile.h"

#include "core/AddedSettings.h"

#include "core/Failure.h"
#include "core/NumberText.h"
#include "core/PathRoutines.h"
#include "core/Prompt.h"
#include "core/TextLines.h"

#include <QFileInfo>

#include <variant>
#include <vector>

namespace velmora {
namespace {

struct EffectSlot {
    EffectFlags Settings::*flags;
    int slot;
};

struct StrictLong {
    Long Settings::*field;
};

struct EnterableFolder {
    QString Settings::*field;
};

using Field = std::variant<Integer Settings::*, Long Settings::*, Single Settings::*, bool Settings::*,
                           QString Settings::*, EffectSlot, StrictLong, EnterableFolder>;

struct Key {
    QString text; // including "="
    Field field;
};

#define VELMORA_KEY(name)                                                                                    \
    Key                                                                                                      \
    {                                                                                                        \
        QStringLiteral(#name "="), &Settings::name                                                           \
    }

std::vector<Key> buildKeys()
{
    std::vector<Key> keys = {
        VELMORA_KEY(MainTop),
        VELMORA_KEY(MainLeft),
        VELMORA_KEY(MainWidth),
        VELMORA_KEY(MainHeight),
        VELMORA_KEY(SplitterMain),
        VELMORA_KEY(SizeBarLeft),
        VELMORA_KEY(ThumbTop),
        VELMORA_KEY(ThumbLeft),
        VELMORA_KEY(ThumbWidth),
        VELMORA_KEY(ThumbHeight),
        VELMORA_KEY(ChangeTimer),
        Key{QStringLiteral("CurrentDirectory="), EnterableFolder{&Settings::CurrentDirectory}},
        VELMORA_KEY(TimerOnMode),
        VELMORA_KEY(ChangeMode),
        VELMORA_KEY(ListMode),
        VELMORA_KEY(FileIndex1),
        VELMORA_KEY(FileIndex2),
        VELMORA_KEY(EffectMode),
        VELMORA_KEY(EffectType),
    };
    const std::pair<const char*, EffectFlags Settings::*> effects[] = {
        {"EffectEmbossOn", &Settings::EffectEmbossOn},
        {"EffectGrayscaleOn", &Settings::EffectGrayscaleOn},
        {"EffectHalftoneOn", &Settings::EffectHalftoneOn},
        {"EffectAverageOn", &Settings::EffectAverageOn},
        {"EffectContrastOn", &Settings::EffectContrastOn},
        {"EffectGammaOn", &Settings::EffectGammaOn},
    };
    for (int set = 1; set <= 3; ++set)
        for (const auto& [name, flags] : effects)
            keys.push_back(
                Key{QStringLiteral("%1 %2=").arg(QLatin1String(name)).arg(set), EffectSlot{flags, set}});
    const std::vector<Key> rest = {
        VELMORA_KEY(SizeChangeMode),
        VELMORA_KEY(SizeChangeLimit),
        VELMORA_KEY(AutoTileMode),
        VELMORA_KEY(ListFileName),
        VELMORA_KEY(TBDispMode),
        VELMORA_KEY(ListViewMode),
        Key{QStringLiteral("DirImageType="), StrictLong{&Settings::DirImageType}},
        VELMORA_KEY(PreviewPauseMode),
        VELMORA_KEY(MinBoot),
        VELMORA_KEY(ThumbClickMode),
        VELMORA_KEY(CollageOnMode),
        VELMORA_KEY(CollageCount),
        VELMORA_KEY(CollageBairitu),
        VELMORA_KEY(CollageBaseMode),
        VELMORA_KEY(CollageTileMode),
        VELMORA_KEY(CollageChangeMode),
        VELMORA_KEY(CollageTileLines),
        VELMORA_KEY(CalendarOnMode),
        VELMORA_KEY(CalendarFontName),
        VELMORA_KEY(CalendarFontBold),
        VELMORA_KEY(CalendarFontItalic),
        VELMORA_KEY(CalendarFontSize),
        VELMORA_KEY(CalendarFontStrikethrough),
        VELMORA_KEY(CalendarFontUnderline),
        VELMORA_KEY(CalendarFontWeight),
        VELMORA_KEY(CalendarDrawFontColor),
        VELMORA_KEY(CalendarTextAngle),
        VELMORA_KEY(CalendarTextHiliteColor),
        VELMORA_KEY(CalendarTextStyle),
        VELMORA_KEY(CalendarShadowColor),
        VELMORA_KEY(CalendarShadowXDepth),
        VELMORA_KEY(CalendarShadowYDepth),
        VELMORA_KEY(CalendarOffsetWidth),
        VELMORA_KEY(CalendarOffsetHeight),
        VELMORA_KEY(CalendarOffsetMode),
    };
    keys.insert(keys.end(), rest.begin(), rest.end());
    // Beyond the original program's keys.
    keys.push_back(VELMORA_KEY(MonitorMode));
    return keys;
}

#undef VELMORA_KEY

const std::vector<Key>& keys()
{
    static const std::vector<Key> table = buildKeys();
    return table;
}

template <class... Visitors> struct Overloaded : Visitors... {
    using Visitors::operator()...;
};
// Spelled out for compilers without class template argument deduction for aggregates (clang 14).
template <class... Visitors> Overloaded(Visitors...) -> Overloaded<Visitors...>;

void assign(Settings& settings, const Field& field, QStringView value)
{
    std::visit(Overloaded{
                   [&](Integer Settings::*f) { settings.*f = ToInteger(LenientNumber(value)); },
                   [&](Long Settings::*f) { settings.*f = ToLong(LenientNumber(value)); },
                   [&](Single Settings::*f) { settings.*f = ToSingle(LenientNumber(value)); },
                   [&](bool Settings::*f) { settings.*f = ToBoolean(value); },
                   [&](QString Settings::*f) { settings.*f = value.toString(); },
                   [&](EffectSlot e) { (settings.*e.flags)[e.slot] = ToInteger(LenientNumber(value)); },
                   [&](StrictLong s) {
                       const std::optional<double> number = StrictNumber(value);
                       if (!number)
                           throw Failure(ErrorCode::TypeMismatch,
                                         Failure::standardText(ErrorCode::TypeMismatch));
                       settings.*s.field = ToLong(*number);
                   },
                   [&](EnterableFolder e) {
                       // A folder that is gone (or cannot be entered) leaves the default in place.
                       if (FolderExists(value.toString()))
                           settings.*e.field = value.toString();
                   },
               },
               field);
}

QString valueText(const Settings& settings, const Field& field)
{
    return std::visit(Overloaded{
                          [&](Integer Settings::*f) { return NumberField(settings.*f); },
                          [&](Long Settings::*f) { return NumberField(settings.*f); },
                          [&](Single Settings::*f) { return SingleField(settings.*f); },
                          [&](bool Settings::*f) { return BooleanField(settings.*f); },
                          [&](QString Settings::*f) { return settings.*f; },
                          [&](EffectSlot e) { return NumberField((settings.*e.flags)[e.slot]); },
                          [&](StrictLong s) { return NumberField(settings.*s.field); },
                          [&](EnterableFolder e) { return settings.*e.field; },
                      },
                      field);
}

} // namespace

QStringList SettingsKeys()
{
    QStringList list;
    for (const Key& key : keys())
        list << key.text;
    return list;
}

void ReadSettingsText(Settings& settings, const QString& text)
{
    for (const QString& line : SplitLines(text)) {
        for (const Key& key : keys()) {
            if (line.startsWith(key.text))
                assign(settings, key.field, QStringView(line).sliced(key.text.size()));
        }
        ReadAddedSetting(settings, line);
    }
}

bool ReadSettingsFile(Settings& settings, const QString& path)
{
    if (!QFileInfo::exists(path) && !QFileInfo(path).isSymLink())
        return true;
    try {
        ReadSettingsText(settings, DecodeText(ReadWholeFile(path)));
        return true;
    } catch (const Failure& failure) {
        ShowWarning(failure.text());
        return false;
    }
}

QByteArray SettingsFileBytes(const Settings& settings)
{
    QStringList lines{QStringLiteral("[Velmora]")};
    for (const Key& key : keys())
        lines << key.text + valueText(settings, key.field);
    AppendAddedSettings(settings, lines);
    return EncodeLines(lines);
}

bool WriteSettingsFile(const Settings& settings, const QString& path)
{
    try {
        WriteWholeFile(path, SettingsFileBytes(settings));
        return true;
    } catch (const Failure&) {
        return false;
    }
}

} // namespace velmora
