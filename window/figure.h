// The figure beside the calculator, the trapezoid ABCD with its inscribed
// circle, as plain geometry that each window toolkit draws: so that the two
// windows can never draw different figures.
#pragma once

#include <array>
#include <string_view>

#include "colour.h"

namespace velmora::figure {

// In pixels of the picture at 96 dots per inch, y downwards; a window scales
// them by its own density.
struct Point {
    double x, y;
};

enum class Stroke { Solid, Dashed };

struct Line {
    Point from, to;
    Stroke stroke;
};

// Where a label stands: x is the middle of its text; y is its top, its
// middle or its bottom edge.
enum class Anchor { Top, Middle, Bottom };

struct Label {
    std::string_view text;
    Point at;
    Anchor anchor;
};

inline constexpr int kWidth = 177;
inline constexpr int kHeight = 162;
inline constexpr int kBorder = 2;  // the sunken border around it
inline constexpr double kLineWidth = 1;
inline constexpr double kDotRadius = 2;
// Dashes and the gaps between them, as multiples of the line width.
inline constexpr double kDashLength = 4;
inline constexpr double kDashGap = 2;

struct Drawing {
    std::array<Line, 8> lines;  // the four sides, DM and CN, the dashed lines through O
    Point centre;               // O, the centre of the inscribed circle
    double radius;
    std::array<Point, 7> dots;  // where the circle touches the sides, M, N and O
    std::array<Label, 11> labels;
};

// Lines, dots and labels in ink on paper.
inline constexpr Colour kPaper{255, 255, 255};
inline constexpr Colour kInk{0, 0, 0};

const Drawing& Trapezoid();

}  // namespace velmora::figure
