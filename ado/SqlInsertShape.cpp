#include "ado/SqlInsertShape.h"

#include "ado/SqlTokenizer.h"

#include <algorithm>
#include <charconv>

namespace sql {

namespace {

constexpr int kMostDecimalFigures = 15;  // what a double holds exactly, as the translator binds

// A batch that starts with INSERT and names no other: a script of many inserts is no shape,
// and is not worth reading twice to find that out (an "insert" inside a text only sends its
// statement the ordinary way).
bool oneInsert(const QString& text) {
    const auto first = std::find_if(text.begin(), text.end(), [](QChar c) { return !c.isSpace(); });
    const QStringView rest = QStringView(text).sliced(first - text.begin());
    return rest.startsWith(u"insert", Qt::CaseInsensitive) &&
           !rest.sliced(6).contains(u"insert", Qt::CaseInsensitive);
}

// Where a value stood. Every value the translator binds becomes the same placeholder, whatever
// its kind (a NULL, a number, a text), so the kinds may change places between statements of
// one shape; a national text is kept apart all the same, its type being another.
constexpr QChar kValue = u'\x02';
constexpr QChar kNationalText = u'\x03';

// A number's literal as the translator binds it.
std::optional<BoundLiteral> numberLiteral(const QString& figures, bool negated) {
    BoundLiteral literal;
    bool ok = false;
    if (std::all_of(figures.begin(), figures.end(), [](QChar c) { return c.isDigit(); })) {
        const qlonglong v = figures.toLongLong(&ok);
        if (!ok)
            return std::nullopt;  // beyond 64 bits: a decimal, maybe too long for one
        literal.whole = negated ? -v : v;
        return literal;
    }
    const auto digits =
        std::count_if(figures.begin(), figures.end(), [](QChar c) { return c.isDigit(); });
    if (figures.count(u'.') != 1 || digits + 1 != figures.size() || digits > kMostDecimalFigures)
        return std::nullopt;  // an exponent, or more figures than the translator takes as bound
    // The nearest double to the figures, as QString::toDouble gives it, in a tenth of the time.
    const QByteArray latin1 = figures.toLatin1();
    double d = 0;
    const auto [end, failure] =
        std::from_chars(latin1.constData(), latin1.constData() + latin1.size(), d);
    if (failure != std::errc() || end != latin1.constData() + latin1.size())
        return std::nullopt;
    literal.real = negated ? -d : d;
    return literal;
}

bool opensValue(const Token& t) {
    return t.kind == Tok::LParen || t.kind == Tok::Comma;
}

}  // namespace

std::optional<InsertShape> insertShape(const QString& text) {
    if (!oneInsert(text))
        return std::nullopt;
    std::vector<Token> tokens;
    try {
        tokens = tokenize(text);
    } catch (...) {
        return std::nullopt;  // the ordinary way reports it
    }
    InsertShape shape;
    shape.key.reserve(text.size());
    shape.key += u'\x01';  // no statement starts so
    for (std::size_t i = 0; i < tokens.size(); ++i) {
        const Token& t = tokens[i];
        const bool negative =
            t.isOp("-") && i > 0 && opensValue(tokens[i - 1]) && tokens[i + 1].kind == Tok::Number;
        if (negative || t.kind == Tok::Number) {
            const Token& number = negative ? tokens[++i] : t;
            auto literal = numberLiteral(number.text, negative);
            if (!literal)
                return std::nullopt;
            shape.key += kValue;
            shape.literals.push_back(std::move(*literal));
        } else if (t.kind == Tok::String) {
            if (t.text.contains(QChar(0)))
                return std::nullopt;  // written out by the translator
            shape.key += t.national ? kNationalText : kValue;
            BoundLiteral literal;
            literal.text = t.text;
            shape.literals.push_back(std::move(literal));
        } else if (t.is("null")) {
            shape.key += kValue;
            BoundLiteral literal;
            literal.null = true;
            shape.literals.push_back(std::move(literal));
        } else {
            // Its kind and length before the text, so that no two lists of tokens meet in one key.
            if (t.text.size() > 0xFFFF)
                return std::nullopt;
            shape.key += QChar(u'A' + static_cast<int>(t.kind));
            shape.key += QChar(static_cast<char16_t>(t.text.size()));
            shape.key += t.text;
        }
    }
    return shape;
}

}  // namespace sql
