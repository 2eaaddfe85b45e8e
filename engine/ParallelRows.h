#pragma once
// Runs a row loop over horizontal bands on the program's job pool, so heavy pixel work uses the whole
// machine without starting threads of its own.
#include <functional>

namespace velmora {

// Calls work(firstRow, endRow) for disjoint bands covering [0, rows); returns when all are done.
// The calling thread takes bands itself, so a job calling it from a pool thread never waits for
// another pool thread. Small jobs run on the calling thread alone.
void ForEachRowBand(int rows, const std::function<void(int, int)>& work, long long pixelsPerRow = 1);

} // namespace velmora
