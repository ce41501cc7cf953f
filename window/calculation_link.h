// A calculation as a link holds it, in the fragment after "#": the two given
// quantities by their symbols, each with the value read from its box, as in
// "r=4&P=40". The values are written in one plain form that every region
// reads alike: a period for the decimal point, no grouping, the fewest digits
// that read back as the same number (with an exponent where JavaScript writes
// one), and nothing that an address would change. Any plain decimal that a
// person may write by hand reads too ("2.50", ".5", "1E+3").
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "quantities.h"

namespace velmora::link {

struct Linked {
    InputPair pair;
    double first, second;  // the values of the pair's first and second quantity
    friend bool operator==(const Linked&, const Linked&) = default;
};

// The fragment for a calculation; empty where a value is not a finite number.
std::string FragmentOf(const Linked& calculation);

// The longest fragment read: longer than any this program writes
// ("a=-2.2250738585072014e-308&…"), short enough to turn a hostile one away
// at no cost.
inline constexpr std::size_t kLongestFragment = 100;

// What a fragment (without its "#") names, where it is well formed: at most
// kLongestFragment characters, exactly two quantities by their symbols, each
// once, of one of the nine pairs, each with a value that is, whole, a plain
// decimal of a double's range:
//  - an optional "-", then digits with at most one period, at least one digit
//    ("2.50", ".5", "5.");
//  - an optional exponent: "e" or "E", an optional sign, digits ("1e3", "1E-7").
// Nothing for any other text: "+", grouping, blanks, a comma, a second period,
// hexadecimal, "NaN", "Infinity", percent-encoding.
std::optional<Linked> ReadFragment(std::string_view fragment);

}  // namespace velmora::link
