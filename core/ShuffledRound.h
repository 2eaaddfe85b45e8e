#pragma once
// A round of a shuffled order: every entry of a source once, in random order, before any comes
// again; the last of a round is never the first of the next. Held as indices only, so a source of
// 100,000 pictures costs 400 kB, and a step costs O(1) (a new round O(n) once per n steps).
#include <cstdint>
#include <functional>
#include <vector>

namespace velmora {

class ShuffledRound {
public:
    // Uniform in [0, 1).
    using Draw = std::function<double()>;

    int size() const { return int(m_order.size()); }
    int position() const { return m_position; }
    // The entry shown last, -1 before the first.
    int last() const { return m_last; }
    const std::vector<std::int32_t>& order() const { return m_order; }

    // A new round over count entries.
    void Begin(int count, const Draw& draw);
    // The next entry (0-based), beginning a new round after the last; -1 when the source is empty.
    int Next(const Draw& draw);

    // Takes a stored round; false (and nothing changed) unless order is every index below count once,
    // position lies within it and last is an index or -1.
    bool Assign(std::vector<std::int32_t> order, int position, int last);

    // The source changed: newIndex[i] is where old entry i is now (-1 when it is gone), count the
    // number of entries now. Entries already shown stay shown, the rest keep their order, and new
    // entries go into what is left of the round at random places.
    void Remap(const std::vector<std::int32_t>& newIndex, int count, const Draw& draw);

private:
    std::vector<std::int32_t> m_order;
    int m_position = 0;
    int m_last = -1;
};

// An index below count from a draw; a draw of exactly 1.0 from a stand-in still gives count - 1.
int DrawIndex(const ShuffledRound::Draw& draw, int count);

} // namespace velmora
