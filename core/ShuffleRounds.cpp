#include "core/ShuffleRounds.h"

#include <QHashFunctions>
#include <QRandomGenerator>
#include <QtGlobal>

namespace velmora {
namespace {

size_t digest(const ShuffleSource& source)
{
    QtPrivate::QHashCombine combine;
    size_t seed = combine(qHash(source.folder), qHash(source.name));
    for (int i = 0; i < source.count; ++i)
        seed = combine(seed, qHash(source.path(i)));
    return combine(seed, qHash(source.count));
}

} // namespace

ShuffleRounds::ShuffleRounds(ShuffledRound::Draw draw)
    : m_draw(std::move(draw))
{}

void ShuffleRounds::adopt(const ShuffleSource& source, size_t sourceDigest)
{
    // The file holds the paths the round was made for, so entries that moved keep their place in it.
    quint64 tag = 0;
    bool fitted = false;
    if (!m_file.isEmpty() && ReadShuffleFile(m_file, source, m_round, m_draw, &tag, &fitted)) {
        // Fitted to a changed source, the order in memory is no longer the one in the file.
        m_stale = fitted;
        m_tag = tag;
    } else {
        m_round.Begin(source.count, m_draw);
        m_stale = true;
    }
    m_ready = true;
    m_digest = sourceDigest;
}

void ShuffleRounds::store(const ShuffleSource& source, bool wholeRound)
{
    if (m_file.isEmpty())
        return;
    bool written = false;
    if (wholeRound) {
        m_tag = QRandomGenerator::global()->generate64();
        written = WriteShuffleFile(m_file, source, m_round, m_tag);
        m_stale = !written;
    } else {
        written = WriteShufflePosition(m_file, m_round, m_tag);
    }
    if (!written && !m_warned) {
        m_warned = true;
        qWarning("%s", qUtf8Printable(tr("シャッフルの順番を保存できませんでした。\n%1").arg(m_file)));
    }
}

int ShuffleRounds::Next(const ShuffleSource& source)
{
    if (source.count <= 0)
        return -1;
    const size_t now = digest(source);
    if (!m_ready || now != m_digest)
        adopt(source, now);
    // The step that finishes a round begins the next, with a new order.
    const bool newRound = m_round.position() >= m_round.size();
    const int index = m_round.Next(m_draw);
    store(source, m_stale || newRound);
    return index;
}

} // namespace velmora
