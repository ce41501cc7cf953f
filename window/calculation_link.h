// A calculation as a link holds it, in the fragment after "#": the two given
// quantities by their symbols, each with the value read from its box, as in
// "r=4&P=40". The values are written in one plain form that every region
// reads alike: a period for the decimal point, no grouping, the fewest digits
// that read back as the same number (with an exponent where JavaScript writes
// one), and nothing that an address would change.
#pragma once

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

// What a fragment (without its "#") names, where it is well formed: exactly
// two quantities by their symbols, each once, of one of the nine pairs, each
// with a value that is, whole, a number of a double's range written in the
// plain form ("2.5", not "2.50" nor ".25e1"). Nothing for any other text.
std::optional<Linked> ReadFragment(std::string_view fragment);

}  // namespace velmora::link
