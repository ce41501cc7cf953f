// The working as plain text, for a window that shows it in a text box: the
// lines as a pupil reads them, the steps numbered, and the same lines that
// the clipboard gets.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "solution.h"

namespace velmora::solution {

// What was given, each step numbered ("1. b = (a + c) / 2 = …"), why no such
// trapezoid exists, the answer, and why no figure is drawn: each that the
// solution has, one a line, each line ended by `lineEnd`. Before any
// calculation, the one line that says what will appear.
std::u16string WorkingText(const std::optional<Solution>& solution, std::u16string_view lineEnd);

}  // namespace velmora::solution
