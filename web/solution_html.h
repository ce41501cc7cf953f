// The page's worked solution below the window, as HTML: the shared solution
// of a calculation rendered.
#pragma once

#include <string>

#include "solution.h"

namespace velmora::web {

// What was given, the steps as an ordered list, then why no such trapezoid
// exists, or the answer and the trapezoid to scale as inline SVG, last, with
// its handles: A's, the slider of the base a (on B), the slider of c (on C)
// and D's, which the page places (dom::PlaceHandle) and a drag takes.
std::string SolutionHtml(const solution::Solution& solution);

}  // namespace velmora::web
