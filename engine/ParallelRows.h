#pragma once
// Runs a row loop over horizontal bands on every core, so heavy pixel work uses the whole machine.
#include <functional>

namespace velmora {

// Calls work(firstRow, endRow) for disjoint bands covering [0, rows); returns when all are done.
// Small jobs run on the calling thread alone, where starting threads would cost more than it saves.
void ForEachRowBand(int rows, const std::function<void(int, int)>& work, long long pixelsPerRow = 1);

} // namespace velmora
