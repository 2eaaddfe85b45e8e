#pragma once
// The shuffled round kept beside the settings, so that a restart or a "-s" continues it: the source
// it belongs to (list or folder, its name and every entry's path), the round's order and position.
#include "core/ShuffledRound.h"

#include <QByteArray>
#include <QString>

#include <functional>

namespace velmora {

inline constexpr char16_t ShuffleFileName[] = u"shuffle.dat";

// The source a round is drawn from, read through a call so that no copy of its paths is kept.
struct ShuffleSource {
    bool folder = false;
    QString name; // the folder, or the list file's name
    int count = 0;
    std::function<QString(int)> path; // entry i's full path, 0-based
};

QByteArray ShuffleFileBytes(const ShuffleSource& source, const ShuffledRound& round);

// Written atomically; false when it cannot be written.
bool WriteShuffleFile(const QString& file, const ShuffleSource& source, const ShuffledRound& round);

// The stored round, fitted to the source as it is now (ShuffledRound::Remap, matching entries by
// their paths). False, leaving round as it was, when the file is missing or not a stored round.
bool ReadShuffleFile(const QString& file, const ShuffleSource& source, ShuffledRound& round,
                     const ShuffledRound::Draw& draw);

} // namespace velmora
