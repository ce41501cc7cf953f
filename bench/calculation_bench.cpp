#include <benchmark/benchmark.h>

#include <QString>
#include <array>
#include <string_view>

#include "format_value.h"
#include "parse_number.h"
#include "solve.h"

namespace {

using velmora::kQuantityCount;

// What the boxes hold on a second Calculate after start-up, in a grouping locale.
void BM_Calculation(benchmark::State& state, const char* localeName) {
    const std::array<std::string_view, kQuantityCount> boxes{"16.000", "10.000", "4.000", "4.000",
                                                             "40.000"};
    const velmora::InputPair pair = state.range(0);
    const velmora::NumberFormat format = velmora::NumberFormatOf(QLocale(localeName));
    for (auto _ : state) {
        velmora::QuantityValues values{};
        for (int k = 0; k < kQuantityCount; ++k) values[k] = velmora::ParseNumber(boxes[k]);
        const velmora::SolveResult result = velmora::Solve(pair, values);
        std::array<QString, kQuantityCount> texts;
        if (result) {
            for (int k = 0; k < kQuantityCount; ++k)
                texts[k] = velmora::FormatValue((*result)[k], format);
        }
        benchmark::DoNotOptimize(texts);
    }
}
BENCHMARK_CAPTURE(BM_Calculation, en_US, "en_US")->DenseRange(0, velmora::kPairCount - 1);
BENCHMARK_CAPTURE(BM_Calculation, bg_BG, "bg_BG")->Arg(1)->Arg(8);

// Reading the regional settings, which the window does once per valid Calculate.
void BM_SystemNumberFormat(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(velmora::SystemNumberFormat());
}
BENCHMARK(BM_SystemNumberFormat);

}  // namespace

BENCHMARK_MAIN();
