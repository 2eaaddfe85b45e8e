#pragma once
// What a job hands back: its value, or the failure that ended it, or nothing because it was
// cancelled.
#include "core/Failure.h"

#include <optional>

namespace velmora {

template <class T> struct Outcome {
    std::optional<T> value;
    std::optional<Failure> failure;
    bool canceled = false;

    bool ok() const { return value.has_value(); }
};

} // namespace velmora
