#include "formula_text.h"

#include "utf16.h"

namespace velmora::solution {
namespace {

constexpr std::string_view kRootSign = "√";

// The last character written that is not a blank, or 0 at the start.
char16_t LastMark(std::u16string_view written) {
    const std::size_t at = written.find_last_not_of(u' ');
    return at == std::u16string_view::npos ? u'\0' : written[at];
}

// Whether the expression goes on with `token`, after any blanks.
bool GoesOnWith(std::string_view rest, std::string_view token) {
    const std::size_t at = rest.find_first_not_of(' ');
    return at != std::string_view::npos && rest.substr(at, token.size()) == token;
}

// Whether a number written between `before` and `after` needs parentheses
// to keep the expression's meaning, or to be read at a glance: a negative
// after an operator or under a square (unless the region's negative form
// is a pair of parentheses already), a fraction multiplied, divided, divided
// by, squared or under a root, a root squared, and a sum anywhere but among
// other terms of a sum.
bool NeedsParentheses(const NumberText& n, std::u16string_view before, std::string_view after,
                      const NumberFormat& format) {
    const char16_t mark = LastMark(before);
    const bool leads = mark == u'\0' || mark == u'(';
    const bool squared = GoesOnWith(after, "²");
    if (n.negative && format.negativeStyle != NegativeStyle::Parentheses && (squared || !leads)) {
        return true;
    }
    switch (n.shape) {
        case Shape::kNumber:
            return false;
        case Shape::kRoot:
            return squared;
        case Shape::kQuotient:
            return squared || mark == u'√' || mark == u'·' || mark == u'/' ||
                   GoesOnWith(after, "/");
        case Shape::kSum: {
            const bool amongTerms = after.find_first_not_of(' ') == std::string_view::npos ||
                                    GoesOnWith(after, "+") || GoesOnWith(after, "−") ||
                                    GoesOnWith(after, ")");
            return !((leads || mark == u'+') && amongTerms);
        }
    }
    return false;
}

void Put(std::u16string& out, const NumberText& n, std::string_view after,
         const NumberFormat& format) {
    out += NeedsParentheses(n, out, after, format) ? u"(" + n.text + u")" : n.text;
}

}  // namespace

std::u16string Symbolic(const Formula& formula) {
    std::u16string expression;
    for (std::string_view rest = formula.expression; !rest.empty();) {
        const std::size_t open = rest.find('{');
        expression += Utf16(rest.substr(0, open));
        if (open == std::string_view::npos) break;
        const char letter = rest[open + 1];
        expression += letter == 'x' ? std::u16string(u"(a·c)") : std::u16string(1, letter);
        rest.remove_prefix(open + 3);
    }
    switch (formula.term) {
        case Term::kProduct:
            return expression;
        case Term::kDiscriminant:
            return u"D = " + expression;
        default:
            return Utf16(QuantitySymbol(static_cast<Quantity>(formula.term))) + u" = " + expression;
    }
}

std::u16string Substituted(std::string_view expression, const OperandText& operand,
                           const OperandText& root, const NumberFormat& format) {
    std::u16string out;
    for (std::string_view rest = expression; !rest.empty();) {
        const std::size_t open = rest.find('{');
        std::string_view before = rest.substr(0, open);
        if (open == std::string_view::npos) {
            out += Utf16(before);
            break;
        }
        const Term term = OperandTerm(rest[open + 1]);
        const std::string_view after = rest.substr(open + 3);
        const bool rooted = before.ends_with(kRootSign);
        const std::optional<NumberText> simplified = rooted && root ? root(term) : std::nullopt;
        if (simplified) before.remove_suffix(kRootSign.size());
        out += Utf16(before);
        if (simplified) {
            Put(out, *simplified, after, format);
        } else if (const std::optional<NumberText> value = operand(term)) {
            Put(out, *value, after, format);
        }
        rest = after;
    }
    return out;
}

}  // namespace velmora::solution
