// Small pieces of SVG markup shared by the page's figures.
#pragma once

#include <string>
#include <string_view>

#include "figure.h"

namespace velmora::web::svg {

// ` name="value"`.
std::string Attribute(std::string_view name, const std::string& value);

// A point as two attributes: ` x="12" y="34"`.
std::string At(std::string_view x, std::string_view y, figure::Point p);

// The dominant-baseline that stands a text's top, middle or bottom at its y.
std::string_view Baseline(figure::Anchor anchor);

}  // namespace velmora::web::svg
