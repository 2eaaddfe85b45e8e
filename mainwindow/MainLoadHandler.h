#pragma once
// How the main window's load reacts to a failing step: it always goes on with the next step.
#include "core/Steps.h"

namespace velmora {

// 35600 and 35601 (a list index out of range, an element not found) pass silently; 381 (a list
// position beyond the data) reads "データファイルが見つかりません"; anything else shows its text.
Recovery LoadFailureHandler(const Failure& failure);

} // namespace velmora
