// The formulas of each pair's steps written out as the working shows them:
// with symbols, or with numbers put in.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "formulas.h"
#include "number_format.h"
#include "number_text.h"

namespace velmora::solution {

// "b = (a + c) / 2", "a·c", "D = b² − 4·r²".
std::u16string Symbolic(const Formula& formula);

// The written value of an operand's term, or nothing.
using OperandText = std::function<std::optional<NumberText>(Term term)>;

// The expression with each operand written by `operand`, in parentheses
// where the expression needs them ("2·3 − (3 + √5)", "4·(-2)²", "√(4/3)").
// Where `root` writes a √{v}, its text stands for the root and the operand
// together: "2√6 / 2" for √24 / 2.
std::u16string Substituted(std::string_view expression, const OperandText& operand,
                           const OperandText& root, const NumberFormat& format);

}  // namespace velmora::solution
