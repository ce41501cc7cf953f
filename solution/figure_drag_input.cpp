#include "figure_drag_input.h"

namespace velmora::solution {

// A drag by keys goes on into a pointer's, and Escape puts back the boxes
// from before either.
bool FigureDragInput::Press(figure::Point at) {
    const bool under = pane_.Dragging();
    if (!pane_.Press(at)) return false;
    if (!under) logic_.BeginDrag();
    return true;
}

void FigureDragInput::MoveTo(double x) {
    Moved(pane_.DragTo(x));
}

void FigureDragInput::Release(double x) {
    if (!pane_.DraggingByPointer()) return;
    MoveTo(x);
    End(false);
}

void FigureDragInput::CaptureLost() {
    if (pane_.DraggingByPointer()) End(false);
}

bool FigureDragInput::Key(FigureKey key, bool shift, bool ctrl) {
    if (key == FigureKey::kEscape) {
        if (!pane_.Dragging()) return false;
        End(true);
        return true;
    }
    if (!pane_.Figure()) return false;
    if (pane_.DraggingByPointer()) return true;  // the pointer has it
    Handle handle = Handle::kBaseA;
    StepKey step = StepKey::kShorter;
    switch (key) {
        case FigureKey::kRight:
            step = StepKey::kLonger;
            break;
        case FigureKey::kDown:
            handle = Handle::kBaseC;
            break;
        case FigureKey::kUp:
            handle = Handle::kBaseC;
            step = StepKey::kLonger;
            break;
        case FigureKey::kHome:
        case FigureKey::kEnd:
            handle = ctrl ? Handle::kBaseC : Handle::kBaseA;
            step = key == FigureKey::kHome ? StepKey::kLeast : StepKey::kMost;
            break;
        default:
            break;
    }
    if (!pane_.Dragging()) logic_.BeginDrag();
    Moved(pane_.Key(handle, step, shift));
    return true;
}

void FigureDragInput::FocusLost() {
    if (pane_.Dragging() && !pane_.DraggingByPointer()) End(false);
}

void FigureDragInput::Moved(std::optional<Bases> bases) {
    if (bases) logic_.DragBases(bases->a, bases->c);
}

// Undone, the boxes from before are calculated again, and their figure
// fitted to its box.
void FigureDragInput::End(bool undo) {
    pane_.EndDrag();
    if (undo) logic_.CancelDrag();
}

}  // namespace velmora::solution
