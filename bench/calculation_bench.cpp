#include <benchmark/benchmark.h>

#include <array>
#include <string>

#include "format_value.h"
#include "parse_number.h"
#include "solve.h"

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

}  // namespace

BENCHMARK_MAIN();
