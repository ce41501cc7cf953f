#include "solve.h"

#include <cmath>

#include "work.h"

namespace velmora {
namespace {

// Ordinary double arithmetic, every operation rounded once, as the formulas
// are written (the library is built without contracting a multiply and an
// add into one).
struct DoubleArithmetic {
    using Number = double;
    static std::optional<double> Whole(int n) { return static_cast<double>(n); }
    static std::optional<double> Add(double x, double y) { return x + y; }
    static std::optional<double> Sub(double x, double y) { return x - y; }
    static std::optional<double> Mul(double x, double y) { return x * y; }
    static std::optional<double> Div(double x, double y) { return x / y; }
    static std::optional<double> Root(double x) { return std::sqrt(x); }
    static bool IsZero(double x) { return x == 0.0; }
    // NaN is not above 0 either.
    static std::optional<bool> IsPositive(double x) { return x > 0.0; }
    static bool Holds(double x) { return std::isfinite(x); }
};

}  // namespace

Working Work(InputPair pair, const QuantityValues& given) {
    return WorkWith<DoubleArithmetic>(pair, given);
}

SolveResult Solve(InputPair pair, const QuantityValues& given) {
    const Working working = Work(pair, given);
    if (working.outcome != Outcome::kValid) return std::nullopt;
    return working.values;
}

}  // namespace velmora
