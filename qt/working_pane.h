// The working of the last calculation, in the room right of the calculator
// that a widened window gains: a sheet with the heading, the lines in a
// read-only text box that scrolls, with a caret that the arrows move and that
// can be copied from, and the trapezoid to scale. When it is made, shown and
// hidden, and where each part stands, is the shared pane's
// (solution/working_pane_model.h); this carries it out on Qt widgets.
#pragma once

#include <optional>

#include "figure_drag_input.h"
#include "solution.h"
#include "working_pane_model.h"

class QPlainTextEdit;
class QWidget;

namespace velmora {

class ScaledFigureView;
class WorkingSheet;

class WorkingPane final : private solution::PaneControls {
  public:
    // In `window`, after its other controls (and so after them in the tab
    // order); its figure's drag is calculated by `logic`.
    WorkingPane(QWidget* window, WindowLogic& logic) : window_(window), drag_(model_, logic) {}

    // The working of a calculation, or nothing: the line that says what will appear.
    void Show(const Calculation& calculation) { model_.Show(calculation); }
    void Clear() { model_.Show(std::nullopt); }
    // Shows the pane where the window is wide enough for it, hides it where not.
    void LayOut();

  private:
    // The shared pane's controls.
    void Create() override;
    int LinesHeight(const std::u16string& lines, int width) const override;
    int LineHeight() const override;
    void Fill(const std::u16string& lines, const solution::ScaledFigure* figure) override;
    void Place(const design::WorkingPaneLayout& laid, bool withFigure) override;
    void Hide() override;
    bool HasFocus() const override;
    void FocusNextOutside() override;
    bool FigureHasFocus() const override;
    void FocusLines() override;

    QWidget* window_;
    WorkingSheet* sheet_ = nullptr;
    QPlainTextEdit* text_ = nullptr;
    ScaledFigureView* figure_ = nullptr;
    solution::WorkingPaneModel model_{*this, u"\n"};
    solution::FigureDragInput drag_;
};

}  // namespace velmora
