// The working of the last calculation, in the room right of the calculator
// that a widened window gains: a sheet with the heading, the lines in a text
// box that scrolls and can be copied from, and the trapezoid to scale. Made
// the first time there is room for it; it follows every calculation even
// while it is hidden.
#pragma once

#include <QString>
#include <optional>

#include "solution.h"

class QPlainTextEdit;
class QWidget;

namespace velmora {

class ScaledFigureView;
class WorkingSheet;

class WorkingPane {
  public:
    // In `window`, after its other controls (and so after them in the tab order).
    explicit WorkingPane(QWidget* window);

    // The working of a calculation, or nothing: the line that says what will appear.
    void Show(std::optional<solution::Solution> solution);
    // Shows the pane where the window is wide enough for it, and places it.
    void LayOut();

  private:
    void Create();
    void Fill();

    QWidget* window_;
    std::optional<solution::Solution> solution_;
    QString lines_;  // the working as text
    WorkingSheet* sheet_ = nullptr;
    QPlainTextEdit* text_ = nullptr;
    ScaledFigureView* figure_ = nullptr;
};

}  // namespace velmora
