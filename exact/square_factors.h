// A whole number split into a square and a squarefree rest, n = s²·t, the
// one piece of factoring that simplifying a root needs: √72 = √(6²·2) = 6√2.
#pragma once

#include <optional>

#include "uint128.h"

namespace velmora::exact {

struct SquareFactors {
    Uint128 root;        // s
    Uint128 squarefree;  // t, no square but 1 divides it
    friend bool operator==(const SquareFactors&, const SquareFactors&) = default;
};

// 72 is {6, 2}, 49 is {7, 1}, 30 is {1, 30}, 0 is {0, 1}.
//
// Trial division takes every prime factor up to 2^16, or up to the cube
// root of what is left if that comes first; what is then left has at most
// two prime factors, or none below 2^16. Numbers of the second kind up to
// 2^90 are split further by Pollard's rho method, with Miller-Rabin
// primality tests on the first twenty prime bases (proven for all below
// 3.3·10^24, and with no known exception above), at most 2^23 steps of it:
// about a second at the very worst, and far less for the numbers a
// calculation from six-digit values makes. Beyond that bound, or where the
// steps run out, nothing.
std::optional<SquareFactors> FactorSquares(Uint128 n);

}  // namespace velmora::exact
