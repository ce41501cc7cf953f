// The window's controls as plain values, for driving the window logic in tests.
#pragma once

#include <array>
#include <functional>
#include <optional>
#include <string>

#include "texts.h"
#include "utf16.h"
#include "window_controls.h"

namespace velmora::testing {

class InMemoryControls : public WindowControls {
  public:
    struct Box {
        std::u16string text;
        bool readOnly = false;  // boxes start editable, as created
    };

    std::array<Box, kQuantityCount> boxes{};
    std::array<bool, kQuantityCount> checks{};
    InputPair pair = -1;  // the list has no selection until Load selects one
    std::u16string explanation = Utf16(texts::kExplanation);
    int explanationWrites = 0;            // each write scrolls the box back to its top
    std::function<void()> onPairChanged;  // the list's selection-changed event
    int pairChangedEvents = 0;
    std::optional<Calculation> working;  // the calculation whose working is shown

    std::u16string ValueText(Quantity k) const override { return boxes[k].text; }
    void SetValueText(Quantity k, const std::u16string& text) override { boxes[k].text = text; }
    void SetValueReadOnly(Quantity k, bool readOnly) override { boxes[k].readOnly = readOnly; }
    void SetCheckMark(Quantity k, bool checked) override { checks[k] = checked; }
    InputPair SelectedPair() const override { return pair; }
    void SelectPair(InputPair p) override {
        if (p == pair) return;  // the same entry again is no change
        pair = p;
        ++pairChangedEvents;
        if (onPairChanged) onPairChanged();
    }
    void SetExplanation(const std::u16string& text) override {
        explanation = text;
        ++explanationWrites;
    }
    void ShowWorking(const Calculation& calculation) override { working = calculation; }
    void ClearWorking() override { working.reset(); }

    // The user types into a box (UTF-8 here); only editable boxes take keystrokes.
    void Type(Quantity k, std::string_view text) {
        if (!boxes[k].readOnly) boxes[k].text = Utf16(text);
    }
};

}  // namespace velmora::testing
