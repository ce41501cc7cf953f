// The page's HTML controls, made from the design table at build time, as the
// window logic's controls: value boxes, check marks, the pair list and the
// explanation, each found by its id ("Text2_3").
#pragma once

#include <functional>
#include <string>
#include <utility>

#include "window_controls.h"

namespace velmora::web {

class PageControls final : public WindowControls {
  public:
    // Called when the program's own selection changes the pair: a page's
    // list, like Windows', announces only the user's changes.
    explicit PageControls(std::function<void()> pairChanged)
        : pairChanged_(std::move(pairChanged)) {}

    // The user changed the list's selection: raises the pair change unless
    // it is the entry already shown, and never lets the list lose its selection.
    void SelectionChanged();

    std::u16string ValueText(Quantity k) const override;
    void SetValueText(Quantity k, const std::u16string& text) override;
    void SetValueReadOnly(Quantity k, bool readOnly) override;
    void SetCheckMark(Quantity k, bool checked) override;
    InputPair SelectedPair() const override;
    void SelectPair(InputPair pair) override;
    void SetExplanation(const std::u16string& text) override;
    // The working shows below the window, in the solution section.
    void ShowWorking(const Calculation& calculation) override;
    void ClearWorking() override;

    // The address names the calculation shown again, or none where none is:
    // what a link that could not be read leaves.
    void PutBackFragment();

  private:
    std::function<void()> pairChanged_;
    InputPair shownPair_ = -1;   // the entry last announced as selected
    bool showsWorking_ = false;  // the solution section holds a working, not its first line
    std::string fragment_;       // the calculation shown, as a link names it; empty for none
};

// Hears the buttons and the list, and puts the focus on the first control in
// tab order, as the desktop windows do when they open.
void BindPageEvents();

}  // namespace velmora::web
