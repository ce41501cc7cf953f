// The operations the window logic performs on the window's controls. Each
// window toolkit carries them out on its controls; tests use an in-memory
// stand-in. Texts are UTF-16, which both toolkits hold natively.
#pragma once

#include <string>

#include "quantities.h"

namespace velmora {

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

  protected:
    ~WindowControls() = default;
};

}  // namespace velmora
