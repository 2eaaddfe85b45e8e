#include "core/ChangeSchedule.h"

#include <algorithm>

namespace velmora {

ChangeSchedule::ChangeSchedule(Clock clock)
    : m_clock(std::move(clock))
{
    if (!m_clock)
        m_clock = [] { return QDateTime::currentDateTime(); };
}

qint64 ChangeSchedule::Interval(const Settings& settings)
{
    // A stored interval below one second would change at every check; ChangeTimer is seconds.
    return std::max<qint64>(1, settings.ChangeTimer);
}

QString ChangeSchedule::Text(const QDateTime& moment)
{
    // Local time with its offset, so that the file reads as the user's clock and stays exact when
    // the zone or summer time changes.
    const QDateTime local = moment.toLocalTime();
    return local.toOffsetFromUtc(local.offsetFromUtc()).toString(Qt::ISODate);
}

QDateTime ChangeSchedule::Parse(const QString& text)
{
    QDateTime moment = QDateTime::fromString(text.trimmed(), Qt::ISODate);
    return moment.isValid() ? moment : QDateTime();
}

void ChangeSchedule::setNext(Settings& settings, const QDateTime& next)
{
    const QString text = Text(next);
    if (text == settings.NextChangeAt)
        return;
    settings.NextChangeAt = text;
    if (moved)
        moved();
}

bool ChangeSchedule::Due(Settings& settings)
{
    const QDateTime now = m_clock();
    const qint64 interval = Interval(settings);
    QDateTime next = Parse(settings.NextChangeAt);
    if (!next.isValid()) {
        m_interval = interval;
        setNext(settings, now.addSecs(interval));
        return false;
    }
    if (m_interval != 0 && m_interval != interval)
        next = next.addSecs(interval - m_interval);
    m_interval = interval;
    if (next > now.addSecs(interval))
        next = now.addSecs(interval);
    setNext(settings, next);
    return next <= now;
}

void ChangeSchedule::ChangeMade(Settings& settings)
{
    m_interval = Interval(settings);
    setNext(settings, m_clock().addSecs(m_interval));
}

} // namespace velmora
