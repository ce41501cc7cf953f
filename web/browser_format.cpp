#include "browser_format.h"

#include <emscripten.h>

#include <string>

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

NumberFormat& Asked() {
    static NumberFormat format;
    return format;
}

std::u16string& TextBuffer() {
    static std::u16string buffer;
    return buffer;
}

}  // namespace

namespace velmora::web {

NumberFormat BrowserNumberFormat() {
    velmora_ask_number_format();
    return Asked();
}

}  // namespace velmora::web

extern "C" {

// Where texts are written before they are passed: the number format's, and
// the working module's given values.
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
    Asked() = format;
}

}  // extern "C"
