#include "window_logic.h"

#include <string_view>
#include <utility>

#include "format_value.h"
#include "parse_number.h"
#include "solve.h"
#include "texts.h"
#include "utf16.h"

namespace velmora {
namespace {

constexpr InputPair kStartupPair = PairOf(kBaseA, kBaseC);

// Start-up values: plain integer text, not formatted.
constexpr std::u16string_view kDefaultA = u"16";
constexpr std::u16string_view kDefaultC = u"4";

}  // namespace

WindowLogic::WindowLogic(WindowControls& controls, FormatSource format)
    : controls_(controls), format_(std::move(format)) {}

void WindowLogic::Load() {
    ClearValues();
    controls_.SelectPair(kStartupPair);  // runs PairChanged to the end first
    controls_.SetValueText(kBaseA, std::u16string(kDefaultA));
    controls_.SetValueText(kBaseC, std::u16string(kDefaultC));
    ShowExplanation();
}

void WindowLogic::OpenCalculation(const link::Linked& calculation) {
    if (!IsValidPair(calculation.pair)) return;
    if (controls_.SelectedPair() == calculation.pair) {
        PairChanged();  // the same pair anew: its boxes emptied all the same
    } else {
        controls_.SelectPair(calculation.pair);
    }
    const NumberFormat format = format_();
    const PairDefinition& pair = PairAt(calculation.pair);
    controls_.SetValueText(pair.first, FormatExact(calculation.first, format));
    controls_.SetValueText(pair.second, FormatExact(calculation.second, format));
    ComputeValues();
}

void WindowLogic::PairChanged() {
    controls_.ClearWorking();
    for (Quantity q : kAllQuantities) {
        controls_.SetValueText(q, {});
        controls_.SetValueReadOnly(q, true);
        controls_.SetCheckMark(q, false);
    }
    const InputPair pair = controls_.SelectedPair();
    if (!IsValidPair(pair)) return;
    for (Quantity given : {PairAt(pair).first, PairAt(pair).second}) {
        controls_.SetCheckMark(given, true);
        controls_.SetValueReadOnly(given, false);
    }
}

void WindowLogic::CommandClicked(int index) {
    if (index == kCalculateCommand) ComputeValues();
    if (index == kClearCommand) ClearValues();
}

void WindowLogic::ClearValues() {
    controls_.ClearWorking();
    for (Quantity q : kAllQuantities) controls_.SetValueText(q, {});
}

// Where the invalid-data message stands, the explanation again.
void WindowLogic::ShowExplanation() {
    if (!showsInvalidData_) return;
    controls_.SetExplanation(Utf16(texts::kExplanation));
    showsInvalidData_ = false;
}

void WindowLogic::ComputeValues() {
    // Read in the format the boxes are written in, so that shown results read
    // back as themselves.
    Calculation calculation{.format = format_()};
    QuantityValues values{};
    for (Quantity q : kAllQuantities) {
        calculation.texts[q] = controls_.ValueText(q);
        values[q] = ParseNumber(calculation.texts[q], calculation.format);
    }
    calculation.pair = controls_.SelectedPair();
    calculation.working = Work(calculation.pair, values);
    if (calculation.working.outcome != Outcome::kValid) {
        controls_.SetExplanation(Utf16(texts::kInvalidData));
        showsInvalidData_ = true;
    } else {
        // The message no longer holds: the derivation comes back, from its top.
        ShowExplanation();
        for (Quantity q : kAllQuantities) {
            controls_.SetValueText(q,
                                   FormatValue(calculation.working.values[q], calculation.format));
        }
    }
    controls_.ShowWorking(calculation);
}

void WindowLogic::BeginDrag() {
    for (Quantity q : kAllQuantities) beforeDrag_[q] = controls_.ValueText(q);
}

void WindowLogic::DragBases(double a, double c) {
    const InputPair pair = controls_.SelectedPair();
    if (!IsValidPair(pair)) return;
    const Working fromBases = Work(PairOf(kBaseA, kBaseC), {a, 0, c, 0, 0});
    const NumberFormat format = format_();
    for (Quantity q : {PairAt(pair).first, PairAt(pair).second}) {
        controls_.SetValueText(q, FormatValue(fromBases.values[q], format));
    }
    ComputeValues();
}

void WindowLogic::CancelDrag() {
    const InputPair pair = controls_.SelectedPair();
    if (!IsValidPair(pair)) return;
    for (Quantity q : {PairAt(pair).first, PairAt(pair).second}) {
        controls_.SetValueText(q, beforeDrag_[q]);
    }
    ComputeValues();
}

}  // namespace velmora
