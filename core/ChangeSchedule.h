#pragma once
// When the timer changes the wallpaper with ChangeSchedule 1: at a moment of the wall clock kept in
// NextChangeAt, so the rhythm survives restarts, sleep and a clock set forward or back.
#include "core/Settings.h"

#include <QDateTime>

#include <functional>

namespace velmora {

class ChangeSchedule {
public:
    using Clock = std::function<QDateTime()>;
    // clock: the wall clock; by default the system's local time.
    explicit ChangeSchedule(Clock clock = {});

    // True when the next change is due. Before that, NextChangeAt is set right when it needs to be:
    // none or an unreadable one gives one interval from now; a ChangeTimer changed since the last
    // check keeps the next change one (new) interval after the last; a moment further away than one
    // interval (the clock was set back) is brought to one interval from now.
    bool Due(Settings& settings);
    // A change was made now: the next comes one interval later.
    void ChangeMade(Settings& settings);

    // Called whenever NextChangeAt moved, so that it can be written at once.
    std::function<void()> moved;

    static QString Text(const QDateTime& moment);
    static QDateTime Parse(const QString& text);

private:
    void setNext(Settings& settings, const QDateTime& next);
    static qint64 Interval(const Settings& settings);

    Clock m_clock;
    qint64 m_interval = 0; // the ChangeTimer NextChangeAt was reckoned with; 0 before the first check
};

} // namespace velmora
