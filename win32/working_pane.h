// The working of the last calculation, in the room right of the calculator
// that a widened window gains: a sunken sheet in the system's window colours
// with the heading (which names the text box for screen readers), the lines
// in a read-only text box that scrolls, with a caret that the arrows move and
// that can be copied from, and the trapezoid to scale. When it is made, shown
// and hidden, and where each part stands, is the shared pane's
// (solution/working_pane_model.h); this carries it out on Win32 controls.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "accessible_picture.h"
#include "density.h"
#include "figure_drag_input.h"
#include "solution.h"
#include "working_pane_model.h"

namespace velmora::win32 {

class WorkingPane final : private solution::PaneControls {
  public:
    // Its figure's drag is calculated by `logic`.
    WorkingPane(HWND window, HINSTANCE instance, const Density& density, WindowLogic& logic)
        : window_(window), instance_(instance), density_(density), drag_(model_, logic) {}

    // The working of a calculation, or nothing: the line that says what will appear.
    void Show(const Calculation& calculation) { model_.Show(calculation); }
    void Clear() { model_.Show(std::nullopt); }
    // Shows the pane where the window is wide enough for it, hides it where not.
    void LayOut();

    // The sheet, where it is shown: what the window's fill leaves out.
    std::optional<RECT> Sheet() const;
    // The sheet under the controls, from the window's WM_ERASEBKGND, and the
    // frame round the lines while they have the keyboard focus.
    void PaintSheet(HDC dc) const;
    // The figure, from the window's WM_DRAWITEM; false for any other control.
    bool PaintFigure(const DRAWITEMSTRUCT& item) const;
    // Whether the control is one of the pane's, which take the system's window colours.
    bool Holds(HWND control) const;
    // From the text box's EN_SETFOCUS and EN_KILLFOCUS: its frame painted or taken away.
    void FocusChanged() const;

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

    HWND window_;
    HINSTANCE instance_;
    const Density& density_;
    HWND heading_ = nullptr;
    HWND text_ = nullptr;
    HWND figure_ = nullptr;
    solution::WorkingPaneModel model_{*this, u"\r\n"};
    solution::FigureDragInput drag_;
    PictureWords words_;  // the figure's, for screen readers
};

}  // namespace velmora::win32
