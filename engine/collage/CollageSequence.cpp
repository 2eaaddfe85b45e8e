#include "engine/collage/CollageSequence.h"

#include <algorithm>

namespace velmora {

CollageSequence::CollageSequence(CollageSource source, bool randomOrder)
    : m_source(std::move(source))
    , m_random(randomOrder)
{}

QString CollageSequence::next(RandomTape& tape)
{
    const int count = int(m_source.paths.size());
    if (count == 0)
        return {};
    if (!m_source.folder && m_source.listSelected < 0) {
        m_source.listSelected = 0;
        m_source.fileIndex2 = 0;
    }
    int index = 0; // 0-based into paths
    if (m_random) {
        // A draw of exactly 1 (from an injected source) stays on the last item.
        index = std::min(count - 1, int(tape.draw() * count));
    } else if (m_source.folder) {
        int& position = m_source.fileIndex1;
        // A remembered position outside the view (a broken settings file) starts again at 1.
        position = position + 1 > count || position + 1 < 1 ? 1 : position + 1;
        index = position - 1;
    } else {
        int& position = m_source.fileIndex2;
        position = position + 1 >= count || position + 1 < 0 ? 0 : position + 1;
        index = position;
    }
    return m_source.paths[index];
}

} // namespace velmora
