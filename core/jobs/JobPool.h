#pragma once
// The program's one pool of worker threads for heavy work: decoding, composing, writing the bitmap,
// walking folders, running desktop tools.
#include <QThreadPool>

namespace velmora {

QThreadPool& JobPool();

// True while the calling thread runs one of the program's jobs or row bands.
bool OnJobThread();

// Marks the calling thread as a job thread for the life of the scope.
class JobThreadScope {
public:
    JobThreadScope();
    ~JobThreadScope();
    JobThreadScope(const JobThreadScope&) = delete;
    JobThreadScope& operator=(const JobThreadScope&) = delete;

private:
    bool m_previous;
};

} // namespace velmora
