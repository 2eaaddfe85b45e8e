#pragma once
// The program's settings and the news that they changed. The window thread edits them in place and
// says so; windows that show a setting follow changed(); workers are handed a copy.
#include "core/Settings.h"

#include <QObject>

namespace velmora {

class SettingsStore : public QObject {
    Q_OBJECT
public:
    explicit SettingsStore(QObject* parent = nullptr);

    Settings& values() { return m_settings; }
    const Settings& values() const { return m_settings; }
    // A copy for a job: the worker never sees a later edit half done.
    Settings snapshot() const { return m_settings; }

    // Tells the followers that an edit is complete.
    void notifyChanged();

Q_SIGNALS:
    void changed();

private:
    Settings m_settings;
};

} // namespace velmora
