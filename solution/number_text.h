// How the working writes an exact number, as a textbook prints it, in the
// region's digits, separators and negative form: 6, 2,5, 4/3, 2√6, √2/2,
// 5 − 2√6, (5 + √6)/2.
#pragma once

#include <string>

#include "number.h"
#include "number_format.h"

namespace velmora::solution {

// What a written number needs around it where it is put into a formula.
enum class Shape {
    kNumber,    // 6, 2,5
    kRoot,      // √6, 2√6
    kQuotient,  // 4/3, √2/2, (5 + √6)/2
    kSum,       // 5 − 2√6
};

struct NumberText {
    std::u16string text;
    Shape shape = Shape::kNumber;
    bool negative = false;  // written with the region's negative form
};

// A whole number bare; a fraction as a decimal where its decimal ends within
// six places, else in lowest terms with a slash; a root k√m or k√m/d with m
// squarefree and k, d whole (k left out where it is 1); a fraction and a
// root as p ± k√m where k is whole and p a decimal as above, else over the
// common denominator, (a ± k√m)/d.
NumberText TextOf(const exact::Number& x, const NumberFormat& format);

// Whether x is written as it is, a whole number or a decimal of at most six
// places, rather than as a fraction or a root that a rounded decimal follows.
bool IsWrittenInFull(const exact::Number& x);

}  // namespace velmora::solution
