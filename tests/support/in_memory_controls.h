// The window's controls as plain values, for driving the window logic in tests.
#pragma once

#include <QString>
#include <array>
#include <functional>

#include "qt_text.h"
#include "texts.h"
#include "window_controls.h"

namespace velmora::testing {

class InMemoryControls : public WindowControls {
  public:
    struct Box {
        QString text;
        bool readOnly = false;  // boxes start editable, as created
    };

    std::array<Box, kQuantityCount> boxes{};
    std::array<bool, kQuantityCount> checks{};
    InputPair pair = -1;  // the list has no selection until Load selects one
    QString explanation = ToQString(texts::kExplanation);
    std::function<void()> onPairChanged;  // the list's selection-changed event
    int pairChangedEvents = 0;

    QString ValueText(Quantity k) const override { return boxes[k].text; }
    void SetValueText(Quantity k, const QString& text) override { boxes[k].text = text; }
    void SetValueReadOnly(Quantity k, bool readOnly) override { boxes[k].readOnly = readOnly; }
    void SetCheckMark(Quantity k, bool checked) override { checks[k] = checked; }
    InputPair SelectedPair() const override { return pair; }
    void SelectPair(InputPair p) override {
        if (p == pair) return;  // the same entry again is no change
        pair = p;
        ++pairChangedEvents;
        if (onPairChanged) onPairChanged();
    }
    void SetExplanation(const QString& text) override { explanation = text; }

    // The user types into a box; only editable boxes take keystrokes.
    void Type(Quantity k, const QString& text) {
        if (!boxes[k].readOnly) boxes[k].text = text;
    }
};

}  // namespace velmora::testing
