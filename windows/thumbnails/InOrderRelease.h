#pragma once
// Results that finish in any order, handed on in the order they were asked for: each finished
// result gives the run of results that has become complete from the front.
#include <QList>

#include <optional>
#include <vector>

namespace velmora {

template <class T> class InOrderRelease {
public:
    explicit InOrderRelease(int count)
        : m_results(std::size_t(std::max(count, 0)))
        , m_finished(std::size_t(std::max(count, 0)), false)
    {}

    // Records the result of position index (nullopt: nothing to hand on for it) and returns the
    // results now due, in order; empty while an earlier position is still open.
    QList<T> finish(int index, std::optional<T> result)
    {
        QList<T> due;
        if (index < 0 || std::size_t(index) >= m_finished.size() || m_finished[std::size_t(index)])
            return due;
        m_finished[std::size_t(index)] = true;
        m_results[std::size_t(index)] = std::move(result);
        while (m_next < m_finished.size() && m_finished[m_next]) {
            if (m_results[m_next])
                due.append(std::move(*m_results[m_next]));
            m_results[m_next].reset();
            ++m_next;
        }
        return due;
    }

    // The positions handed on so far, from the front.
    std::size_t released() const { return m_next; }
    // True when every position has been handed on.
    bool complete() const { return m_next == m_finished.size(); }

private:
    std::vector<std::optional<T>> m_results;
    std::vector<bool> m_finished;
    std::size_t m_next = 0;
};

} // namespace velmora
