// The pane's figure moved by the mouse and the keys, as both desktop windows
// move it: each event handed on to the pane, which draws the figure as it
// goes, and to the calculator, which writes the boxes and calculates them.
// A window only turns its own mouse and key events into these calls.
#pragma once

#include "window_logic.h"
#include "working_pane_model.h"

namespace velmora::solution {

// The keys the focused figure takes: ← and → the base a, ↓ and ↑ the base c,
// Home and End the least and the most a (with Ctrl, c), Escape the undo.
enum class FigureKey { kLeft, kRight, kDown, kUp, kHome, kEnd, kEscape };

class FigureDragInput {
  public:
    FigureDragInput(WorkingPaneModel& pane, WindowLogic& logic) : pane_(pane), logic_(logic) {}

    const WorkingPaneModel& Pane() const { return pane_; }

    // The main button pressed at a point of the figure, in its pixels: true
    // where it took a corner, and the window then captures the pointer.
    bool Press(figure::Point at);
    void MoveTo(double x);
    // The button let go at x: the drag over, the figure fitted anew.
    void Release(double x);
    // The capture taken away by the system: the drag ends where it is.
    void CaptureLost();
    // A key on the focused figure: true where it was taken.
    bool Key(FigureKey key, bool shift, bool ctrl);
    // The focus has left the figure: a drag by keys is over.
    void FocusLost();

  private:
    void Moved(std::optional<Bases> bases);
    void End(bool undo);

    WorkingPaneModel& pane_;
    WindowLogic& logic_;
};

}  // namespace velmora::solution
