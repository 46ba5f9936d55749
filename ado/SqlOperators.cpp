#include "ado/SqlOperators.h"

#include <array>

namespace sql {

namespace {

using C = OpClass;

// In the order of Op.
constexpr std::array<OperatorDef, 24> kOperators{{
    {Op::Or, "OR", kOrLevel, C::Logical, false, "OR"},
    {Op::And, "AND", kAndLevel, C::Logical, false, "AND"},
    {Op::Not, "NOT", kNotLevel, C::Logical, true, "NOT"},
    {Op::Equal, "=", kComparisonLevel, C::Comparison, false, "="},
    {Op::NotEqual, "<>", kComparisonLevel, C::Comparison, false, "<>"},
    {Op::NotEqualBang, "!=", kComparisonLevel, C::Comparison, false, "<>"},
    {Op::Less, "<", kComparisonLevel, C::Comparison, false, "<"},
    {Op::Greater, ">", kComparisonLevel, C::Comparison, false, ">"},
    {Op::LessEqual, "<=", kComparisonLevel, C::Comparison, false, "<="},
    {Op::GreaterEqual, ">=", kComparisonLevel, C::Comparison, false, ">="},
    {Op::NotLess, "!<", kComparisonLevel, C::Comparison, false, ">="},
    {Op::NotGreater, "!>", kComparisonLevel, C::Comparison, false, "<="},
    {Op::Add, "+", kAdditiveLevel, C::Arithmetic, false, "+"},
    {Op::Subtract, "-", kAdditiveLevel, C::Arithmetic, false, "-"},
    {Op::BitAnd, "&", kAdditiveLevel, C::Bitwise, false, "&"},
    {Op::BitOr, "|", kAdditiveLevel, C::Bitwise, false, "|"},
    {Op::BitXor, "^", kAdditiveLevel, C::Bitwise, false, nullptr},  // a helper function
    {Op::Concat, "||", kAdditiveLevel, C::Concat, false, "||"},
    {Op::Multiply, "*", kMultiplicativeLevel, C::Arithmetic, false, "*"},
    {Op::Divide, "/", kMultiplicativeLevel, C::Arithmetic, false, nullptr},  // checks zero
    {Op::Modulo, "%", kMultiplicativeLevel, C::Arithmetic, false, nullptr},  // checks zero
    {Op::Negate, "-", kUnaryLevel, C::Arithmetic, true, "-"},
    {Op::Plus, "+", kUnaryLevel, C::Arithmetic, true, "+"},
    {Op::BitNot, "~", kUnaryLevel, C::Bitwise, true, "~"},
}};

constexpr bool inOrder() {
    for (std::size_t i = 0; i < kOperators.size(); ++i) {
        if (static_cast<std::size_t>(kOperators[i].op) != i)
            return false;
    }
    return true;
}
static_assert(inOrder(), "the operator table follows the order of Op");

bool isSymbol(const OperatorDef& d) {
    const char c = d.text.front();
    return !(c >= 'A' && c <= 'Z');
}

QLatin1StringView written(const OperatorDef& d) {
    return QLatin1StringView(d.text.data(), static_cast<qsizetype>(d.text.size()));
}

// Tokens are cut at every character that is no part of a word: most are no operator.
constexpr std::string_view kSymbolStarts = "=<>!+-*/%&|^~";

}  // namespace

std::span<const OperatorDef> operators() {
    return kOperators;
}

const OperatorDef& operatorDef(Op op) {
    return kOperators[static_cast<std::size_t>(op)];
}

const OperatorDef* findOperator(QStringView text, bool unary) {
    if (text.isEmpty() || text.size() > 3)
        return nullptr;
    for (const OperatorDef& d : kOperators) {
        if (d.unary == unary && text.compare(QLatin1StringView(d.text), Qt::CaseInsensitive) == 0)
            return &d;
    }
    return nullptr;
}

int operatorSymbolLength(QStringView rest) {
    if (rest.isEmpty() || rest.front().unicode() > 0x7f ||
        kSymbolStarts.find(static_cast<char>(rest.front().unicode())) == std::string_view::npos)
        return 0;
    int longest = 0;
    for (const OperatorDef& d : kOperators) {
        const QLatin1StringView symbol = written(d);
        if (isSymbol(d) && symbol.size() > longest && rest.startsWith(symbol))
            longest = static_cast<int>(symbol.size());
    }
    return longest;
}

}  // namespace sql
