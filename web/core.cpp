// The calculator's core in the page: the shared window logic on the page's
// controls, and the few functions main.js and the controls' events call.
#include <emscripten.h>

#include <optional>
#include <string>

#include "calculation_link.h"
#include "dom.h"
#include "number_format.h"
#include "page_controls.h"
#include "utf16.h"
#include "window_logic.h"

namespace {

using velmora::NumberFormat;

// Asks main.js for the number format of the browser's language, which it
// passes in the text buffer and velmora_set_number_format.
// clang-format off
EM_JS(void, velmora_ask_number_format, (), {
    const format = Module["numberFormat"]();
    const texts = format.decimal + format.group + format.minus;
    const buffer = _velmora_text_buffer(texts.length) >> 1;
    for (let i = 0; i < texts.length; ++i) HEAPU16[buffer + i] = texts.charCodeAt(i);
    _velmora_set_number_format(format.decimal.length, format.group.length, format.minus.length,
        format.zero, format.first, format.higher, format.minimumGrouping, format.trailingSign);
});
// clang-format on

struct Calculator {
    NumberFormat format;  // the browser's, as last asked for
    velmora::web::PageControls controls{[this] { logic.PairChanged(); }};
    velmora::WindowLogic logic{controls, [this] {
                                   velmora_ask_number_format();
                                   return format;
                               }};
};

Calculator& TheCalculator() {
    static Calculator calculator;
    return calculator;
}

std::u16string& TextBuffer() {
    static std::u16string buffer;
    return buffer;
}

}  // namespace

extern "C" {

// Where the texts of the number format are written before they are passed.
EMSCRIPTEN_KEEPALIVE char16_t* velmora_text_buffer(int length) {
    TextBuffer().assign(static_cast<std::size_t>(length), u'\0');
    return TextBuffer().data();
}

// The number format, its three texts one after the other in the text buffer.
// Group sizes from the decimal separator leftwards, the higher one repeating;
// a first size of 0 means no grouping. A trailing sign where `trailingSign`.
EMSCRIPTEN_KEEPALIVE void velmora_set_number_format(int decimalLength, int groupLength,
                                                    int minusLength, int zeroDigit, int firstGroup,
                                                    int higherGroup, int minimumGroupingDigits,
                                                    int trailingSign) {
    const std::u16string& texts = TextBuffer();
    NumberFormat format;
    std::size_t at = 0;
    const auto next = [&](int length) {
        std::u16string text = texts.substr(at, static_cast<std::size_t>(length));
        at += static_cast<std::size_t>(length);
        return text;
    };
    format.decimalSeparator = next(decimalLength);
    format.groupSeparator = next(groupLength);
    format.negativeSign = next(minusLength);
    format.zeroDigit = static_cast<char32_t>(zeroDigit);
    if (firstGroup > 0 && !format.groupSeparator.empty()) {
        format.groupSizes = {firstGroup, higherGroup > 0 ? higherGroup : firstGroup};
    }
    format.minimumGroupingDigits = minimumGroupingDigits;
    format.negativeStyle =
        trailingSign ? velmora::NegativeStyle::TrailingSign : velmora::NegativeStyle::LeadingSign;
    TheCalculator().format = format;
}

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

}  // extern "C"
