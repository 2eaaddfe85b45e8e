#pragma once
// What the options dialog shows, as plain values: loaded from the settings, stored back on OK.
// The dialog's controls hold exactly these; tests check the mapping without a window.
#include "core/Settings.h"

#include <QString>

namespace velmora {

// An option group or list with nothing chosen (a stored value outside its choices).
inline constexpr int NoChoice = -1;

struct OptionValues {
    // Beyond the original dialog.
    int monitorMode = NoChoice; // optMonitorMode: 0 the same, 1 one each, 2 one across

    int changeMode = NoChoice; // optChangeMode: 0 random, 1 in order
    int tileMode = NoChoice;   // optTileMode: 0 centre, 1 whole screen
    bool autoTile = false;
    bool timer = false;
    QString timerText; // txtTimer: seconds
    bool sizeChange = false;
    int sizeChangeLimit = 2; // the slider's position
    bool effect = false;
    int effectType = NoChoice; // cboEffectType: 0 "Random", 1 to 3 a set
    bool previewPause = false;
    bool minBoot = false;
    bool collage = false;
    bool collageTile = false;
    bool collageChange = false;
    QString tileLinesText; // cboTileLines
    int collageCount = 1;
    int collageBairitu = 1;
    int collageBase = NoChoice; // 0 the picture's size, 1 the screen's
    bool calendar = false;
    QString offsetXText; // twips
    QString offsetYText;
    int offsetMode = NoChoice; // 0 top left ... 3 bottom right
    // Beyond the original dialog.
    bool changeSchedule = false; // chkChangeSchedule: ChangeSchedule 1
    bool shuffledRounds = false; // chkRandomMode: RandomMode 1
    int language = NoChoice;     // cboLanguage: 0 the desktop's (""), 1 "ja", 2 "en"

    bool operator==(const OptionValues&) const = default;
};

struct SliderRange {
    int minimum;
    int maximum;
};
inline constexpr SliderRange SizeChangeLimitRange{2, 200};
inline constexpr SliderRange CollageCountRange{1, 200};
inline constexpr SliderRange CollageBairituRange{1, 10};

// The option or list entry a stored number selects: itself when it is one of the count choices.
int ChoiceOf(long long stored, int count);

// The language entry of a `Language` setting; NoChoice for a value the list does not hold.
int LanguageChoice(const QString& language);

// The placement option of the desktop's placement text: its numeric value, an empty text centred.
int TileModeChoice(const QString& tileWallpaper);

// The dialog's values for these settings and the desktop's placement ("0", "1" or empty).
// A slider shows a stored value outside its range at the nearest end.
OptionValues LoadOptionValues(const Settings& settings, const QString& tileWallpaper);

// Copies the values back. Where nothing is chosen, or a text is no number the setting can hold,
// the setting keeps what it had. CollageChangeMode is not among them: the box writes it at once.
void StoreOptionValues(const OptionValues& values, Settings& settings, QString& tileWallpaper);

} // namespace velmora
