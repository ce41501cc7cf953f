// The trapezoid of the working as a desktop window paints it into the
// rectangle its pane gives it: every point fitted, and the strokes and the
// labels sized for the window's density, so that the two windows paint the
// same picture and differ only in how they draw a line or a letter.
#pragma once

#include <array>

#include "scaled_figure.h"

namespace velmora::solution {

// In the units of the window: pixels at `dpi`.
struct DrawnFigure {
    std::array<figure::Point, 4> corners;  // A, B, C, D
    figure::Point centre;
    double radius;
    figure::Point radiusFoot;
    std::array<figure::Point, 10> labelsAt;  // each label's anchor point, as ScaledFigure's labels
    int lineWidth;    // the sides, the circle and the dashed radius: 2 at 96 DPI, never under 1
    int dotRadius;    // the centre's dot: 3 at 96 DPI
    int labelPixels;  // the labels' letter height: the window's font scaled with the drawing
};

// The figure fitted by `fit` (FitInto's, in pixels at `dpi`).
DrawnFigure Drawn(const ScaledFigure& figure, const FigureFit& fit, int dpi);

// The top left corner of a label's text, `width` × `height` as the window
// measures it, placed about its anchor point `at` as the label's align and
// anchor say.
figure::Point LabelCorner(const FigureLabel& label, figure::Point at, double width, double height);

}  // namespace velmora::solution
