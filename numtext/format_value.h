// Writes a computed value into a box: fixed point, exactly three decimals.
#pragma once

#include <QString>

#include "number_format.h"

namespace velmora {

// Correctly rounded from the binary value, never with an exponent, in the given
// regional format. A value that rounds to zero shows no minus sign.
// Only finite values are shown; the solver never returns anything else.
QString FormatValue(double value, const NumberFormat& format);

}  // namespace velmora
