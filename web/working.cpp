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
#include "figure_drag.h"
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

// A figure drawn, and the bases it was drawn with.
struct Drawn {
    std::optional<solution::ScaledFigure> figure;
    double a = 0, c = 0;
};

// The calculation whose working is shown, and its figure.
struct Shown {
    Calculation calculation;
    Drawn drawn;
};

// A drag under way, of one handle: its grid, the dragged base in steps, the
// other base as it was at the start; a pointer's, the press's fit and scale.
struct Drag {
    Handle handle;
    solution::Grid grid;
    long long steps;
    double other;
    std::optional<solution::DragStart> pointer;
    std::array<double, 2> bases;  // a and c, as handed to the core last
};

Shown& TheShown() {
    static Shown shown;
    return shown;
}

std::optional<Drag>& TheDrag() {
    static std::optional<Drag> drag;
    return drag;
}

Drag DragOf(Handle handle, std::optional<solution::DragStart> pointer) {
    const Drawn& drawn = TheShown().drawn;
    const solution::Grid grid = pointer ? pointer->grid : solution::GridFor(drawn.a, drawn.c);
    const bool a = handle == Handle::kBaseA;
    return {handle,
            grid,
            grid.StepsOf(a ? drawn.a : drawn.c),
            a ? drawn.c : drawn.a,
            pointer,
            {drawn.a, drawn.c}};
}

// The bases a and c for the core where the dragged base has moved to another
// step, or nothing where it has not.
const double* MovedTo(long long steps) {
    Drag& drag = *TheDrag();
    if (steps == drag.steps) return nullptr;
    drag.steps = steps;
    const double moved = drag.grid.LengthOf(steps);
    drag.bases = drag.handle == Handle::kBaseA ? std::array{moved, drag.other}
                                               : std::array{drag.other, moved};
    return drag.bases.data();
}

// The figure of the calculation shown; while a drag is under way, at the
// scale of its press, and where the boxes give no trapezoid, from the bases
// dragged to, so that the drag can go on past them.
Drawn DrawnOf(const solution::Solution& solution) {
    const Calculation& calculation = TheShown().calculation;
    const QuantityValues& values = calculation.working.values;
    const std::optional<Drag>& drag = TheDrag();
    if (!drag) return {solution.figure, values[kBaseA], values[kBaseC]};
    const std::optional<solution::FigureScale> kept =
        drag->pointer ? std::optional(drag->pointer->scale) : std::nullopt;
    if (calculation.working.outcome == Outcome::kValid) {
        if (auto figure = solution::ScaledFigureOf(values, calculation.format, kept))
            return {figure, values[kBaseA], values[kBaseC]};
    }
    const auto [a, c] = drag->bases;
    return {solution::ScaledFigureOf(Work(PairOf(kBaseA, kBaseC), {a, 0, c, 0, 0}).values,
                                     calculation.format, kept),
            a, c};
}

// A handle's place, in percent of the drawing.
figure::Point Percent(const solution::ScaledFigure& figure, figure::Point corner) {
    return {100 * corner.x / figure.width, 100 * corner.y / figure.height};
}

// The corners' handles, the sliders with their bases and the least and the
// most the grid lets them take.
void PlaceHandles(const Drawn& drawn, const NumberFormat& format) {
    const solution::ScaledFigure& figure = *drawn.figure;
    const std::optional<Drag>& drag = TheDrag();
    const solution::Grid grid = drag ? drag->grid : solution::GridFor(drawn.a, drawn.c);
    const auto slider = [&](double base) {
        return web::dom::SliderValues{base, grid.LengthOf(1), grid.LengthOf(grid.most),
                                      FormatValue(base, format)};
    };
    const auto [A, B, C, D] = figure.corners;
    const web::dom::SliderValues a = slider(drawn.a);
    const web::dom::SliderValues c = slider(drawn.c);
    web::dom::PlaceHandle(web::kSolutionBodyId, 0, Percent(figure, A));
    web::dom::PlaceHandle(web::kSolutionBodyId, 1, Percent(figure, B), &a);
    web::dom::PlaceHandle(web::kSolutionBodyId, 2, Percent(figure, C), &c);
    web::dom::PlaceHandle(web::kSolutionBodyId, 3, Percent(figure, D));
}

void ShowTheWorking() {
    Shown& shown = TheShown();
    solution::Solution solution = solution::SolutionOf(shown.calculation);
    shown.drawn = DrawnOf(solution);
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
        TheDrag().reset();
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
    const Drawn& drawn = TheShown().drawn;
    if (!drawn.figure) return -1;
    const solution::FigureFit fit = solution::FitInto(*drawn.figure, left, top, width, height);
    const std::optional<Handle> handle =
        solution::HandleAt(*drawn.figure, fit, {x, y}, design::kHandleTarget);
    if (!handle) return -1;
    TheDrag() =
        DragOf(*handle, solution::StartDrag(*drawn.figure, fit, *handle, {x, y}, drawn.a, drawn.c));
    return static_cast<int>(*handle);
}

// The pointer of the drag at x: the bases a and c, where the dragged base
// moves to another step; otherwise null.
EMSCRIPTEN_KEEPALIVE const double* velmora_drag_to(double x) {
    const std::optional<Drag>& drag = TheDrag();
    if (!drag || !drag->pointer) return nullptr;
    const std::optional<long long> steps = solution::BaseStepsAt(x, *drag->pointer);
    return steps ? MovedTo(*steps) : nullptr;
}

// A key on handle's slider (a StepKey, ten steps where `tenfold`): its drag
// by keys goes on, or begins where another handle's or none is under way;
// the bases as velmora_drag_to gives them. Keys do nothing while a pointer drags.
EMSCRIPTEN_KEEPALIVE const double* velmora_drag_key(int handle, int key, int tenfold) {
    std::optional<Drag>& drag = TheDrag();
    if (!TheShown().drawn.figure || handle < 0 || handle > 1 || key < 0 || key > 3) return nullptr;
    if (drag && drag->pointer) return nullptr;
    if (!drag || static_cast<int>(drag->handle) != handle) {
        drag = DragOf(static_cast<Handle>(handle), std::nullopt);
    }
    return MovedTo(drag->grid.AfterKey(drag->steps, static_cast<solution::StepKey>(key), tenfold));
}

// The drag is over; where `redraw`, the working shown is written again, its
// figure fitted anew, or gone where the boxes give no trapezoid.
EMSCRIPTEN_KEEPALIVE void velmora_drag_end(int redraw) {
    TheDrag().reset();
    if (redraw && IsValidPair(TheShown().calculation.pair)) ShowTheWorking();
}

}  // extern "C"
