#include "ado/SqlTokenizer.h"

#include "ado/SqlOperators.h"

#include "ado/AdoError.h"

namespace sql {

namespace {

[[noreturn]] void fail(ado::ServerError error, const QStringList& arguments = {}) {
    ado::raise(QStringLiteral("Parse"), error, arguments);
}

bool isWordStart(QChar c) {
    return c.isLetter() || c == u'_' || c == u'#';
}
bool isWordChar(QChar c) {
    return c.isLetterOrNumber() || c == u'_' || c == u'#' || c == u'$';
}

}  // namespace

std::vector<Token> tokenize(const QString& text) {
    std::vector<Token> out;
    const qsizetype n = text.size();
    // Every other character starts a token in a row of values such as (1, 23, 'N'); more
    // room than that would only be wasted on scripts of long names and comments.
    out.reserve(static_cast<std::size_t>(n / 2 + 8));
    qsizetype i = 0;
    auto push = [&](Tok kind, QString t, qsizetype pos) {
        out.push_back(Token{kind, std::move(t), static_cast<int>(pos)});
    };
    while (i < n) {
        const QChar c = text[i];
        if (c.isSpace()) {
            ++i;
        } else if (c == u'-' && i + 1 < n && text[i + 1] == u'-') {
            while (i < n && text[i] != u'\n')
                ++i;
        } else if (c == u'/' && i + 1 < n && text[i + 1] == u'*') {
            const qsizetype end = text.indexOf(QStringLiteral("*/"), i + 2);
            if (end < 0)
                fail(ado::ServerError::MissingEndComment);
            i = end + 2;
        } else if (c == u'\'' || ((c == u'N' || c == u'n') && i + 1 < n && text[i + 1] == u'\'')) {
            const qsizetype start = i;
            if (c != u'\'')
                ++i;
            ++i;
            QString value;
            for (;;) {
                if (i >= n) {
                    fail(ado::ServerError::UnclosedQuotation, {value});
                }
                if (text[i] == u'\'') {
                    if (i + 1 < n && text[i + 1] == u'\'') {
                        value += u'\'';
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                value += text[i++];
            }
            push(Tok::String, value, start);
            out.back().national = c != u'\'';
        } else if (c == u'[' || c == u'"') {
            const QChar close = c == u'[' ? u']' : u'"';
            const qsizetype start = i++;
            QString name;
            for (;;) {
                if (i >= n)
                    fail(ado::ServerError::UnclosedName, {name});
                if (text[i] == close) {
                    if (i + 1 < n && text[i + 1] == close) {
                        name += close;
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                name += text[i++];
            }
            push(Tok::QuotedId, name, start);
        } else if (c.isDigit() || (c == u'.' && i + 1 < n && text[i + 1].isDigit())) {
            const qsizetype start = i;
            while (i < n && text[i].isDigit())
                ++i;
            if (i < n && text[i] == u'.') {
                ++i;
                while (i < n && text[i].isDigit())
                    ++i;
            }
            if (i < n && (text[i] == u'e' || text[i] == u'E')) {
                qsizetype j = i + 1;
                if (j < n && (text[j] == u'+' || text[j] == u'-'))
                    ++j;
                if (j < n && text[j].isDigit()) {
                    i = j;
                    while (i < n && text[i].isDigit())
                        ++i;
                }
            }
            push(Tok::Number, text.mid(start, i - start), start);
        } else if (c == u'@') {
            const qsizetype start = i++;
            while (i < n && (isWordChar(text[i]) || text[i] == u'@'))
                ++i;
            push(Tok::Variable, text.mid(start, i - start), start);
        } else if (isWordStart(c)) {
            const qsizetype start = i;
            while (i < n && isWordChar(text[i]))
                ++i;
            push(Tok::Word, text.mid(start, i - start), start);
        } else {
            const qsizetype start = i;
            if (const int length = operatorSymbolLength(QStringView(text).mid(i, 2))) {
                i += length;
                push(Tok::Op, text.mid(start, length), start);
                continue;
            }
            ++i;
            switch (c.unicode()) {
                case '(':
                    push(Tok::LParen, QStringLiteral("("), start);
                    break;
                case ')':
                    push(Tok::RParen, QStringLiteral(")"), start);
                    break;
                case ',':
                    push(Tok::Comma, QStringLiteral(","), start);
                    break;
                case '.':
                    push(Tok::Dot, QStringLiteral("."), start);
                    break;
                case ';':
                    push(Tok::Semicolon, QStringLiteral(";"), start);
                    break;
                case '?':
                    push(Tok::Variable, QString(c), start);
                    break;
                default:
                    fail(ado::ServerError::IncorrectSyntax, {QString(c)});
            }
        }
    }
    push(Tok::End, QString(), n);
    return out;
}

}  // namespace sql
