#include "figure_dragging.h"

namespace velmora::solution {

const DragStart* FigureDragging::Pointer() const {
    return drag_ && drag_->pointer ? &*drag_->pointer : nullptr;
}

std::optional<Handle> FigureDragging::Dragged() const {
    return drag_ ? std::optional(drag_->handle) : std::nullopt;
}

Grid FigureDragging::GridOf(const ShownFigure& shown) const {
    return drag_ ? drag_->grid : GridFor(shown.bases.a, shown.bases.c);
}

ShownFigure FigureDragging::Shown(const Calculation& calculation,
                                  const std::optional<ScaledFigure>& calculated) const {
    const QuantityValues& values = calculation.working.values;
    const Bases given{values[kBaseA], values[kBaseC]};
    if (!drag_) return {calculated, given};
    const std::optional<FigureScale> kept =
        drag_->pointer ? std::optional(drag_->pointer->scale) : std::nullopt;
    if (calculation.working.outcome == Outcome::kValid) {
        if (auto figure = ScaledFigureOf(values, calculation.format, kept)) return {figure, given};
    }
    const auto [a, c] = drag_->bases;
    return {ScaledFigureOf(Work(PairOf(kBaseA, kBaseC), {a, 0, c, 0, 0}).values, calculation.format,
                           kept),
            drag_->bases};
}

FigureDragging::Drag FigureDragging::Begun(const ShownFigure& shown, Handle handle,
                                           std::optional<DragStart> pointer) {
    const Grid grid = pointer ? pointer->grid : GridFor(shown.bases.a, shown.bases.c);
    const bool a = handle == Handle::kBaseA;
    return {handle,
            grid,
            grid.StepsOf(a ? shown.bases.a : shown.bases.c),
            a ? shown.bases.c : shown.bases.a,
            pointer,
            shown.bases};
}

std::optional<Handle> FigureDragging::Press(const ShownFigure& shown, const FigureFit& fit,
                                            figure::Point at, double target) {
    if (!shown.figure || Pointer()) return std::nullopt;
    const std::optional<Handle> handle = HandleAt(*shown.figure, fit, at, target);
    if (!handle) return std::nullopt;
    drag_ = Begun(shown, *handle,
                  StartDrag(*shown.figure, fit, *handle, at, shown.bases.a, shown.bases.c));
    return handle;
}

std::optional<Bases> FigureDragging::PointerAt(double x) {
    const DragStart* pointer = Pointer();
    if (!pointer) return std::nullopt;
    const std::optional<long long> steps = BaseStepsAt(x, *pointer);
    return steps ? MovedTo(*steps) : std::nullopt;
}

std::optional<Bases> FigureDragging::Key(const ShownFigure& shown, Handle handle, StepKey key,
                                         bool tenfold) {
    if (!shown.figure || Pointer()) return std::nullopt;
    if (!drag_ || drag_->handle != handle) drag_ = Begun(shown, handle, std::nullopt);
    return MovedTo(drag_->grid.AfterKey(drag_->steps, key, tenfold));
}

std::optional<Bases> FigureDragging::MovedTo(long long steps) {
    if (steps == drag_->steps) return std::nullopt;
    drag_->steps = steps;
    const double moved = drag_->grid.LengthOf(steps);
    drag_->bases =
        drag_->handle == Handle::kBaseA ? Bases{moved, drag_->other} : Bases{drag_->other, moved};
    return drag_->bases;
}

}  // namespace velmora::solution
