// A drag of the figure to scale under way, kept between a window's events:
// by a pointer from its press, or by the keys of one handle. What each event
// moves the bases to, and the figure drawn meanwhile. The page and each
// desktop pane keep one.
#pragma once

#include <optional>

#include "figure_drag.h"
#include "window_controls.h"

namespace velmora::solution {

struct Bases {
    double a = 0, c = 0;
};

// A figure as it is drawn, and the bases it is drawn with.
struct ShownFigure {
    std::optional<ScaledFigure> figure;
    Bases bases;
};

class FigureDragging {
  public:
    bool Active() const { return drag_.has_value(); }
    // The press of a pointer's drag under way (its fit and scale), or null.
    const DragStart* Pointer() const;
    // The handle of the drag under way, if any.
    std::optional<Handle> Dragged() const;
    // The grid of the drag under way, or of one that would begin from `shown`.
    Grid GridOf(const ShownFigure& shown) const;

    // The figure of a calculation: its own (`calculated`) where no drag is
    // under way; during one, at the scale of a pointer's press, and where the
    // boxes give no trapezoid, from the bases dragged to, so that the drag
    // can go on past them.
    ShownFigure Shown(const Calculation& calculation,
                      const std::optional<ScaledFigure>& calculated) const;

    // A press at a point of `shown` placed by `fit`: the handle whose corner
    // lies within `target` of it, its pointer's drag begun; a drag by keys
    // goes on into it. Nothing where it took no corner.
    std::optional<Handle> Press(const ShownFigure& shown, const FigureFit& fit, figure::Point at,
                                double target);
    // The bases for a pointer's drag at x, where the base moves to another step.
    std::optional<Bases> PointerAt(double x);
    // A key on a handle of `shown`: its drag by keys goes on, or begins where
    // another handle's or none is under way; the bases where the base moves.
    // Keys do nothing while a pointer drags.
    std::optional<Bases> Key(const ShownFigure& shown, Handle handle, StepKey key, bool tenfold);
    void End() { drag_.reset(); }

  private:
    // The dragged base in steps of its grid, the other as it was at the start.
    struct Drag {
        Handle handle;
        Grid grid;
        long long steps;
        double other;
        std::optional<DragStart> pointer;
        Bases bases;  // as moved to last
    };

    static Drag Begun(const ShownFigure& shown, Handle handle, std::optional<DragStart> pointer);
    std::optional<Bases> MovedTo(long long steps);

    std::optional<Drag> drag_;
};

}  // namespace velmora::solution
