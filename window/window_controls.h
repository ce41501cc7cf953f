// The operations the window logic performs on the window's controls. Each
// window toolkit carries them out on its controls; tests use an in-memory
// stand-in. Texts are UTF-16, which both toolkits hold natively.
#pragma once

#include <array>
#include <string>

#include "number_format.h"
#include "quantities.h"
#include "solve.h"

namespace velmora {

// What one Calculate read and worked out.
struct Calculation {
    InputPair pair = -1;
    std::array<std::u16string, kQuantityCount> texts{};  // the boxes as they were read
    Working working{};
    NumberFormat format{};  // the one the boxes were read and are written in
};

class WindowControls {
  public:
    // Value box k (Text2(k)): its text and its read-only flag.
    virtual std::u16string ValueText(Quantity k) const = 0;
    virtual void SetValueText(Quantity k, const std::u16string& text) = 0;
    virtual void SetValueReadOnly(Quantity k, bool readOnly) = 0;

    // Check mark k (Check1(k)), set only by the program.
    virtual void SetCheckMark(Quantity k, bool checked) = 0;

    // The pair list (List1). Selecting an entry other than the selected one
    // raises the pair-changed event before SelectPair returns.
    virtual InputPair SelectedPair() const = 0;
    virtual void SelectPair(InputPair pair) = 0;

    // The explanation box (Text1(0)).
    virtual void SetExplanation(const std::u16string& text) = 0;

    // Only a window that shows the working of a calculation does anything
    // here: each Calculate shows its own; a pair change and Clear take the last
    // one away, since its numbers are then no longer in the boxes.
    virtual void ShowWorking(const Calculation& /*calculation*/) {}
    virtual void ClearWorking() {}

  protected:
    ~WindowControls() = default;
};

}  // namespace velmora
