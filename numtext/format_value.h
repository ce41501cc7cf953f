// Writes a computed value into a box: fixed point, exactly three decimals.
#pragma once

#include <string>

#include "number_format.h"

namespace velmora {

// Correctly rounded from the binary value, never with an exponent, in the given
// regional format, as UTF-16. A value that rounds to zero shows no minus sign.
// Only finite values are shown (the solver returns nothing else); any other
// gives the empty text.
std::u16string FormatValue(double value, const NumberFormat& format);

}  // namespace velmora
