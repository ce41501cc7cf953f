// The trapezoid of a calculation drawn to scale: the bases a and c as they
// are to each other, the height 2r, the inscribed circle touching all four
// sides, and the values beside the sides. Plain geometry, y downwards, in
// units of the drawing, for a window to draw.
#pragma once

#include <array>
#include <optional>
#include <string>

#include "design.h"
#include "figure.h"
#include "number_format.h"
#include "solve.h"

namespace velmora::solution {

enum class Align { Start, Middle, End };

// The labels' size in units of the drawing: the window's font, as many units
// as it has pixels at 96 DPI. A window draws them scaled with the drawing.
inline constexpr double kLabelSize = layout::PixelsOfPoints(design::kFont.points);

struct FigureLabel {
    std::u16string text;
    figure::Point at;
    Align align;            // where x is along the text
    figure::Anchor anchor;  // where y is across it
};

// How long a unit of length is drawn, and how wide the drawing is: what a
// drag keeps, so that the dragged corner stays under the pointer.
struct FigureScale {
    double unitsPerLength;
    double width;
};

struct ScaledFigure {
    FigureScale scale;
    double width, height;                  // the drawing, labels included
    std::array<figure::Point, 4> corners;  // A, B, C, D: a from A to B at the bottom
    figure::Point centre;                  // O
    double radius;                         // r
    figure::Point radiusFoot;              // where the radius from O meets a, at right angles
    std::array<FigureLabel, 10> labels;    // A, B, C, D, O, a, b, b, c, r
    std::u16string title, description;     // for a screen reader
};

// The drawing scaled to fit a box, its proportions kept, centred in it: where
// a window draws each point, in its own units.
struct FigureFit {
    double scale, left, top;
    figure::Point At(figure::Point p) const { return {left + p.x * scale, top + p.y * scale}; }
};
FigureFit FitInto(const ScaledFigure& figure, double left, double top, double width, double height);

// The first of a, b, c and r that is not a positive length, if any.
std::optional<Quantity> FirstNonPositiveLength(const QuantityValues& values);

// The figure of five valid values, or nothing where a, b, c or r is not a
// positive length: the longer base drawn 320 units long, or at a scale kept
// from another figure (which may then run past its drawing's edges).
std::optional<ScaledFigure> ScaledFigureOf(const QuantityValues& values, const NumberFormat& format,
                                           std::optional<FigureScale> kept = std::nullopt);

}  // namespace velmora::solution
