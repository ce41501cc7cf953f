// What the main window does on start-up, on a change of pair and on its two
// buttons. It works on the controls and keeps no copy of what they hold; it
// remembers only whether the explanation box shows the invalid-data message.
#pragma once

#include <array>
#include <functional>
#include <string>

#include "calculation_link.h"
#include "number_format.h"
#include "window_controls.h"

namespace velmora {

// Indices of the two buttons that share one click handler.
enum Command : int { kCalculateCommand = 0, kClearCommand = 1 };

class WindowLogic {
  public:
    // Where the regional number settings come from at each calculation.
    using FormatSource = std::function<NumberFormat()>;

    WindowLogic(WindowControls& controls, FormatSource format);

    // The window has been created: empty boxes, pair "a, c", the defaults.
    // Run again, it is as it was at its start, the explanation shown.
    void Load();
    // A calculation that a link names: its pair selected (the boxes emptied,
    // as at any change of pair), its two values written in the region's
    // format with every digit they need, then calculated as Calculate does.
    void OpenCalculation(const link::Linked& calculation);
    // The selected pair has changed, by the user or by the program.
    void PairChanged();
    // Command1(index) was clicked.
    void CommandClicked(int index);

    void ClearValues();
    void ComputeValues();

    // A drag of the figure drawn to scale: the given boxes as they were, kept
    // for Escape; each step, the selected pair's two boxes take the values
    // that bases a and c give, as the boxes write them, and are calculated
    // as Calculate would; cancelled, the kept boxes are calculated again.
    void BeginDrag();
    void DragBases(double a, double c);
    void CancelDrag();

  private:
    void ShowExplanation();

    WindowControls& controls_;
    FormatSource format_;
    bool showsInvalidData_ = false;
    std::array<std::u16string, kQuantityCount> beforeDrag_{};
};

}  // namespace velmora
