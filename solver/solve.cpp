#include "solve.h"

#include <cmath>

namespace velmora {
namespace {

// Records each value as it is worked out, and ends the calculation at the
// first that is not finite or fails its test.
class Worker {
  public:
    explicit Worker(Working& working) : w_(working) {}

    double& operator[](Quantity q) { return w_.values[q]; }

    // A quantity worked out: false where it is beyond a double.
    bool Set(Quantity q, double value) {
        w_.values[q] = value;
        return Record(TermOf(q), value);
    }
    // The pair's validity test: only strictly positive values pass (NaN fails too).
    bool Test(Term term, double value) {
        if (!Record(term, value)) return false;
        if (value > 0.0) return true;
        w_.outcome = Outcome::kTestFailed;
        return false;
    }
    bool Divisor(double value) {
        if (value != 0.0) return true;
        w_.outcome = Outcome::kZeroDivisor;
        return false;
    }

  private:
    bool Record(Term term, double value) {
        w_.steps.at(static_cast<std::size_t>(w_.stepCount++)) = {term, value};
        if (std::isfinite(value)) return true;
        w_.outcome = Outcome::kNotFinite;
        return false;
    }

    Working& w_;
};

// x = a·c; test x; r from 4·r·r = x, the root first, then the division by 2.
bool RadiusFromBases(Worker& w) {
    const double x = w[kBaseA] * w[kBaseC];
    return w.Test(Term::kProduct, x) && w.Set(kRadiusR, std::sqrt(x) / 2.0);
}

// Each computation keeps the evaluation order and grouping of the formulas
// exactly, so results are bit for bit those of the documented steps. Each
// returns whether it got to the end.
bool Compute(InputPair pair, Worker& w) {
    const double a = w[kBaseA];
    const double b = w[kLegB];
    const double c = w[kBaseC];
    const double r = w[kRadiusR];
    const double P = w[kPerimeterP];
    switch (pair) {
        case PairOf(kBaseA, kLegB):
            return w.Set(kBaseC, 2.0 * b - a) && w.Set(kPerimeterP, 4.0 * b) && RadiusFromBases(w);
        case PairOf(kBaseA, kBaseC):
            return w.Set(kLegB, (a + c) / 2.0) && w.Set(kPerimeterP, 4.0 * w[kLegB]) &&
                   RadiusFromBases(w);
        case PairOf(kBaseA, kRadiusR):  // no test, but a divides
            return w.Divisor(a) && w.Set(kBaseC, ((4.0 * r) * r) / a) &&
                   w.Set(kLegB, (a + w[kBaseC]) / 2.0) && w.Set(kPerimeterP, 4.0 * w[kLegB]);
        case PairOf(kBaseA, kPerimeterP):
            return w.Set(kLegB, P / 4.0) && w.Set(kBaseC, 2.0 * w[kLegB] - a) && RadiusFromBases(w);
        case PairOf(kLegB, kBaseC):
            return w.Set(kBaseA, 2.0 * b - c) && w.Set(kPerimeterP, 4.0 * b) && RadiusFromBases(w);
        case PairOf(kLegB, kRadiusR): {  // bases are the roots of t² − 2b·t + 4r²
            if (!w.Set(kPerimeterP, 4.0 * b)) return false;
            const double D = b * b - (4.0 * r) * r;
            return w.Test(Term::kDiscriminant, D) && w.Set(kBaseA, b + std::sqrt(D)) &&
                   w.Set(kBaseC, 2.0 * b - w[kBaseA]);
        }
        case PairOf(kBaseC, kRadiusR):  // no test, but c divides
            return w.Divisor(c) && w.Set(kBaseA, ((4.0 * r) * r) / c) &&
                   w.Set(kLegB, (w[kBaseA] + c) / 2.0) && w.Set(kPerimeterP, 2.0 * (w[kBaseA] + c));
        case PairOf(kBaseC, kPerimeterP):
            return w.Set(kLegB, P / 4.0) && w.Set(kBaseA, P / 2.0 - c) && RadiusFromBases(w);
        case PairOf(kRadiusR, kPerimeterP): {  // roots of t² − (P/2)·t + 4r²
            if (!w.Set(kLegB, P / 4.0)) return false;
            const double D = (P * P) / 4.0 - (16.0 * r) * r;
            return w.Test(Term::kDiscriminant, D) &&
                   w.Set(kBaseA, (P / 2.0 + std::sqrt(D)) / 2.0) &&
                   w.Set(kBaseC, 2.0 * w[kLegB] - w[kBaseA]);
        }
        default:
            return false;
    }
}

}  // namespace

Working Work(InputPair pair, const QuantityValues& given) {
    Working working;
    if (!IsValidPair(pair)) return working;
    // Only the given two are read; the others start from zero, not from the boxes.
    const PairDefinition& row = PairAt(pair);
    working.values[row.first] = given[row.first];
    working.values[row.second] = given[row.second];
    // An infinite given value or a NaN must never reach the boxes.
    if (!std::isfinite(given[row.first]) || !std::isfinite(given[row.second])) {
        working.outcome = Outcome::kNotFinite;
        return working;
    }
    Worker worker(working);
    if (Compute(pair, worker)) working.outcome = Outcome::kValid;
    return working;
}

SolveResult Solve(InputPair pair, const QuantityValues& given) {
    const Working working = Work(pair, given);
    if (working.outcome != Outcome::kValid) return std::nullopt;
    return working.values;
}

}  // namespace velmora
