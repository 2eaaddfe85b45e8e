#pragma once
// Every persisted setting of the program, one field per key of Velmora.INI (field name = key).
// Geometry is in twips, colours are 0x00BBGGRR values, Integer flags are 1 on and 0 off.
#include <QString>

#include <array>
#include <cstdint>

namespace velmora {

using Integer = std::int16_t;
using Long = std::int32_t;
using Single = float;

// Slot n (1 to 3) holds the flag of an effect in the user-defined effect set n; slot 0 is the set
// drawn at random, slot 4 is unused.
using EffectFlags = std::array<Integer, 5>;

struct Settings {
    // Beyond the original program: several monitors. 0 the same picture on each, composed for its
    // size; 1 a picture per monitor; 2 one picture across all of them. Its key follows the original ones.
    Integer MonitorMode = 0;

    Long MainTop = 0;
    Long MainLeft = 0;
    Long MainWidth = 0;
    Long MainHeight = 0;
    Long SplitterMain = 0;
    Long SizeBarLeft = 3375;
    Long ThumbTop = 100;
    Long ThumbLeft = 100;
    Long ThumbWidth = 9225;
    Long ThumbHeight = 10000;
    Integer ChangeTimer = 3600;
    QString CurrentDirectory;
    Integer TimerOnMode = 0;
    Integer ChangeMode = 1;
    Integer ListMode = 1;
    Long FileIndex1 = 1;
    Long FileIndex2 = 0;
    Integer EffectMode = 0;
    Integer EffectType = 1;
    EffectFlags EffectEmbossOn{};
    EffectFlags EffectGrayscaleOn{};
    EffectFlags EffectHalftoneOn{};
    EffectFlags EffectAverageOn{};
    EffectFlags EffectContrastOn{};
    EffectFlags EffectGammaOn{};
    Integer SizeChangeMode = 0;
    Integer SizeChangeLimit = 10;
    Integer AutoTileMode = 0;
    QString ListFileName = QStringLiteral("Velmora.lst");
    bool TBDispMode = true;
    Integer ListViewMode = 3;
    Long DirImageType = 0;
    Integer PreviewPauseMode = 1;
    bool MinBoot = false;
    Integer ThumbClickMode = 0;
    Integer CollageOnMode = 0;
    Integer CollageCount = 70;
    Integer CollageBairitu = 3;
    Integer CollageBaseMode = 1;
    Integer CollageTileMode = 0;
    Integer CollageChangeMode = 1;
    Integer CollageTileLines = 0;
    Integer CalendarOnMode = 0;
    QString CalendarFontName = QStringLiteral("Times New Roman");
    bool CalendarFontBold = false;
    bool CalendarFontItalic = false;
    Single CalendarFontSize = 12;
    bool CalendarFontStrikethrough = false;
    bool CalendarFontUnderline = false;
    Single CalendarFontWeight = 400;
    Long CalendarDrawFontColor = 16711680;
    Integer CalendarTextAngle = 0;
    Long CalendarTextHiliteColor = 16777215;
    Integer CalendarTextStyle = 1;
    Long CalendarShadowColor = 0;
    Single CalendarShadowXDepth = 0;
    Single CalendarShadowYDepth = 0;
    Long CalendarOffsetWidth = 500;
    Long CalendarOffsetHeight = 500;
    Integer CalendarOffsetMode = 1;

    // Chosen by the user beyond what the original program offered; 0 keeps its behaviour.
    Integer ChangeSchedule = 0; // 1: the timer follows the clock and survives restarts and sleep
    QString NextChangeAt;       // ISO 8601 local time with its offset; empty before the first
    Integer RandomMode = 0;     // 1: shuffled rounds instead of a fresh draw at every change
    QString Language;           // "ja", "en"; empty follows the desktop

    bool operator==(const Settings&) const = default;
};

// What the defaults depend on besides constants.
struct SettingsEnvironment {
    Long screenWidthTwips = 0;
    Long screenHeightTwips = 0;
    QString windowsFolder; // GetWindowsFolder(): empty when it cannot be obtained
    QString programFolder; // ending in a separator
};

// The environment of this process: the primary screen, the pictures folder, the program folder.
SettingsEnvironment CurrentSettingsEnvironment();

// Every field to its default.
void ResetSettings(Settings& settings, const SettingsEnvironment& environment);

} // namespace velmora
