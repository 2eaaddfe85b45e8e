#include "core/SettingsStore.h"

namespace velmora {

SettingsStore::SettingsStore(QObject* parent)
    : QObject(parent)
{}

void SettingsStore::notifyChanged()
{
    Q_EMIT changed();
}

} // namespace velmora
