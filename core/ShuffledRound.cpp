#include "core/ShuffledRound.h"

#include <algorithm>
#include <cmath>
#include <numeric>
#include <utility>

namespace velmora {

int DrawIndex(const ShuffledRound::Draw& draw, int count)
{
    return std::clamp(static_cast<int>(std::floor(draw() * count)), 0, count - 1);
}

void ShuffledRound::Begin(int count, const Draw& draw)
{
    m_order.resize(std::max(0, count));
    std::iota(m_order.begin(), m_order.end(), 0);
    for (int i = count - 1; i > 0; --i)
        std::swap(m_order[i], m_order[DrawIndex(draw, i + 1)]);
    if (count > 1 && m_order[0] == m_last)
        std::swap(m_order[0], m_order[1 + DrawIndex(draw, count - 1)]);
    m_position = 0;
}

int ShuffledRound::Next(const Draw& draw)
{
    if (m_order.empty())
        return -1;
    if (m_position >= size())
        Begin(size(), draw);
    m_last = m_order[m_position++];
    return m_last;
}

bool ShuffledRound::Assign(std::vector<std::int32_t> order, int position, int last)
{
    const int count = int(order.size());
    if (position < 0 || position > count || last < -1 || last >= count)
        return false;
    std::vector<bool> seen(order.size());
    for (const std::int32_t index : order) {
        if (index < 0 || index >= count || seen[index])
            return false;
        seen[index] = true;
    }
    m_order = std::move(order);
    m_position = position;
    m_last = last;
    return true;
}

void ShuffledRound::Remap(const std::vector<std::int32_t>& newIndex, int count, const Draw& draw)
{
    const auto mapped = [&](std::int32_t old) {
        return old >= 0 && old < std::int32_t(newIndex.size()) ? newIndex[old] : -1;
    };
    std::vector<bool> taken(std::max(0, count));
    std::vector<std::int32_t> order;
    order.reserve(taken.size());
    int shown = 0;
    for (int k = 0; k < size(); ++k) {
        const std::int32_t index = mapped(m_order[k]);
        if (index < 0 || index >= count || taken[index])
            continue;
        taken[index] = true;
        order.push_back(index);
        if (k < m_position)
            ++shown;
    }
    // Each new entry lands at a random place of the round's rest; the entry it displaces goes last.
    for (int index = 0; index < count; ++index) {
        if (taken[index])
            continue;
        order.push_back(index);
        const int rest = int(order.size()) - shown;
        std::swap(order.back(), order[shown + DrawIndex(draw, rest)]);
    }
    m_last = mapped(m_last);
    if (m_last >= count)
        m_last = -1;
    m_order = std::move(order);
    m_position = shown;
}

} // namespace velmora
