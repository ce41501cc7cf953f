// The working beside a widened desktop window, as both desktop windows show
// it: its lines and its figure, when the pane is made, shown and hidden, and
// where each part stands. Each window carries it out on its own controls
// (PaneControls) and paints the figure from it, so that the two cannot drift.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "figure_dragging.h"
#include "scaled_figure.h"
#include "solution.h"
#include "working_layout.h"

namespace velmora::solution {

// A window's controls for the pane: the heading, a read-only text box that
// scrolls, and the figure.
class PaneControls {
  public:
    virtual ~PaneControls() = default;

    // Makes them after the window's other controls, and so after those in
    // the tab order, unshown.
    virtual void Create() = 0;
    // How high `lines` stand in the text box at `width`, as it wraps them.
    virtual int LinesHeight(const std::u16string& lines, int width) const = 0;
    virtual int LineHeight() const = 0;  // of one line in the text box
    // The lines in the text box; the figure's name and description for
    // screen readers (none where `figure` is null).
    virtual void Fill(const std::u16string& lines, const ScaledFigure* figure) = 0;
    // Every part at its place and shown, but the figure only `withFigure`.
    virtual void Place(const design::WorkingPaneLayout& laid, bool withFigure) = 0;
    virtual void Hide() = 0;
    virtual bool HasFocus() const = 0;  // the keyboard focus on one of them
    virtual bool FigureHasFocus() const = 0;
    virtual void FocusLines() = 0;
    // The focus on the next control in the tab order outside the pane.
    virtual void FocusNextOutside() = 0;
};

class WorkingPaneModel {
  public:
    // Lines ended by `lineEnd`, as the window's text box takes them.
    WorkingPaneModel(PaneControls& controls, std::u16string_view lineEnd);

    // The working of a calculation, or nothing: the line that says what will
    // appear. Followed even while the pane is hidden or not yet made; where it
    // is made: filled, then laid out again, since the figure follows the lines.
    void Show(std::optional<Solution> solution);
    // A calculation's working, its figure as a drag under way draws it.
    void Show(const Calculation& calculation);
    // The pane in a client area of this size at `dpi`: made the first time
    // there is room for it, then placed; where there is none, hidden, the
    // focus first moved out of it, so that it never falls to the window itself.
    void LayOut(int clientWidth, int clientHeight, int dpi);

    // Where each part stands, in pixels of the client area; nothing while hidden.
    const std::optional<design::WorkingPaneLayout>& Laid() const { return laid_; }
    const std::u16string& Lines() const { return lines_; }
    // The figure, or null where none is drawn.
    const ScaledFigure* Figure() const;
    // The figure fitted to its rectangle, from the rectangle's top left
    // corner; nothing where none is drawn.
    std::optional<FigureFit> Fit() const;
    // The figure in words for screen readers; empty where none is drawn.
    const std::u16string& Description() const { return description_; }
    // The bases drawn, as a screen reader reads the figure's value; empty
    // where none is drawn.
    std::u16string Value() const;
    // The figure's name, which says how the keys move it; empty where none is drawn.
    std::u16string Name() const;

    // The figure moved by its corners (FigureDragInput hands the events on),
    // at points in pixels of the figure's rectangle: a press, the handle
    // whose corner it took; a pointer's drag at x, or a key on a handle, the
    // bases it moves to, where it moves them.
    std::optional<Handle> Press(figure::Point at);
    std::optional<Handle> HandleUnder(figure::Point at) const;  // for the pointer's shape
    std::optional<Bases> DragTo(double x);
    std::optional<Bases> Key(Handle handle, StepKey key, bool tenfold);
    bool Dragging() const { return dragging_.Active(); }
    bool DraggingByPointer() const { return dragging_.Pointer() != nullptr; }
    // The drag is over: its calculation drawn again, fitted anew, or without
    // its figure where the boxes give none.
    void EndDrag();

  private:
    struct Client {
        int width, height, dpi;
    };

    void Written();         // solution_ filled in: the lines and the figure written out
    double Target() const;  // a corner's target, in pixels

    PaneControls& controls_;
    std::u16string lineEnd_;
    std::optional<Solution> solution_;
    std::optional<Calculation> calculation_;  // the one solution_ works, if any
    FigureDragging dragging_;
    Bases bases_;  // of the figure drawn
    std::u16string lines_;
    std::u16string description_;
    bool created_ = false;
    std::optional<Client> client_;  // the last laid out in
    std::optional<design::WorkingPaneLayout> laid_;
};

}  // namespace velmora::solution
