// Computes the three quantities that were not given from the two that were.
#pragma once

#include <array>
#include <optional>

#include "quantities.h"

namespace velmora {

using QuantityValues = std::array<double, kQuantityCount>;

// The five values in Quantity order, or nothing for "invalid data".
using SolveResult = std::optional<QuantityValues>;

// Reads only the two values the pair names. A valid result holds five finite
// numbers with the given two unchanged; a failed validity test, a zero divisor,
// an out-of-range pair or any non-finite result gives invalid data.
SolveResult Solve(InputPair pair, const QuantityValues& given);

}  // namespace velmora
