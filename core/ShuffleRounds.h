#pragma once
// The random order of RandomMode 1: shuffled rounds over the current source, continued from the
// file beside the settings and fitted to the source whenever it changed.
#include "core/ShuffleFile.h"

#include <QCoreApplication>

namespace velmora {

class ShuffleRounds {
    Q_DECLARE_TR_FUNCTIONS(ShuffleRounds)

public:
    explicit ShuffleRounds(ShuffledRound::Draw draw);

    // Where the round is kept; without a file it lives in memory only.
    void setFile(const QString& file) { m_file = file; }

    // The next entry of source (0-based), -1 when it is empty. The step and what it writes are O(1)
    // (the position file); seeing whether the source changed hashes its paths in memory, and the
    // round file is rewritten only when a round begins or the source changed.
    int Next(const ShuffleSource& source);

private:
    void adopt(const ShuffleSource& source, size_t sourceDigest);
    void store(const ShuffleSource& source, bool wholeRound);

    ShuffledRound::Draw m_draw;
    QString m_file;
    ShuffledRound m_round;
    // What the round was made for; a different source sends it back to the file to be fitted.
    bool m_ready = false;
    size_t m_digest = 0;
    quint64 m_tag = 0;   // ties the position file to the round file
    bool m_stale = true; // the round file does not hold the round in memory
    bool m_warned = false;
};

} // namespace velmora
