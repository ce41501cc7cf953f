#include "solve.h"

#include <cmath>

namespace velmora {
namespace {

// The pair's validity test: only strictly positive values pass (NaN fails too).
bool Passes(double x) {
    return x > 0.0;
}

// x = a·c; test x; r from 4·r·r = x, the root first, then the division by 2.
std::optional<QuantityValues> WithRadiusFromBases(QuantityValues v) {
    const double x = v[kBaseA] * v[kBaseC];
    if (!Passes(x)) return std::nullopt;
    v[kRadiusR] = std::sqrt(x) / 2.0;
    return v;
}

// Each computation keeps the evaluation order and grouping of the formulas
// exactly, so results are bit for bit those of the documented steps.
std::optional<QuantityValues> Compute(InputPair pair, QuantityValues v) {
    double& a = v[kBaseA];
    double& b = v[kLegB];
    double& c = v[kBaseC];
    double& r = v[kRadiusR];
    double& P = v[kPerimeterP];
    switch (pair) {
        case PairOf(kBaseA, kLegB):
            c = 2.0 * b - a;
            P = 4.0 * b;
            return WithRadiusFromBases(v);
        case PairOf(kBaseA, kBaseC):
            b = (a + c) / 2.0;
            P = 4.0 * b;
            return WithRadiusFromBases(v);
        case PairOf(kBaseA, kRadiusR):  // no test, but a divides
            if (a == 0.0) return std::nullopt;
            c = ((4.0 * r) * r) / a;
            b = (a + c) / 2.0;
            P = 4.0 * b;
            return v;
        case PairOf(kBaseA, kPerimeterP):
            b = P / 4.0;
            c = 2.0 * b - a;
            return WithRadiusFromBases(v);
        case PairOf(kLegB, kBaseC):
            a = 2.0 * b - c;
            P = 4.0 * b;
            return WithRadiusFromBases(v);
        case PairOf(kLegB, kRadiusR): {  // bases are the roots of t² − 2b·t + 4r²
            P = 4.0 * b;
            const double D = b * b - (4.0 * r) * r;
            if (!Passes(D)) return std::nullopt;
            a = b + std::sqrt(D);
            c = 2.0 * b - a;
            return v;
        }
        case PairOf(kBaseC, kRadiusR):  // no test, but c divides
            if (c == 0.0) return std::nullopt;
            a = ((4.0 * r) * r) / c;
            b = (a + c) / 2.0;
            P = 2.0 * (a + c);
            return v;
        case PairOf(kBaseC, kPerimeterP):
            b = P / 4.0;
            a = P / 2.0 - c;
            return WithRadiusFromBases(v);
        case PairOf(kRadiusR, kPerimeterP): {  // roots of t² − (P/2)·t + 4r²
            b = P / 4.0;
            const double D = (P * P) / 4.0 - (16.0 * r) * r;
            if (!Passes(D)) return std::nullopt;
            a = (P / 2.0 + std::sqrt(D)) / 2.0;
            c = 2.0 * b - a;
            return v;
        }
        default:
            return std::nullopt;
    }
}

}  // namespace

SolveResult Solve(InputPair pair, const QuantityValues& given) {
    if (!IsValidPair(pair)) return std::nullopt;
    // Only the given two are read; the others start from zero, not from the boxes.
    const PairDefinition& row = PairAt(pair);
    QuantityValues values{};
    values[row.first] = given[row.first];
    values[row.second] = given[row.second];

    SolveResult result = Compute(pair, values);
    if (!result) return std::nullopt;
    // An overflow, an infinite given value or a NaN must never reach the boxes.
    for (double value : *result) {
        if (!std::isfinite(value)) return std::nullopt;
    }
    return result;
}

}  // namespace velmora
