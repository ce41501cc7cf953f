// The calculator's core in the page: the shared window logic on the page's
// controls, and the few functions main.js and the controls' events call.
#include <emscripten.h>

#include <optional>
#include <string>

#include "browser_format.h"
#include "calculation_link.h"
#include "dom.h"
#include "page_controls.h"
#include "utf16.h"
#include "window_logic.h"

namespace {

struct Calculator {
    velmora::web::PageControls controls{[this] { logic.PairChanged(); }};
    velmora::WindowLogic logic{controls, velmora::web::BrowserNumberFormat};
};

Calculator& TheCalculator() {
    static Calculator calculator;
    return calculator;
}

}  // namespace

extern "C" {

// The page is parsed: bind its controls and run the Load handling.
EMSCRIPTEN_KEEPALIVE void velmora_start() {
    velmora::web::BindPageEvents();
    TheCalculator().logic.Load();
}

// The page was opened, or its address changed, with a fragment: the
// calculation it names, opened. Any other leaves the page as it is (at the
// start, as a plain visit shows it) and the address as it was: a pupil's
// mistyped link does not wipe the calculation on screen.
EMSCRIPTEN_KEEPALIVE void velmora_open_link() {
    namespace link = velmora::link;
    const std::string fragment =
        velmora::Utf8(velmora::web::dom::Fragment(link::kLongestFragment).value_or(u""));
    if (const std::optional<link::Linked> linked = link::ReadFragment(fragment)) {
        TheCalculator().logic.OpenCalculation(*linked);
        return;
    }
    TheCalculator().controls.PutBackFragment();
}

EMSCRIPTEN_KEEPALIVE void velmora_command(int index) {
    TheCalculator().logic.CommandClicked(index);
}

EMSCRIPTEN_KEEPALIVE void velmora_pair_changed() {
    TheCalculator().controls.SelectionChanged();
}

// A drag of the working's figure, by a pointer or the keys: the boxes kept
// for Escape; each step, the bases it gives written into the pair's boxes
// and calculated; Escape, the kept boxes calculated again.
EMSCRIPTEN_KEEPALIVE void velmora_begin_drag() {
    TheCalculator().logic.BeginDrag();
}

EMSCRIPTEN_KEEPALIVE void velmora_drag_bases(double a, double c) {
    TheCalculator().logic.DragBases(a, c);
}

EMSCRIPTEN_KEEPALIVE void velmora_cancel_drag() {
    TheCalculator().logic.CancelDrag();
}

}  // extern "C"
