// The five quantities of the trapezoid and the nine pairs a user may give.
#pragma once

#include <array>
#include <string_view>

namespace velmora {

// Index of a quantity; also the order of the value boxes, check marks and results.
enum Quantity : int {
    kBaseA = 0,      // a, the lower (longer) base AB
    kLegB = 1,       // b, each leg AD = BC
    kBaseC = 2,      // c, the upper (shorter) base CD
    kRadiusR = 3,    // r, radius of the inscribed circle
    kPerimeterP = 4  // P, the perimeter
};

inline constexpr int kQuantityCount = 5;
inline constexpr std::array<Quantity, kQuantityCount> kAllQuantities{kBaseA, kLegB, kBaseC,
                                                                     kRadiusR, kPerimeterP};

// Index 0..8 of a row of the pair table.
using InputPair = int;

struct PairDefinition {
    std::string_view caption;  // entry of the pair list
    Quantity first;            // the smaller index
    Quantity second;
};

inline constexpr std::array<std::string_view, kQuantityCount> kQuantitySymbols{"a", "b", "c", "r",
                                                                               "P"};

// (b, P) is missing on purpose: P = 4·b, so the two do not fix the figure.
inline constexpr std::array<PairDefinition, 9> kInputPairs{{
    {"a, b", kBaseA, kLegB},
    {"a, c", kBaseA, kBaseC},
    {"a, r", kBaseA, kRadiusR},
    {"a, P", kBaseA, kPerimeterP},
    {"b, c", kLegB, kBaseC},
    {"b, r", kLegB, kRadiusR},
    {"c, r", kBaseC, kRadiusR},
    {"c, P", kBaseC, kPerimeterP},
    {"r, P", kRadiusR, kPerimeterP},
}};

inline constexpr int kPairCount = static_cast<int>(kInputPairs.size());

constexpr bool IsValidPair(InputPair pair) {
    return pair >= 0 && pair < kPairCount;
}

// The pair whose given quantities are exactly `first` and `second`, or -1.
constexpr InputPair PairOf(Quantity first, Quantity second) {
    for (InputPair p = 0; p < kPairCount; ++p) {
        const auto& row = kInputPairs[static_cast<std::size_t>(p)];
        if ((row.first == first && row.second == second) ||
            (row.first == second && row.second == first)) {
            return p;
        }
    }
    return -1;
}

std::string_view QuantitySymbol(Quantity q);
const PairDefinition& PairAt(InputPair pair);

}  // namespace velmora
