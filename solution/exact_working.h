// The calculation worked out again in exact numbers, from the values as they
// were typed, by the same formulas as the solver: what the working writes,
// so that √24 / 2 is √6 and 0,1 is a tenth, not the double nearest to it.
#pragma once

#include <optional>

#include "number.h"
#include "solve.h"
#include "window_controls.h"

namespace velmora::solution {

using ExactWorking = BasicWorking<exact::Number>;

// Nothing where a given value has no exact reading, a step's value would not
// fit the exact numbers (values typed with many digits, or 1e200), or the
// calculation ends otherwise than the solver's (at a test's very edge, where
// the double rounds across 0): the boxes and the working never disagree.
std::optional<ExactWorking> WorkExactly(const Calculation& calculation);

// A typed value read exactly, as ParseNumber reads it; nothing where it has
// no exact reading or does not fit.
std::optional<exact::Number> ReadExactly(const std::u16string& text, const NumberFormat& format);

}  // namespace velmora::solution
