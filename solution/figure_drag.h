// Moving the trapezoid drawn to scale by a corner: the geometry of a drag,
// in the view's own units, for every window alike. Dragging the corners A and
// B moves the lower base a symmetrically about the axis, C and D the upper
// base c; the other base stays, and the figure stays a trapezoid with its
// circle inscribed (b = (a + c)/2, 2r = √(a·c)). Each window only turns its
// pointer and key events into these calls and draws what comes back.
#pragma once

#include <optional>

#include "scaled_figure.h"

namespace velmora::solution {

enum class Handle { kBaseA, kBaseC };

// The keys that move a handle's base, as a slider's: a step shorter or longer
// (← and →, ten steps with Shift), the least or the most (Home and End).
enum class StepKey { kShorter, kLonger, kLeast, kMost };

// The lengths a dragged base takes: whole multiples of a power of ten, from
// one step to the most, so that the boxes show what a pupil would type and
// no base reaches 0.
struct Grid {
    int exponent;    // the step is 10^exponent
    long long most;  // steps of the longest base

    double Step() const;
    // The length of so many steps, the double nearest its decimal (3 steps
    // of 0,1: 0,3, where 3 · 0,1 would be 0,30000000000000004).
    double LengthOf(long long steps) const;
    // The nearest number of steps to a length (halves away from zero), kept
    // within one step and the most.
    long long StepsOf(double length) const;
    // A number of steps moved by `by` (← −1, → +1, with Shift ∓10), kept within.
    long long Moved(long long steps, long long by) const;
    // A number of steps after a key, ten steps at a time where `tenfold`.
    long long AfterKey(long long steps, StepKey key, bool tenfold) const;
};

// About a hundredth of the longer base, a power of ten: 0,1 for bases near
// 10, 1 near 100; a thousand steps at the most.
Grid GridFor(double a, double c);

// The handle whose corner lies within half of `target` (the side of a
// square target, in the view's units) of a point in the view, nearest first.
std::optional<Handle> HandleAt(const ScaledFigure& figure, const FigureFit& fit, figure::Point at,
                               double target);

// What a drag keeps from its press: the fit and scale of the figure then,
// and how far the pointer was from the corner it took.
struct DragStart {
    Handle handle;
    FigureFit fit;
    FigureScale scale;
    double axis;    // the figure's middle, in the view
    double offset;  // the pointer's distance from the axis less half the base, in the view
    Grid grid;
};

DragStart StartDrag(const ScaledFigure& figure, const FigureFit& fit, Handle handle,
                    figure::Point pointer, double a, double c);

// The dragged base, as whole steps of the grid, for the pointer at x in the
// view: twice its distance from the axis, less the offset at the press, at
// the scale of the press. Nothing for a view of no size or a pointer at NaN.
std::optional<long long> BaseStepsAt(double x, const DragStart& start);

}  // namespace velmora::solution
