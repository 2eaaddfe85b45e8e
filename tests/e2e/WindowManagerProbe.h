#pragma once
// Whether a window manager runs its event loop on an X display: it answers a request for frame
// extents. Seeing _NET_SUPPORTING_WM_CHECK is not enough: openbox sets it early in its start, and a
// map request that comes before its loop may wait there unanswered.
#include <QString>

namespace velmora::test {

// Asks again every half second; true once answered, false after timeoutMs.
bool WindowManagerAnswers(const QString& display, int timeoutMs = 20000);

} // namespace velmora::test
