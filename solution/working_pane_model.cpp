#include "working_pane_model.h"

#include "format_value.h"
#include "sentence.h"
#include "texts.h"
#include "working_text.h"

namespace velmora::solution {

WorkingPaneModel::WorkingPaneModel(PaneControls& controls, std::u16string_view lineEnd)
    : controls_(controls), lineEnd_(lineEnd), lines_(WorkingText(std::nullopt, lineEnd)) {}

const ScaledFigure* WorkingPaneModel::Figure() const {
    return solution_ && solution_->figure ? &*solution_->figure : nullptr;
}

// While a pointer drags, at the press's fit: the corner stays under it.
std::optional<FigureFit> WorkingPaneModel::Fit() const {
    const ScaledFigure* figure = Figure();
    if (!figure || !laid_ || laid_->figure.width <= 0 || laid_->figure.height <= 0) {
        return std::nullopt;
    }
    if (const DragStart* pointer = dragging_.Pointer()) return pointer->fit;
    return FitInto(*figure, 0, 0, laid_->figure.width, laid_->figure.height);
}

void WorkingPaneModel::Show(std::optional<Solution> solution) {
    solution_ = std::move(solution);
    calculation_.reset();
    dragging_.End();
    bases_ = {};
    Written();
}

void WorkingPaneModel::Show(const Calculation& calculation) {
    solution_ = SolutionOf(calculation);
    calculation_ = calculation;
    ShownFigure shown = dragging_.Shown(calculation, solution_->figure);
    solution_->figure = std::move(shown.figure);
    bases_ = shown.bases;
    Written();
}

void WorkingPaneModel::Written() {
    lines_ = WorkingText(solution_, lineEnd_);
    description_ = Figure() ? Figure()->description : std::u16string();
    if (!created_) return;  // written once there is room for it
    controls_.Fill(lines_, Figure());
    if (client_) LayOut(client_->width, client_->height, client_->dpi);
}

void WorkingPaneModel::LayOut(int clientWidth, int clientHeight, int dpi) {
    client_ = Client{clientWidth, clientHeight, dpi};
    const ScaledFigure* figure = Figure();
    // One line more than the lines take, so that the last never needs the scroll bar.
    laid_ = design::WorkingPaneIn(clientWidth, clientHeight, dpi,
                                  figure ? figure->height / figure->width : 0.0, [this](int width) {
                                      return controls_.LinesHeight(lines_, width) +
                                             controls_.LineHeight();
                                  });
    if (!laid_) {
        if (!created_) return;
        if (controls_.HasFocus()) controls_.FocusNextOutside();
        controls_.Hide();
        return;
    }
    if (!created_) {
        controls_.Create();
        created_ = true;
        controls_.Fill(lines_, figure);
    }
    // Where a drag ends on invalid data: kept in the working that says why.
    if (!figure && controls_.FigureHasFocus()) controls_.FocusLines();
    controls_.Place(*laid_, figure != nullptr);
}

}  // namespace velmora::solution

namespace velmora::solution {

namespace says = texts::solution;

std::u16string WorkingPaneModel::Value() const {
    if (!Figure() || !calculation_) return {};
    return Sentence(says::kFigureValue, {FormatValue(bases_.a, calculation_->format),
                                         FormatValue(bases_.c, calculation_->format)});
}

std::u16string WorkingPaneModel::Name() const {
    return Figure() ? Sentence(says::kMovableFigure, {Figure()->title}) : std::u16string();
}

double WorkingPaneModel::Target() const {
    return design::kHandleTarget * (client_ ? client_->dpi : layout::kDefaultDpi) /
           layout::kDefaultDpi;
}

std::optional<Handle> WorkingPaneModel::Press(figure::Point at) {
    const std::optional<FigureFit> fit = Fit();
    if (!fit || !calculation_) return std::nullopt;
    return dragging_.Press({solution_->figure, bases_}, *fit, at, Target());
}

std::optional<Handle> WorkingPaneModel::HandleUnder(figure::Point at) const {
    const std::optional<FigureFit> fit = Fit();
    if (!fit || !calculation_) return std::nullopt;
    return HandleAt(*Figure(), *fit, at, Target());
}

std::optional<Bases> WorkingPaneModel::DragTo(double x) {
    return dragging_.PointerAt(x);
}

std::optional<Bases> WorkingPaneModel::Key(Handle handle, StepKey key, bool tenfold) {
    if (!calculation_) return std::nullopt;
    return dragging_.Key({solution_->figure, bases_}, handle, key, tenfold);
}

void WorkingPaneModel::EndDrag() {
    if (!dragging_.Active()) return;
    dragging_.End();
    if (calculation_) Show(Calculation(*calculation_));
}

}  // namespace velmora::solution
