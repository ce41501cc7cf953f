#include "square_factors.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <vector>

namespace velmora::exact {
namespace {

constexpr std::uint64_t kTrialLimit = 1U << 16;
constexpr int kLargestSearchedBits = 90;
constexpr long kStepBudget = 1L << 23;

// Residues modulo an odd n below 2^127 in Montgomery's form x·2^128 mod n,
// in which a product needs no division.
class Montgomery {
  public:
    explicit Montgomery(Uint128 n) : n_(n) {
        // −1/n modulo 2^128 by Newton's iteration: each step doubles the
        // bits that are right, from the 3 that n itself has right.
        Uint128 inverse = n;
        for (int i = 0; i < 6; ++i) {
            inverse = WrappingMul(inverse, WrappingSub(2, WrappingMul(n, inverse)));
        }
        negativeInverse_ = WrappingSub(0, inverse);
        one_ = Divide(WrappingSub(0, n), n).remainder;  // 2^128 mod n
        squaredRadix_ = one_;
        for (int i = 0; i < 128; ++i) squaredRadix_ = Plus(squaredRadix_, squaredRadix_);
    }

    Uint128 Modulus() const { return n_; }
    Uint128 One() const { return one_; }
    Uint128 From(Uint128 x) const { return Times(Divide(x, n_).remainder, squaredRadix_); }
    Uint128 Plus(Uint128 x, Uint128 y) const {
        const Uint128 sum = WrappingAdd(x, y);  // below 2^128, as x, y < n < 2^127
        return sum >= n_ ? WrappingSub(sum, n_) : sum;
    }
    // x·y/2^128 mod n.
    Uint128 Times(Uint128 x, Uint128 y) const {
        const Wide t = FullProduct(x, y);
        const Wide mn = FullProduct(WrappingMul(t.low, negativeInverse_), n_);
        // The low halves add up to 2^128 exactly, unless both are 0.
        const Uint128 carry = t.low.IsZero() ? 0 : 1;
        const Uint128 sum = WrappingAdd(WrappingAdd(t.high, mn.high), carry);  // below 2n
        return sum >= n_ ? WrappingSub(sum, n_) : sum;
    }
    Uint128 Power(Uint128 base, Uint128 exponent) const {
        Uint128 result = one_;
        for (int bit = exponent.BitWidth(); bit-- > 0;) {
            result = Times(result, result);
            const bool set = bit >= 64 ? ((exponent.High() >> (bit - 64)) & 1U) != 0
                                       : ((exponent.Low() >> bit) & 1U) != 0;
            if (set) result = Times(result, base);
        }
        return result;
    }

