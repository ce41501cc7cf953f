// Each pair's steps as formulas, in the order the calculation takes them and
// in the notation the working writes: the one table that both computes the
// values and writes the working, so that the two cannot drift apart.
#pragma once

#include <span>
#include <string_view>

#include "quantities.h"

namespace velmora {

// What a step of the calculation works out: one of the five quantities (the
// same numbers as Quantity), or the number a pair's validity test looks at.
enum class Term : int { kA, kB, kC, kR, kP, kProduct /* a·c */, kDiscriminant /* D */ };

constexpr Term TermOf(Quantity q) {
    return static_cast<Term>(q);
}

constexpr bool IsTest(Term term) {
    return term == Term::kProduct || term == Term::kDiscriminant;
}

// One step: the term it works out, and from what. "{b}" is an operand, here
// the leg b; {x} is a·c and {D} the discriminant, as steps before worked them
// out. The expression is evaluated as written, left to right within + and −
// and within · and /, with one rule for the powers: x² stands for x·x taken
// into the product where it stands, so 4·{r}² is (4·r)·r.
struct Formula {
    Term term;
    std::string_view expression;  // "({a} + {c}) / 2"
};

// The pair's formulas in order; nothing for a pair outside the table.
std::span<const Formula> FormulasOf(InputPair pair);

// The term an operand's letter names: a quantity's symbol, x or D.
Term OperandTerm(char letter);

}  // namespace velmora
