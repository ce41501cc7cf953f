// The figure as SVG markup, from the shared figure's shapes: sharp at every zoom.
#pragma once

#include <string>

#include "design.h"

namespace velmora::web {

// An <svg> element for the picture control: its id, its accessible name and
// description, and the figure in ink on paper, in the figure's pixels.
std::string FigureSvg(const design::Control& picture);

}  // namespace velmora::web
