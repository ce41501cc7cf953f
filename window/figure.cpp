#include "figure.h"

namespace velmora::figure {
namespace {

// The bases satisfy a·c = (2r)², so the circle really touches all four sides.
constexpr double kRadius = 46.0;
constexpr double kLongBase = 138.0;
constexpr double kShortBase = (2 * kRadius) * (2 * kRadius) / kLongBase;
constexpr double kCentreX = kWidth / 2.0;
constexpr double kTop = 32.0;
constexpr double kBottom = kTop + 2 * kRadius;

constexpr Point kA{kCentreX - kLongBase / 2, kBottom};
constexpr Point kB{kCentreX + kLongBase / 2, kBottom};
constexpr Point kC{kCentreX + kShortBase / 2, kTop};
constexpr Point kD{kCentreX - kShortBase / 2, kTop};
constexpr Point kO{kCentreX, kTop + kRadius};
constexpr Point kM{kD.x, kBottom};
constexpr Point kN{kC.x, kBottom};
// The legs' midpoints, at the height of O.
constexpr Point kLeftLeg{(kA.x + kD.x) / 2, (kA.y + kD.y) / 2};
constexpr Point kRightLeg{(kB.x + kC.x) / 2, (kB.y + kC.y) / 2};

// Where the circle touches the line through p and q: the foot of the
// perpendicular from the centre.
constexpr Point TouchPoint(Point p, Point q) {
    const double dx = q.x - p.x;
    const double dy = q.y - p.y;
    const double t = ((kO.x - p.x) * dx + (kO.y - p.y) * dy) / (dx * dx + dy * dy);
    return {p.x + t * dx, p.y + t * dy};
}

// Labels clear the lines by one pixel, and the corners' by six to the side.
constexpr double kAbove = kTop - 1;
constexpr double kBelow = kBottom + 1;

constexpr Drawing kTrapezoid{
    {{
        {kA, kB, Stroke::Solid},
        {kB, kC, Stroke::Solid},
        {kC, kD, Stroke::Solid},
        {kD, kA, Stroke::Solid},
        {kD, kM, Stroke::Solid},
        {kC, kN, Stroke::Solid},
        {kLeftLeg, kRightLeg, Stroke::Dashed},
        {{kCentreX, kTop}, {kCentreX, kBottom}, Stroke::Dashed},
    }},
    kO,
    kRadius,
    {{{kCentreX, kTop}, {kCentreX, kBottom}, TouchPoint(kA, kD), TouchPoint(kB, kC), kM, kN, kO}},
    {{
        {"A", {kA.x - 6, kBelow}, Anchor::Top},
        {"B", {kB.x + 6, kBelow}, Anchor::Top},
        {"C", {kC.x + 6, kAbove}, Anchor::Bottom},
        {"D", {kD.x - 6, kAbove}, Anchor::Bottom},
        {"M", {kM.x, kBelow}, Anchor::Top},
        {"N", {kN.x, kBelow}, Anchor::Top},
        {"a", {kCentreX, kBelow}, Anchor::Top},
        {"c", {kCentreX, kAbove}, Anchor::Bottom},
        {"b", {kLeftLeg.x - 14, kLeftLeg.y}, Anchor::Middle},
        {"b", {kRightLeg.x + 14, kRightLeg.y}, Anchor::Middle},
        {"O", {kO.x + 8, kO.y}, Anchor::Bottom},
    }},
};

}  // namespace

const Drawing& Trapezoid() {
    return kTrapezoid;
}

}  // namespace velmora::figure
