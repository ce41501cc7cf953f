// The calculation core's answers to one long seeded series of inputs, as
// digests of a thousand answers each: built natively and for the web (run
// under Node), the two programs must print the same lines. With "--dump
// <line>" it prints the inputs and answers behind that line instead.
#include <array>
#include <cinttypes>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <string_view>

#include "format_value.h"
#include "parse_number.h"
#include "solution.h"
#include "solve.h"
#include "utf16.h"
#include "working_text.h"

namespace velmora {
namespace {

constexpr int kChunk = 1000;
constexpr int kParseCases = 120 * kChunk;
constexpr int kSolveCases = 100 * kChunk;
constexpr int kFormatValues = 100 * kChunk;
constexpr int kWorkings = 20 * kChunk;

// splitmix64: the same numbers on every platform.
class Random {
  public:
    std::uint64_t Next() {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ULL);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31);
    }
    int Below(int n) { return static_cast<int>(Next() % static_cast<std::uint64_t>(n)); }

  private:
    std::uint64_t state_ = 20261209;
};

double FromBits(std::uint64_t bits) {
    double value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

std::uint64_t Bits(double value) {
    std::uint64_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    return bits;
}

// A double of either sign whose binary exponent lies in [low, high].
double Magnitude(Random& r, int low, int high) {
    const auto exponent = static_cast<std::uint64_t>(1023 + low + r.Below(high - low + 1));
    return FromBits((r.Next() & 0x800FFFFFFFFFFFFFULL) | (exponent << 52));
}

std::string Digits(Random& r, int count) {
    std::string digits;
    for (int i = 0; i < count; ++i) digits += static_cast<char>('0' + r.Below(10));
    return digits;
}

// What a user may type: junk, decimals of every length and range, and the
// hexadecimal and octal forms.
std::string TypedText(Random& r) {
    static constexpr std::array<std::string_view, 36> kPieces{
        "0",      "1",      "5",      "9",      ".",      "e",      "E",      "+",       "-",
        " ",      "\t",     "\n",     "\r",     ",",      "&H",     "&o",     "F",       "a",
        "д",      "\u00a0", "x",      "7",      "00",     "e-",     "(",      ")",       "'",
        "\u202f", "\u2009", "\u2212", "\u066b", "\u066c", "\u0660", "\u0665", "\u200f-", "000"};
    std::string text;
    switch (r.Below(4)) {
        case 0:
            for (int n = r.Below(24); n > 0; --n) text += kPieces[r.Below(kPieces.size())];
            return text;
        case 1:
            if (r.Below(3) == 0) text += r.Below(2) ? "-" : "+";
            text += Digits(r, r.Below(30));
            if (r.Below(2)) text += "." + Digits(r, r.Below(30));
            if (r.Below(2)) {
                text += r.Below(2) ? "e" : "E";
                if (r.Below(2)) text += r.Below(2) ? "-" : "+";
                text += Digits(r, r.Below(4) == 0 ? 18 + r.Below(10) : 1 + r.Below(3));
            }
            return text;
        case 2:  // at the edges of a double's range, and of its precision
            // (One draw a statement: the order of a sum's operands is unspecified.)
            text = Digits(r, 1) + ".";
            text += Digits(r, 15 + r.Below(30));
            text += "e" + std::to_string(r.Below(2) ? 290 + r.Below(30) : -(290 + r.Below(50)));
            return text;
        default:
            text = r.Below(2) ? "&H" : "&O";
            return text + Digits(r, 1 + r.Below(40));
    }
}

double AnyValue(Random& r) {
    switch (r.Below(5)) {
        case 0:
            return r.Below(101) - 50;
        case 1:
            return r.Below(4001) / 16.0 - 125;  // exact halves, quarters, sixteenths
        case 2:
            return FromBits(r.Next());  // any bits: NaN, infinities, subnormals
        case 3:
            return Magnitude(r, -1074 + 52, 1023);
        default:
            return Magnitude(r, -20, 60);
    }
}

// Values to show: mostly of a size a pupil meets, ties at the third decimal
// and their neighbours, and the extremes.
double ShownValue(Random& r) {
    switch (r.Below(4)) {
        case 0: {
            const double tie = (r.Below(2000001) - 1000000) / 2000.0 + 0.0005;
            return r.Below(2) ? tie
                              : FromBits(Bits(tie) + static_cast<std::uint64_t>(r.Below(3)) - 1);
        }
        case 1:
            return (r.Below(1 << 20) - (1 << 19)) / 16.0;
        case 2:
            return Magnitude(r, -40, 1023);
        default:
            return Magnitude(r, -12, 40);
    }
}

std::array<NumberFormat, 6> Formats() {
    std::array<NumberFormat, 6> formats{};
    formats[0].groupSeparator = u",";  // English
    formats[0].groupSizes = {3};
    formats[1] = formats[0];  // German
    formats[1].decimalSeparator = u",";
    formats[1].groupSeparator = u".";
    formats[2] = formats[1];  // Bulgarian
    formats[2].groupSeparator = u"\u00a0";
    formats[2].minimumGroupingDigits = 2;
    formats[3] = formats[0];  // Hindi (India)
    formats[3].groupSizes = {3, 2};
    formats[4].groupSeparator = u" ";  // no leading zero, parentheses
    formats[4].groupSizes = {3};
    formats[4].leadingZero = false;
    formats[4].negativeStyle = NegativeStyle::Parentheses;
    formats[5].decimalSeparator = u"\u066b";  // Arabic-Indic digits, a trailing sign
    formats[5].zeroDigit = U'\u0660';
    formats[5].negativeSign = u"\u200f-";
    formats[5].negativeStyle = NegativeStyle::TrailingSign;
    return formats;
}

// FNV-1a over the answers of one chunk.
class Digest {
  public:
    void Add(const void* data, std::size_t size) {
        const auto* bytes = static_cast<const unsigned char*>(data);
        for (std::size_t i = 0; i < size; ++i) hash_ = (hash_ ^ bytes[i]) * 0x100000001B3ULL;
    }
    void Add(std::uint64_t value) { Add(&value, sizeof value); }
    std::uint64_t Value() const { return hash_; }

  private:
    std::uint64_t hash_ = 0xCBF29CE484222325ULL;
};

class Report {
  public:
    explicit Report(const char* dump) : dump_(dump ? dump : "") {}

    // Whether the case's inputs and answer are to be printed.
    bool Dumping(const char* category, int index) const {
        return dump_ == Line(category, index / kChunk);
    }
    // After each thousand answers, and after the last (`last`).
    void Answer(const char* category, int index, const Digest& digest, bool last = false) {
        if (((index + 1) % kChunk != 0 && !last) || !dump_.empty()) return;
        std::printf("%s %016" PRIx64 "\n", Line(category, index / kChunk).c_str(), digest.Value());
    }

  private:
    static std::string Line(const char* category, int chunk) {
        return std::string(category) + " " + std::to_string(chunk);
    }
    std::string dump_;
};

// Typed text, or a value as a format shows it, read in one of the formats or
// the plain one.
void ParseNumbers(Random& r, Report& report) {
    const std::array<NumberFormat, 6> formats = Formats();
    Digest digest;
    for (int i = 0; i < kParseCases; ++i) {
        if (i % kChunk == 0) digest = Digest();
        const int which = r.Below(static_cast<int>(formats.size()) + 1);
        const NumberFormat format =
            which < static_cast<int>(formats.size()) ? formats[which] : NumberFormat{};
        // (One draw a statement: the order of a call's arguments is unspecified.)
        std::u16string text;
        if (r.Below(4)) {
            text = Utf16(TypedText(r));
        } else {
            const double shown = ShownValue(r);
            text = FormatValue(shown, formats[r.Below(static_cast<int>(formats.size()))]);
        }
        const double value = ParseNumber(text, format);
        digest.Add(Bits(value));
        if (report.Dumping("parse", i)) {
            std::printf("format %d:", which);
            for (char16_t unit : text) std::printf(" %04x", static_cast<unsigned>(unit));
            std::printf(" -> %a\n", value);
        }
        report.Answer("parse", i, digest);
    }
}

void SolvePairs(Random& r, Report& report) {
    Digest digest;
    for (int i = 0; i < kSolveCases; ++i) {
        if (i % kChunk == 0) digest = Digest();
        const InputPair pair = r.Below(kPairCount);
        QuantityValues given{};
        given[PairAt(pair).first] = AnyValue(r);
        given[PairAt(pair).second] = AnyValue(r);
        const SolveResult result = Solve(pair, given);
        digest.Add(result.has_value());
        if (result) {
            for (double value : *result) digest.Add(Bits(value));
        }
        if (report.Dumping("solve", i)) {
            std::printf("%d %a %a:", pair, given[PairAt(pair).first], given[PairAt(pair).second]);
            if (result) {
                for (double value : *result) std::printf(" %a", value);
            }
            std::printf("\n");
        }
        report.Answer("solve", i, digest);
    }
}

void FormatValues(Random& r, Report& report) {
    const std::array<NumberFormat, 6> formats = Formats();
    Digest digest;
    for (int i = 0; i < kFormatValues; ++i) {
        if (i % kChunk == 0) digest = Digest();
        const double value = ShownValue(r);
        // Exactly too, as a link writes a value into a box, in one format a value.
        const std::u16string exact = FormatExact(value, formats[i % formats.size()]);
        digest.Add(exact.data(), exact.size() * sizeof(char16_t));
        for (const NumberFormat& format : formats) {
            const std::u16string text = FormatValue(value, format);
            digest.Add(text.data(), text.size() * sizeof(char16_t));
            if (report.Dumping("format", i)) {
                std::printf("%a", value);
                for (char16_t unit : text) std::printf(" %04x", static_cast<unsigned>(unit));
                std::printf("\n");
            }
        }
        report.Answer("format", i, digest);
    }
}

// Every power of two of a double's normal range, as a link writes it: the
// fewest digits are hardest to find beside a power of two, whose doubles lie
// twice as far apart above it as below.
void FormatPowersOfTwo(Report& report) {
    constexpr int kLeast = -1022;
    constexpr int kCount = 1023 - kLeast + 1;
    Digest digest;
    for (int i = 0; i < kCount; ++i) {
        if (i % kChunk == 0) digest = Digest();
        const double value = std::ldexp(1.0, kLeast + i);
        const std::u16string exact = FormatExact(value, NumberFormat{});
        digest.Add(exact.data(), exact.size() * sizeof(char16_t));
        if (report.Dumping("powers", i)) std::printf("%a %s\n", value, Utf8(exact).c_str());
        report.Answer("powers", i, digest, i + 1 == kCount);
    }
}

// A decimal as a textbook prints one: up to six significant digits, up to
// six of them decimals, of either sign now and then.
std::string SchoolValue(Random& r) {
    std::string digits = Digits(r, 1 + r.Below(6));
    const int decimals = r.Below(static_cast<int>(digits.size()) + 1);
    if (decimals > 0) digits.insert(digits.size() - static_cast<std::size_t>(decimals), ".");
    return (r.Below(10) == 0 ? "-" : "") + digits;
}

// The working written out, exactly where it can be: every text, line by line.
void WriteWorkings(Random& r, Report& report) {
    const std::array<NumberFormat, 6> formats = Formats();
    Digest digest;
    for (int i = 0; i < kWorkings; ++i) {
        if (i % kChunk == 0) digest = Digest();
        Calculation calculation{.pair = r.Below(kPairCount)};
        calculation.format = formats[r.Below(static_cast<int>(formats.size()))];
        QuantityValues given{};
        for (Quantity q : {PairAt(calculation.pair).first, PairAt(calculation.pair).second}) {
            calculation.texts[q] = Utf16(r.Below(8) ? SchoolValue(r) : TypedText(r));
            given[q] = ParseNumber(calculation.texts[q], calculation.format);
        }
        calculation.working = Work(calculation.pair, given);
        const std::u16string text = solution::WorkingText(solution::SolutionOf(calculation), u"\n");
        digest.Add(text.data(), text.size() * sizeof(char16_t));
        if (report.Dumping("working", i)) std::printf("%s\n", Utf8(text).c_str());
        report.Answer("working", i, digest);
    }
}

}  // namespace
}  // namespace velmora

int main(int argc, char* argv[]) {
    const char* dump = argc == 3 && std::strcmp(argv[1], "--dump") == 0 ? argv[2] : nullptr;
    velmora::Random random;
    velmora::Report report(dump);
    velmora::ParseNumbers(random, report);
    velmora::SolvePairs(random, report);
    velmora::FormatValues(random, report);
    velmora::FormatPowersOfTwo(report);
    velmora::WriteWorkings(random, report);
    return 0;
}
