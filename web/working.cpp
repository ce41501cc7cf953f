// The working of each calculation below the window, in a module of its own:
// the exact numbers and the solution's text and figure weigh more than the
// calculator itself, so the page fetches them once it computes, and a first
// visit waits for none of it. main.js hands each calculation's pair and two
// given texts here, with the values the calculator read from them.
#include <emscripten.h>

#include <algorithm>
#include <string>

#include "browser_format.h"
#include "dom_html.h"
#include "link_html.h"
#include "solution.h"
#include "solution_html.h"

namespace {

std::u16string& GivenTexts() {
    static std::u16string texts;
    return texts;
}

}  // namespace

extern "C" {

// Where main.js writes the two given texts, one after the other, before
// velmora_show_working.
EMSCRIPTEN_KEEPALIVE char16_t* velmora_given_texts(int length) {
    GivenTexts().assign(static_cast<std::size_t>(length), u'\0');
    return GivenTexts().data();
}

// The working of the pair's calculation from the given boxes' texts (the
// first `firstLength` units of the given texts, then the rest) and their
// values as the calculator read them, x the first's and y the second's.
EMSCRIPTEN_KEEPALIVE void velmora_show_working(int pair, int firstLength, double x, double y) {
    using namespace velmora;
    if (!IsValidPair(pair)) return;
    const std::u16string& texts = GivenTexts();
    const std::size_t split = std::min(texts.size(), static_cast<std::size_t>(firstLength));
    Calculation calculation{.pair = pair, .format = web::BrowserNumberFormat()};
    const PairDefinition& row = PairAt(pair);
    calculation.texts[row.first] = texts.substr(0, split);
    calculation.texts[row.second] = texts.substr(split);
    QuantityValues given{};
    given[row.first] = x;
    given[row.second] = y;
    calculation.working = Work(pair, given);
    web::dom::SetHtml(web::kSolutionBodyId, web::SolutionHtml(solution::SolutionOf(calculation)));
}

}  // extern "C"
