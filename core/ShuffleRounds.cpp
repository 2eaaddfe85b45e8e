#include "core/ShuffleRounds.h"

#include <QHashFunctions>
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
    if (m_file.isEmpty() || !ReadShuffleFile(m_file, source, m_round, m_draw))
        m_round.Begin(source.count, m_draw);
    m_ready = true;
    m_digest = sourceDigest;
}

int ShuffleRounds::Next(const ShuffleSource& source)
{
    if (source.count <= 0)
        return -1;
    const size_t now = digest(source);
    if (!m_ready || now != m_digest)
        adopt(source, now);
    const int index = m_round.Next(m_draw);
    if (!m_file.isEmpty() && !WriteShuffleFile(m_file, source, m_round) && !m_warned) {
        m_warned = true;
        qWarning("%s",
                 qUtf8Printable(QStringLiteral("シャッフルの順番を保存できませんでした。\n%1").arg(m_file)));
    }
    return index;
}

} // namespace velmora
