#include "figure_drag.h"

#include <algorithm>
#include <cmath>

namespace velmora::solution {
namespace {

// The longest base at the most: a thousand steps, ten to a hundred times the
// longer base at the start.
constexpr long long kMostSteps = 1000;
// About this many steps make the longer base.
constexpr double kStepsInLongerBase = 100;
// A key with Shift moves the base this many steps.
constexpr long long kStepsWithShift = 10;

}  // namespace

double Grid::Step() const {
    return std::pow(10.0, exponent);
}

// Powers of ten up to 10^22 are exact, and a division by one rounds once.
double Grid::LengthOf(long long steps) const {
    const double whole = static_cast<double>(steps);
    return exponent < 0 ? whole / std::pow(10.0, -exponent) : whole * Step();
}

long long Grid::StepsOf(double length) const {
    const double steps = std::round(length / Step());  // halves away from zero
    return static_cast<long long>(std::clamp(steps, 1.0, static_cast<double>(most)));
}

long long Grid::Moved(long long steps, long long by) const {
    return std::clamp(steps + by, 1LL, most);
}

long long Grid::AfterKey(long long steps, StepKey key, bool tenfold) const {
    const long long by = tenfold ? kStepsWithShift : 1;
    switch (key) {
        case StepKey::kShorter:
            return Moved(steps, -by);
        case StepKey::kLonger:
            return Moved(steps, by);
        case StepKey::kLeast:
            return 1;
        case StepKey::kMost:
            return most;
    }
    return Moved(steps, 0);
}

Grid GridFor(double a, double c) {
    const double longer = std::max(std::fabs(a), std::fabs(c));
    const int exponent = longer > 0 && std::isfinite(longer)
                             ? static_cast<int>(std::floor(std::log10(longer / kStepsInLongerBase)))
                             : 0;
    return {exponent, kMostSteps};
}

std::optional<Handle> HandleAt(const ScaledFigure& figure, const FigureFit& fit, figure::Point at,
                               double target) {
    std::optional<Handle> nearest;
    double nearestDistance = 0;
    const auto [A, B, C, D] = figure.corners;
    const std::pair<figure::Point, Handle> corners[] = {
        {A, Handle::kBaseA}, {B, Handle::kBaseA}, {C, Handle::kBaseC}, {D, Handle::kBaseC}};
    for (const auto& [corner, handle] : corners) {
        const figure::Point shown = fit.At(corner);
        const double dx = std::fabs(at.x - shown.x);
        const double dy = std::fabs(at.y - shown.y);
        if (dx > target / 2 || dy > target / 2) continue;
        const double distance = std::hypot(dx, dy);
        if (!nearest || distance < nearestDistance) {
            nearest = handle;
            nearestDistance = distance;
        }
    }
    return nearest;
}

DragStart StartDrag(const ScaledFigure& figure, const FigureFit& fit, Handle handle,
                    figure::Point pointer, double a, double c) {
    const double axis = fit.left + figure.width / 2 * fit.scale;
    const double base = handle == Handle::kBaseA ? a : c;
    const double halfShown = base * figure.scale.unitsPerLength * fit.scale / 2;
    return {handle,       fit, figure.scale, axis, std::fabs(pointer.x - axis) - halfShown,
            GridFor(a, c)};
}

std::optional<long long> BaseStepsAt(double x, const DragStart& start) {
    const double perLength = start.scale.unitsPerLength * start.fit.scale;
    if (!(perLength > 0) || !std::isfinite(x)) return std::nullopt;
    const double base = 2 * (std::fabs(x - start.axis) - start.offset) / perLength;
    return start.grid.StepsOf(base);
}

}  // namespace velmora::solution
