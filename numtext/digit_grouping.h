// Where the regional grouping puts group separators in the integer part of a
// number: the one rule that writing and reading a value share.
#pragma once

#include "number_format.h"

namespace velmora {

// Whether an integer part of `count` digits has a group separator between
// the digit with `right` digits to its right and that digit's right-hand
// neighbour (0 < right < count): group sizes from the decimal separator
// leftwards, the last repeating where the format says so, and no grouping
// at all below the first size plus the minimum grouping digits.
bool HasGroupSeparator(int count, int right, const NumberFormat& format);

// How many group separators an integer part of `count` digits has.
int GroupSeparatorCount(int count, const NumberFormat& format);

}  // namespace velmora
