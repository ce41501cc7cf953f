#include <gtest/gtest.h>

#include <optional>
#include <random>
#include <string>
#include <utility>

#include "number.h"
#include "rational.h"
#include "square_factors.h"
#include "uint128.h"

namespace velmora::exact {
namespace {

constexpr Uint128 kMax = Uint128::Of(~0ULL, ~0ULL);
constexpr Uint128 kTwoTo127 = Uint128::Of(1ULL << 63, 0);

Uint128 Big(const char* digits) {
    return FromDecimal(digits).value();
}

Rational Q(std::int64_t numerator, std::int64_t denominator = 1) {
    return Div(Rational::Whole(numerator), Rational::Whole(denominator)).value();
}

// q·√m, or p + q·√m.
Number Root(const Rational& q, std::uint64_t m, const Rational& p = Rational()) {
    return Number::Of(p, q, m).value();
}

TEST(Uint128, ReportsWhatDoesNotFit) {
    const struct {
        const char* what;
        std::optional<Uint128> got, expected;
    } rows[] = {
        {"2^64·2^63", Mul(Uint128::Of(1, 0), 1ULL << 63), kTwoTo127},
        {"2^64·2^64", Mul(Uint128::Of(1, 0), Uint128::Of(1, 0)), std::nullopt},
        {"high·low past the top", Mul(Uint128::Of(2, 0), Uint128::Of(0, 1ULL << 63)), std::nullopt},
        {"(2^64 + 1)·(2^64 − 1)", Mul(Uint128::Of(1, 1), ~0ULL), kMax},
        {"(2^64 + 2)·(2^64 − 1), past the top by a carry", Mul(Uint128::Of(1, 2), ~0ULL),
         std::nullopt},
        {"max·1", Mul(kMax, 1), kMax},
        {"max + 1", Add(kMax, 1), std::nullopt},
        {"carry between the halves", Add(~0ULL, 1), Uint128::Of(1, 0)},
        {"3 − 4", Sub(3, 4), std::nullopt},
        {"borrow between the halves", Sub(Uint128::Of(1, 0), 1), Uint128(~0ULL)},
        {"10^38", PowerOfTen(38), Big("100000000000000000000000000000000000000")},
        {"10^39", PowerOfTen(39), std::nullopt},
        {"2^128 − 1 in digits", FromDecimal("340282366920938463463374607431768211455"), kMax},
        {"2^128 in digits", FromDecimal("340282366920938463463374607431768211456"), std::nullopt},
        {"a sign is no digit", FromDecimal("-1"), std::nullopt},
        {"no digits", FromDecimal(""), std::nullopt},
    };
    for (const auto& row : rows) EXPECT_EQ(row.got, row.expected) << row.what;
    EXPECT_EQ(ToDecimal(kMax), "340282366920938463463374607431768211455");
    EXPECT_EQ(ToDecimal(0), "0");
    EXPECT_EQ(SquareRootFloor(120), 10);
    EXPECT_EQ(SquareRootFloor(121), 11);
    EXPECT_EQ(SquareRootFloor(kMax), ~0ULL);
}

#ifdef __SIZEOF_INT128__
// Where the compiler has a 128-bit integer of its own: every operation
// against it, on operands of every width.
TEST(Uint128, AgreesWithTheCompilersOwn) {
    __extension__ typedef unsigned __int128 Native;
    const auto native = [](Uint128 n) { return (Native(n.High()) << 64) | n.Low(); };
    std::mt19937_64 random(::testing::UnitTest::GetInstance()->random_seed());
    const auto any = [&] {
        const int bits = static_cast<int>(random() % 129);
        const Native n = (Native(random()) << 64) | random();
        const Native value = bits == 0 ? 0 : bits == 128 ? n : n & ((Native(1) << bits) - 1);
        return Uint128::Of(static_cast<std::uint64_t>(value >> 64),
                           static_cast<std::uint64_t>(value));
    };
    for (int i = 0; i < 20000; ++i) {
        const Uint128 x = any(), y = any();
        SCOPED_TRACE(ToDecimal(x) + ", " + ToDecimal(y));
        Native product;
        const bool overflows = __builtin_mul_overflow(native(x), native(y), &product);
        const std::optional<Uint128> checked = Mul(x, y);
        ASSERT_EQ(checked.has_value(), !overflows);
        if (checked) {
            ASSERT_EQ(native(*checked), product);
        }
        ASSERT_EQ(native(WrappingMul(x, y)), native(x) * native(y));
        const Wide wide = FullProduct(x, y);
        ASSERT_EQ(native(wide.low), native(x) * native(y));
        ASSERT_EQ(wide.high.IsZero(), !overflows);
        ASSERT_EQ(Add(x, y).has_value(), native(x) + native(y) >= native(x));
        if (!y.IsZero()) {
            const Division d = Divide(x, y);
            ASSERT_EQ(native(d.quotient), native(x) / native(y));
            ASSERT_EQ(native(d.remainder), native(x) % native(y));
        }
        Native a = native(x), b = native(y);
        while (b != 0) a = std::exchange(b, a % b);
        ASSERT_EQ(native(Gcd(x, y)), a);
        ASSERT_EQ(FromDecimal(ToDecimal(x)), x);
    }
}
#endif

TEST(FactorSquares, SplitsOffTheLargestSquare) {
    const struct {
        const char* what;
        Uint128 n;
        std::optional<SquareFactors> expected;
    } rows[] = {
        {"0", 0, SquareFactors{0, 1}},
        {"1", 1, SquareFactors{1, 1}},
        {"72 = 6²·2", 72, SquareFactors{6, 2}},
        {"49 = 7²", 49, SquareFactors{7, 1}},
        {"30, squarefree", 30, SquareFactors{1, 30}},
        {"2^127", kTwoTo127, SquareFactors{1ULL << 63, 2}},
        {"a prime beyond the trial limit, squared", 65537ULL * 65537, SquareFactors{65537, 1}},
        {"p²·q, both beyond the trial limit", Big("1000039000207000297"),
         SquareFactors{1000003, 1000033}},
        {"two 40-bit primes", Big("1208925820733932011797189"),
         SquareFactors{1, Big("1208925820733932011797189")}},
        {"small factors out of a number past the searched size",
         Mul(Big("1208925820733932011797189"), 3ULL * 3 * 5 * 5 * 5).value(),
         SquareFactors{15, Mul(Big("1208925820733932011797189"), 5).value()}},
        {"a 92-bit prime, past the searched size", Big("2475880078570760549798248507"),
         std::nullopt},
    };
    for (const auto& row : rows) EXPECT_EQ(FactorSquares(row.n), row.expected) << row.what;
}

// Random products s²·t with t squarefree, from known primes, come apart again.
TEST(FactorSquares, FindsTheSquareOfAnyProduct) {
    const std::uint64_t primes[] = {2, 3, 5, 7, 11, 13, 65537, 1000003};
    std::mt19937 random(::testing::UnitTest::GetInstance()->random_seed());
    for (int i = 0; i < 300; ++i) {
        Uint128 root = 1, squarefree = 1;
        for (std::uint64_t p : primes) {
            const unsigned power = random() % 3;  // p², p or neither
            if (power == 2) root = Mul(root, p).value();
            if (power == 1) squarefree = Mul(squarefree, p).value();
        }
        const Uint128 n = Mul(Mul(root, root).value(), squarefree).value();
        SCOPED_TRACE(ToDecimal(n));
        EXPECT_EQ(FactorSquares(n), (SquareFactors{root, squarefree}));
    }
}

TEST(Rational, KeepsLowestTermsAndReportsWhatDoesNotFit) {
    const Rational half = Q(1, 2);
    const Rational huge = *Rational::Of(false, kTwoTo127, 3);
    const struct {
        const char* what;
        std::optional<Rational> got, expected;
    } rows[] = {
        {"1/6 + 1/3", Add(Q(1, 6), Q(1, 3)), half},
        {"1/3 − 1/2", Sub(Q(1, 3), half), Q(-1, 6)},
        {"−1/2 + 1/2 is +0", Add(Q(-1, 2), half), Rational()},
        {"2/3 · 3/4", Mul(Q(2, 3), Q(3, 4)), half},
        {"fits only after cancelling", Mul(huge, *Rational::Of(false, 3, kTwoTo127)),
         Rational::Whole(1)},
        {"fits only after cancelling the other way", Mul(huge, *Rational::Of(false, 5, kTwoTo127)),
         Q(5, 3)},
        {"2^127 · 2", Mul(*Rational::Of(false, kTwoTo127, 1), Q(2)), std::nullopt},
        {"the least common multiple too large", Add(huge, *Rational::Of(false, 1, kTwoTo127)),
         std::nullopt},
        {"1/2 ÷ 1/4", Div(half, Q(1, 4)), Q(2)},
        {"÷ 0", Div(half, Rational()), std::nullopt},
        {"−3 ÷ −6", Div(Q(-3), Q(-6)), half},
        {"a zero denominator", Rational::Of(false, 1, 0), std::nullopt},
        {"INT64_MIN", Rational::Whole(INT64_MIN), Rational::Of(true, Uint128(1ULL << 63), 1)},
        {"2,5", Rational::OfDecimal(false, "25", -1), Q(5, 2)},
        {"0,125", Rational::OfDecimal(false, "0125", -3), Q(1, 8)},
        {"−1,5e3", Rational::OfDecimal(true, "15", 2), Q(-1500)},
        {"1e38", Rational::OfDecimal(false, "1", 38), Rational::Of(false, *PowerOfTen(38), 1)},
        {"1e39", Rational::OfDecimal(false, "1", 39), std::nullopt},
        {"1000e-41, trailing zeros", Rational::OfDecimal(false, "1000", -41),
         Rational::Of(false, 1, *PowerOfTen(38))},
        {"zeros under any power", Rational::OfDecimal(true, "000", 1000000), Rational()},
        {"1e200", Rational::OfDecimal(false, "1", 200), std::nullopt},
    };
    for (const auto& row : rows) EXPECT_EQ(row.got, row.expected) << row.what;
    EXPECT_EQ(Compare(Q(-1, 3), Q(-1, 2)), 1);
    EXPECT_EQ(Compare(huge, *Rational::Of(false, kMax, 3)), -1);  // beyond 128 bits crosswise
}

TEST(Number, SimplifiesRootsAsATextbookDoes) {
    const Number two = Q(2);
    const struct {
        const char* what;
        std::optional<Number> got, expected;
    } rows[] = {
        {"√72", SquareRoot(Q(72)), Root(Q(6), 2)},
        {"√(9/4)", SquareRoot(Q(9, 4)), Number(Q(3, 2))},
        {"√0,5", SquareRoot(Q(1, 2)), Root(Q(1, 2), 2)},
        {"√12 / 4", Div(*SquareRoot(Q(12)), Q(4)), Root(Q(1, 2), 3)},
        {"1/√2", Div(Q(1), *SquareRoot(two)), Root(Q(1, 2), 2)},
        {"√(8/27)", SquareRoot(Q(8, 27)), Root(Q(2, 9), 6)},
        {"√0", SquareRoot(Rational()), Number()},
        {"√(−1)", SquareRoot(Q(-1)), std::nullopt},
        {"√(1 + √2)", SquareRoot(Root(Q(1), 2, Q(1))), std::nullopt},
        {"√6·√10", Mul(Root(Q(1), 6), Root(Q(1), 10)), Root(Q(2), 15)},
        {"(1 + √2)²", Mul(Root(Q(1), 2, Q(1)), Root(Q(1), 2, Q(1))), Root(Q(2), 2, Q(3))},
        {"(1 + √2)·√3", Mul(Root(Q(1), 2, Q(1)), Root(Q(1), 3)), std::nullopt},
        {"(1 + √2) + (1 − √2)", Add(Root(Q(1), 2, Q(1)), Root(Q(-1), 2, Q(1))), Number(two)},
        {"√2 + √3", Add(Root(Q(1), 2), Root(Q(1), 3)), std::nullopt},
        {"5 − (3 + √5)", Sub(Number(Q(5)), Root(Q(1), 5, Q(3))), Root(Q(-1), 5, Q(2))},
        {"1 / (1 + √2)", Div(Q(1), Root(Q(1), 2, Q(1))), Root(Q(1), 2, Q(-1))},
        {"√3 / √2", Div(Root(Q(1), 3), Root(Q(1), 2)), Root(Q(1, 2), 6)},
        {"÷ 0", Div(Root(Q(1), 3), Number()), std::nullopt},
        {"a square factor is no normal form", Number::Of(Rational(), Q(1), 12), std::nullopt},
        {"no root of 0", Number::Of(Rational(), Q(1), 0), std::nullopt},
    };
    for (const auto& row : rows) EXPECT_EQ(row.got, row.expected) << row.what;
    EXPECT_FALSE(Like(Root(Q(1), 2), Root(Q(1), 3)));
    EXPECT_TRUE(Like(Root(Q(1), 2), Number(Q(7))));
}

TEST(Number, DecidesItsSignExactly) {
    const struct {
        const char* what;
        Number x;
        std::optional<int> sign;
    } rows[] = {
        {"3 − 2√2 (9 > 8)", Root(Q(-2), 2, Q(3)), 1},
        {"2 − √5", Root(Q(-1), 5, Q(2)), -1},
        {"−3 + √10", Root(Q(1), 10, Q(-3)), 1},
        {"−√2", Root(Q(-1), 2), -1},
        {"−4/3", Number(Q(-4, 3)), -1},
        {"0", Number(), 0},
        {"squares too large to compare",
         Root(*Rational::Of(false, kTwoTo127, 1), 2, *Rational::Of(true, kTwoTo127, 1)),
         std::nullopt},
    };
    for (const auto& row : rows) EXPECT_EQ(Sign(row.x), row.sign) << row.what;
}

}  // namespace
}  // namespace velmora::exact
