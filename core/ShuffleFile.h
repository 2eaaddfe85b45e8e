#pragma once
// The shuffled round kept beside the settings, so that a restart or a "-s" continues it: the source
// it belongs to (list or folder, its name and every entry's path) and the round's order in one file,
// rewritten only when a round begins or the source changed; the position, which moves at every step,
// in a small file of its own ("shuffle.pos") tied to that round by a tag, so a step writes a few bytes
// however large the source is.
#include "core/ShuffledRound.h"

#include <QByteArray>
#include <QString>
#include <QtGlobal>

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

QByteArray ShuffleFileBytes(const ShuffleSource& source, const ShuffledRound& round, quint64 tag = 0);

// The position file that goes with a round file.
QString ShufflePositionFile(const QString& file);

// The round and then its position, each written atomically; false when either cannot be written.
bool WriteShuffleFile(const QString& file, const ShuffleSource& source, const ShuffledRound& round,
                      quint64 tag = 0);

// Only the round's position and last entry, for the round of that tag.
bool WriteShufflePosition(const QString& file, const ShuffledRound& round, quint64 tag);

// The stored round, at the position its position file gives when that file is of the same round,
// fitted to the source as it is now (ShuffledRound::Remap, matching entries by their paths). False,
// leaving round as it was, when the file is missing or not a stored round. tag, when given, gets the
// round's tag; fitted whether the round had to be fitted to a changed source.
bool ReadShuffleFile(const QString& file, const ShuffleSource& source, ShuffledRound& round,
                     const ShuffledRound::Draw& draw, quint64* tag = nullptr, bool* fitted = nullptr);

} // namespace velmora