  private:
    Uint128 n_;
    Uint128 negativeInverse_;
    Uint128 one_;
    Uint128 squaredRadix_;
};

Uint128 Distance(Uint128 x, Uint128 y) {
    return x >= y ? WrappingSub(x, y) : WrappingSub(y, x);
}

// Miller-Rabin on an odd n above the trial limit.
bool IsProbablePrime(Uint128 n) {
    constexpr std::array<std::uint64_t, 20> kBases{2,  3,  5,  7,  11, 13, 17, 19, 23, 29,
                                                   31, 37, 41, 43, 47, 53, 59, 61, 67, 71};
    const Montgomery m(n);
    const Uint128 nMinusOne = WrappingSub(n, 1);
    Uint128 odd = nMinusOne;
    int twos = 0;
    while (!odd.IsOdd()) {
        odd = Divide(odd, 2).quotient;
        ++twos;
    }
    const Uint128 minusOne = m.From(nMinusOne);
    for (std::uint64_t base : kBases) {
        Uint128 x = m.Power(m.From(base), odd);
        if (x == m.One() || x == minusOne) continue;
        bool witness = true;
        for (int i = 1; i < twos && witness; ++i) {
            x = m.Times(x, x);
            witness = x != minusOne;
        }
        if (witness) return false;
    }
    return true;
}

// Brent's variant of Pollard's rho: a factor of the odd composite n other
// than 1 and n, or nothing once the steps run out.
std::optional<Uint128> FindFactor(Uint128 n, long& steps) {
    const Montgomery m(n);
    constexpr long kBatch = 128;  // steps between two gcds
    for (std::uint64_t increment = 1; steps > 0; ++increment) {
        const Uint128 c = m.From(increment);
        const auto next = [&](Uint128 v) { return m.Plus(m.Times(v, v), c); };
        Uint128 y = m.From(2), x = y, saved = y, product = m.One(), g = 1;
        for (long length = 1; g == 1 && steps > 0; length *= 2) {
            x = y;
            for (long i = 0; i < length; ++i) y = next(y);
            for (long done = 0; done < length && g == 1; done += kBatch) {
                saved = y;
                for (long i = 0; i < std::min(kBatch, length - done); ++i) {
                    y = next(y);
                    product = m.Times(product, Distance(x, y));
                    --steps;
                }
                g = Gcd(product, n);
            }
        }
        if (g == n) {  // the batch went past the factor: step through it again
            do {
                saved = next(saved);
                g = Gcd(Distance(x, saved), n);
            } while (g == 1);
        }
        if (g != n && g != 1) return g;
    }
    return std::nullopt;
}

// The prime factors of n (all above the trial limit), with repeats.
bool Split(Uint128 n, std::vector<Uint128>& primes, long& steps) {
    if (n == 1) return true;
    const Uint128 root = SquareRootFloor(n);
    if (Mul(root, root) == n) {
        const std::size_t before = primes.size();
        if (!Split(root, primes, steps)) return false;
        primes.insert(primes.end(), primes.begin() + static_cast<std::ptrdiff_t>(before),
                      primes.end());
        return true;
    }
    if (IsProbablePrime(n)) {
        primes.push_back(n);
        return true;
    }
    const std::optional<Uint128> factor = FindFactor(n, steps);
    return factor && Split(*factor, primes, steps) &&
           Split(Divide(n, *factor).quotient, primes, steps);
}

// Takes p^count into the root and the squarefree rest; never beyond n.
void Take(SquareFactors& f, Uint128 p, int count) {
    for (int i = 0; i < count / 2; ++i) f.root = *Mul(f.root, p);
    if (count % 2 == 1) f.squarefree = *Mul(f.squarefree, p);
}

}  // namespace

std::optional<SquareFactors> FactorSquares(Uint128 n) {
    if (n.IsZero()) return SquareFactors{0, 1};
    SquareFactors f{1, 1};
    Uint128 rest = n;
    // 2, 3, then 6k ± 1, while the divisor's cube is at most what is left.
    std::uint64_t d = 2;
    const auto cubed = [&d] { return *Mul(Uint128(d * d), d); };
    for (; d <= kTrialLimit && cubed() <= rest; d += d < 5 ? d - 1 : (d % 6 == 1 ? 4 : 2)) {
        int count = 0;
        for (Division q = Divide(rest, d); q.remainder.IsZero(); q = Divide(rest, d)) {
            rest = q.quotient;
            ++count;
        }
        Take(f, d, count);
    }
    if (cubed() > rest) {
        // At most two prime factors are left: the square of one, or no square.
        const Uint128 root = SquareRootFloor(rest);
        if (Mul(root, root) == rest) {
            Take(f, root, 2);
        } else {
            Take(f, rest, 1);
        }
        return f;
    }
    // No prime factor up to the limit, and perhaps more than two above it.
    if (rest.BitWidth() > kLargestSearchedBits) return std::nullopt;
    std::vector<Uint128> primes;
    long steps = kStepBudget;
    if (!Split(rest, primes, steps)) return std::nullopt;
    std::sort(primes.begin(), primes.end());
    for (std::size_t i = 0; i < primes.size();) {
        std::size_t j = i;
        while (j < primes.size() && primes[j] == primes[i]) ++j;
        Take(f, primes[i], static_cast<int>(j - i));
        i = j;
    }
    return f;
}

}  // namespace velmora::exact
