#include "working_pane_model.h"

#include "working_text.h"

namespace velmora::solution {

WorkingPaneModel::WorkingPaneModel(PaneControls& controls, std::u16string_view lineEnd)
    : controls_(controls), lineEnd_(lineEnd), lines_(WorkingText(std::nullopt, lineEnd)) {}

const ScaledFigure* WorkingPaneModel::Figure() const {
    return solution_ && solution_->figure ? &*solution_->figure : nullptr;
}

std::optional<FigureFit> WorkingPaneModel::Fit() const {
    const ScaledFigure* figure = Figure();
    if (!figure || !laid_ || laid_->figure.width <= 0 || laid_->figure.height <= 0) {
        return std::nullopt;
    }
    return FitInto(*figure, 0, 0, laid_->figure.width, laid_->figure.height);
}

void WorkingPaneModel::Show(std::optional<Solution> solution) {
    solution_ = std::move(solution);
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
    controls_.Place(*laid_, figure != nullptr);
}

}  // namespace velmora::solution
