#include <benchmark/benchmark.h>

#include <array>
#include <string>

#include "figure_drag.h"
#include "format_value.h"
#include "in_memory_controls.h"
#include "parse_number.h"
#include "solution.h"
#include "solve.h"
#include "window_logic.h"
#include "working_text.h"

namespace {

using velmora::kQuantityCount;

// A grouping regional format: en_US, or bg_BG with a no-break space from
// five digits on.
velmora::NumberFormat Region(bool bulgarian) {
    velmora::NumberFormat format;
    format.decimalSeparator = bulgarian ? u"," : u".";
    format.groupSeparator = bulgarian ? u"\u00a0" : u",";
    format.groupSizes = {3};
    format.minimumGroupingDigits = bulgarian ? 2 : 1;
    return format;
}

// What the boxes hold on a second Calculate after start-up, in a grouping locale.
void BM_Calculation(benchmark::State& state, bool bulgarian) {
    const velmora::InputPair pair = static_cast<velmora::InputPair>(state.range(0));
    const velmora::NumberFormat format = Region(bulgarian);
    std::array<std::u16string, kQuantityCount> boxes;
    const std::array<double, kQuantityCount> shown{16, 10, 4, 4, 40};
    for (int k = 0; k < kQuantityCount; ++k) boxes[k] = velmora::FormatValue(shown[k], format);
    for (auto _ : state) {
        velmora::QuantityValues values{};
        for (int k = 0; k < kQuantityCount; ++k) values[k] = velmora::ParseNumber(boxes[k], format);
        const velmora::SolveResult result = velmora::Solve(pair, values);
        std::array<std::u16string, kQuantityCount> texts;
        if (result) {
            for (int k = 0; k < kQuantityCount; ++k)
                texts[k] = velmora::FormatValue((*result)[k], format);
        }
        benchmark::DoNotOptimize(texts);
    }
}
BENCHMARK_CAPTURE(BM_Calculation, en_US, false)->DenseRange(0, velmora::kPairCount - 1);
BENCHMARK_CAPTURE(BM_Calculation, bg_BG, true)->Arg(1)->Arg(8);

// The working written out, exactly: a textbook's numbers, and the six-digit
// ones that make the exact numbers largest (a root of a 22-digit number).
void BM_Working(benchmark::State& state, velmora::InputPair pair, const char16_t* first,
                const char16_t* second) {
    velmora::Calculation calculation{.pair = pair, .format = Region(true)};
    const velmora::PairDefinition& row = velmora::PairAt(pair);
    calculation.texts[row.first] = first;
    calculation.texts[row.second] = second;
    velmora::QuantityValues values{};
    for (velmora::Quantity q : {row.first, row.second}) {
        values[q] = velmora::ParseNumber(calculation.texts[q], calculation.format);
    }
    for (auto _ : state) {
        calculation.working = velmora::Work(pair, values);
        benchmark::DoNotOptimize(
            velmora::solution::WorkingText(velmora::solution::SolutionOf(calculation), u"\n"));
    }
}
BENCHMARK_CAPTURE(BM_Working, a_c_6_4, 1, u"6", u"4");
BENCHMARK_CAPTURE(BM_Working, r_P_1_9, 8, u"1", u"9");
BENCHMARK_CAPTURE(BM_Working, b_r_999999_0_123456, 5, u"999999", u"0,123456");
BENCHMARK_CAPTURE(BM_Working, a_c_1e200_4, 1, u"1e200", u"4");

// One step of a drag of the figure: the base from the pointer, the pair's
// boxes written and calculated, the working written out and the figure
// drawn at the press's scale.
void BM_DragStep(benchmark::State& state) {
    velmora::testing::InMemoryControls controls;
    velmora::WindowLogic logic(controls, [] { return Region(true); });
    controls.onPairChanged = [&logic] { logic.PairChanged(); };
    logic.Load();
    controls.SelectPair(static_cast<velmora::InputPair>(state.range(0)));
    logic.DragBases(16, 4);
    const velmora::solution::ScaledFigure figure =
        *velmora::solution::SolutionOf(*controls.working).figure;
    const velmora::solution::FigureFit fit = velmora::solution::FitInto(figure, 0, 0, 400, 300);
    const velmora::solution::DragStart start = velmora::solution::StartDrag(
        figure, fit, velmora::solution::Handle::kBaseC, fit.At(figure.corners[2]), 16, 4);
    double x = fit.At(figure.corners[2]).x;
    logic.BeginDrag();
    for (auto _ : state) {
        x += 0.37;
        const long long steps = *velmora::solution::BaseStepsAt(x, start);
        logic.DragBases(16, start.grid.LengthOf(steps));
        const velmora::solution::Solution working =
            velmora::solution::SolutionOf(*controls.working);
        benchmark::DoNotOptimize(velmora::solution::WorkingText(working, u"\n"));
        benchmark::DoNotOptimize(velmora::solution::ScaledFigureOf(controls.working->working.values,
                                                                   Region(true), start.scale));
        if (steps > 150) x = fit.At(figure.corners[2]).x;
    }
}
BENCHMARK(BM_DragStep)->Arg(1)->Arg(5)->Arg(8);

}  // namespace

BENCHMARK_MAIN();
