// Writes a value into a box: a computed one with exactly three decimals, or
// a given one exactly, every digit it needs.
#pragma once

#include <string>
#include <string_view>

#include "number_format.h"

namespace velmora {

// Correctly rounded from the binary value, never with an exponent, in the given
// regional format, as UTF-16. A value that rounds to zero shows no minus sign.
// Only finite values are shown (the solver returns nothing else); any other
// gives the empty text.
std::u16string FormatValue(double value, const NumberFormat& format);

// A decimal given by its ASCII digits, in the region's format: the integer
// digits grouped, the decimal separator and the fraction's digits where
// there are any, and the region's negative form: (true, "1234", "5") is
// "-1 234,5" in Bulgarian. What FormatValue writes its digits with.
std::u16string FormatDecimal(bool negative, std::string_view integer, std::string_view fraction,
                             const NumberFormat& format);

// `body` with the region's negative form around it where `negative`: "-4/3"
// or "(4/3)".
std::u16string Signed(bool negative, std::u16string_view body, const NumberFormat& format);

// The shortest text that reads back as exactly the value: the fewest digits,
// and of those the nearest, the digits JavaScript's String(value) writes; in
// fixed point or, where JavaScript writes an exponent (from 1e21, below 1e-6),
// with one, but with no "+", which a form-encoded address would read as a
// blank ("1e21" where JavaScript writes "1e+21"; "2.5e-7"); in the regional
// format but ungrouped, so that no grouping can make it read two ways. In the
// plain format (NumberFormat{}), the form links write. Empty for a value that
// is not finite.
std::u16string FormatExact(double value, const NumberFormat& format);

}  // namespace velmora
