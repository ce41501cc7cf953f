// Small pieces of the page's text: escaped HTML, CSS colours and lengths.
#pragma once

#include <string>
#include <string_view>

#include "colour.h"

namespace velmora::web {

// Text for an HTML element's content or an attribute's value in double quotes.
std::string Escaped(std::string_view text);

// "#c0c0ff".
std::string CssColour(Colour colour);

// A length in CSS pixels at the window's full size, scaled as the window is
// (the page scales it down to fit a narrow screen).
std::string CssLength(double pixels);

// A number as short as it can be written to two decimals: "4", "12.5".
std::string Number(double value);

}  // namespace velmora::web
