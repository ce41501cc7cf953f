// The working of each calculation below the window, in a module of its own:
// the exact numbers and the solution's text and figure weigh more than the
// calculator itself, so the page fetches them once it computes, and a first
// visit waits for none of it. main.js hands each calculation's pair and two
// given texts here, with the values the calculator read from them.
//
// The figure to scale can be moved by its corners (figure_drag.js hears the
// pointer and the keys): here each press, move and key becomes the bases a
// and c, which the page hands to the calculator's core; its calculation comes
// back here and is drawn in place, at the scale of the press while a pointer
// drags, and fitted anew when the drag ends.
#include <emscripten.h>

#include <algorithm>
#include <array>
#include <optional>
#include <string>

#include "browser_format.h"
#include "design.h"
#include "figure_dragging.h"
#include "format_value.h"
#include "link_html.h"
#include "solution.h"
#include "solution_dom.h"
#include "solution_html.h"

namespace {

using namespace velmora;
using solution::Handle;

std::u16string& GivenTexts() {
    static std::u16string texts;
    return texts;
}

// The calculation whose working is shown, and its figure.
struct Shown {
    Calculation calculation;
    solution::ShownFigure drawn;
};

Shown& TheShown() {
    static Shown shown;
    return shown;
}

solution::FigureDragging& TheDragging() {
    static solution::FigureDragging dragging;
    return dragging;
}

// The bases a and c for the page, where a drag has moved them; otherwise null.
const double* Handed(std::optional<solution::Bases> bases) {
    static std::array<double, 2> handed;
    if (!bases) return nullptr;
    handed = {bases->a, bases->c};
    return handed.data();
}

// A handle's place, in percent of the drawing.
figure::Point Percent(const solution::ScaledFigure& figure, figure::Point corner) {
    return {100 * corner.x / figure.width, 100 * corner.y / figure.height};
}

// The corners' handles, the sliders with their bases and the least and the
// most the grid lets them take.
void PlaceHandles(const solution::ShownFigure& drawn, const NumberFormat& format) {
    const solution::ScaledFigure& figure = *drawn.figure;
    const solution::Grid grid = TheDragging().GridOf(drawn);
    const auto slider = [&](double base) {
        return web::dom::SliderValues{base, grid.LengthOf(1), grid.LengthOf(grid.most),
                                      FormatValue(base, format)};
    };
    const auto [A, B, C, D] = figure.corners;
    const web::dom::SliderValues a = slider(drawn.bases.a);
    const web::dom::SliderValues c = slider(drawn.bases.c);
    web::dom::PlaceHandle(web::kSolutionBodyId, 0, Percent(figure, A));
    web::dom::PlaceHandle(web::kSolutionBodyId, 1, Percent(figure, B), &a);
    web::dom::PlaceHandle(web::kSolutionBodyId, 2, Percent(figure, C), &c);
    web::dom::PlaceHandle(web::kSolutionBodyId, 3, Percent(figure, D));
}

void ShowTheWorking() {
    Shown& shown = TheShown();
    solution::Solution solution = solution::SolutionOf(shown.calculation);
    shown.drawn = TheDragging().Shown(shown.calculation, solution.figure);
    solution.figure = shown.drawn.figure;
    web::dom::ShowSolution(web::kSolutionBodyId, web::SolutionHtml(solution));
    if (shown.drawn.figure) PlaceHandles(shown.drawn, shown.calculation.format);
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
// Pair -1: the working is gone (a pair change, Clear), and any drag with it.
EMSCRIPTEN_KEEPALIVE void velmora_show_working(int pair, int firstLength, double x, double y) {
    if (!IsValidPair(pair)) {
        TheShown() = {};
        TheDragging().End();
        return;
    }
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
    TheShown().calculation = calculation;
    ShowTheWorking();
}

// A press at (x, y) on the figure drawn in the box (left, top, width,
// height), in the page's CSS pixels: the handle whose corner it took (0 the
// base a, 1 c), its drag begun; or -1, none.
EMSCRIPTEN_KEEPALIVE int velmora_drag_press(double x, double y, double left, double top,
                                            double width, double height) {
    const solution::ShownFigure& drawn = TheShown().drawn;
    if (!drawn.figure) return -1;
    const std::optional<Handle> handle =
        TheDragging().Press(drawn, solution::FitInto(*drawn.figure, left, top, width, height),
                            {x, y}, design::kHandleTarget);
    return handle ? static_cast<int>(*handle) : -1;
}

// The pointer of the drag at x: the bases a and c, where the dragged base
// moves to another step; otherwise null.
EMSCRIPTEN_KEEPALIVE const double* velmora_drag_to(double x) {
    return Handed(TheDragging().PointerAt(x));
}

// A key on handle's slider (a StepKey, ten steps where `tenfold`): its drag
// by keys goes on, or begins where another handle's or none is under way;
// the bases as velmora_drag_to gives them. Keys do nothing while a pointer drags.
EMSCRIPTEN_KEEPALIVE const double* velmora_drag_key(int handle, int key, int tenfold) {
    if (handle < 0 || handle > 1 || key < 0 || key > 3) return nullptr;
    return Handed(TheDragging().Key(TheShown().drawn, static_cast<Handle>(handle),
                                    static_cast<solution::StepKey>(key), tenfold));
}

// The drag is over; where `redraw`, the working shown is written again, its
// figure fitted anew, or gone where the boxes give no trapezoid.
EMSCRIPTEN_KEEPALIVE void velmora_drag_end(int redraw) {
    TheDragging().End();
    if (redraw && IsValidPair(TheShown().calculation.pair)) ShowTheWorking();
}

}  // extern "C"
