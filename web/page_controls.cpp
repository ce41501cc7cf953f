#include "page_controls.h"

#include "calculation_link.h"
#include "design.h"
#include "dom.h"
#include "utf16.h"

namespace velmora::web {
namespace {

using design::Name;

std::string Id(Name name, int index = design::kUnindexed) {
    return design::IndexedName(design::ControlNamed(name, index));
}

}  // namespace

void PageControls::SelectionChanged() {
    const InputPair pair = SelectedPair();
    if (pair < 0) {  // Ctrl+click would leave the list without a selection
        dom::Select(Id(Name::List1), shownPair_);
        return;
    }
    if (pair == shownPair_) return;
    shownPair_ = pair;
    pairChanged_();
}

std::u16string PageControls::ValueText(Quantity k) const {
    return dom::Value(Id(Name::Text2, k));
}

void PageControls::SetValueText(Quantity k, const std::u16string& text) {
    dom::SetValue(Id(Name::Text2, k), text);
}

void PageControls::SetValueReadOnly(Quantity k, bool readOnly) {
    dom::SetReadOnly(Id(Name::Text2, k), readOnly);
}

void PageControls::SetCheckMark(Quantity k, bool checked) {
    dom::SetChecked(Id(Name::Check1, k), checked);
}

InputPair PageControls::SelectedPair() const {
    return dom::SelectedIndex(Id(Name::List1));
}

// A change from the entry shown, even where the list is on the new one
// already (a browser restores a list's selection on reload).
void PageControls::SelectPair(InputPair pair) {
    if (pair != SelectedPair()) dom::Select(Id(Name::List1), pair);
    if (pair == shownPair_) return;
    shownPair_ = pair;
    pairChanged_();
}

void PageControls::SetExplanation(const std::u16string& text) {
    dom::SetValue(Id(Name::Text1, 0), text);
}

// The working below the window, then the calculation in the page's address,
// from the numbers read (where they are numbers), so that the address opens
// it again. No pair, no working: nothing says what was given.
void PageControls::ShowWorking(const Calculation& calculation) {
    if (!IsValidPair(calculation.pair)) {
        ClearWorking();
        return;
    }
    const PairDefinition& pair = PairAt(calculation.pair);
    fragment_ = link::FragmentOf({calculation.pair, calculation.working.values[pair.first],
                                  calculation.working.values[pair.second]});
    dom::ShowWorking(calculation.pair, calculation.texts[pair.first],
                     calculation.texts[pair.second], calculation.working.values[pair.first],
                     calculation.working.values[pair.second]);
    dom::SetHtml(kSolutionLinkId,
                 LinkHtml(fragment_.empty() ? std::u16string()
                                            : dom::PageAddress() + u"#" + Utf16(fragment_),
                          dom::LinkActionHere()));
    dom::SetFragment(fragment_);
    showsWorking_ = true;
}

// The page starts with the first line, so start-up writes nothing here.
void PageControls::ClearWorking() {
    if (!showsWorking_) return;
    dom::ShowWorking(-1, {}, {});
    dom::SetHtml(kSolutionBodyId, BeforeFirstCalculationHtml());
    dom::SetHtml(kSolutionLinkId, {});
    fragment_.clear();
    dom::SetFragment({});
    showsWorking_ = false;
}

void PageControls::PutBackFragment() {
    dom::SetFragment(fragment_);
}

void BindPageEvents() {
    bool focused = false;
    for (const design::Control& control : design::kControls) {
        const std::string id = design::IndexedName(control);
        if (control.kind == design::Kind::Button) dom::OnClick(id, control.index);
        if (control.kind == design::Kind::List) dom::OnSelectionChange(id);
        if (!focused && design::TakesFocus(control)) {
            dom::Focus(id);
            focused = true;
        }
    }
}

}  // namespace velmora::web
