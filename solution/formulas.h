// The formulas of each pair's steps, in the solver's order and the
// explanation's notation, written with symbols or with the numbers put in.
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "number_format.h"
#include "solve.h"

namespace velmora::solution {

// What one step works out and from what: "{b}" is an operand, here the leg b.
// {x} is a·c and {D} the discriminant, as the steps before worked them out.
struct Formula {
    Term term;
    std::string_view expression;  // "({a} + {c}) / 2"
};

std::span<const Formula> FormulasOf(InputPair pair);

// "b = (a + c) / 2", "a·c", "D = b² − 4·r²".
std::u16string Symbolic(const Formula& formula);

// The expression with each operand's value from the working, negative ones in
// parentheses where the expression needs them: "(16,000 + 4,000) / 2".
std::u16string Substituted(const Formula& formula, const Working& working,
                           const NumberFormat& format);

}  // namespace velmora::solution
