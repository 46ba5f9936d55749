#pragma once

#include <QString>

#include <vector>

// Tokens of the SQL Server dialect that the embedded engine reads.
namespace sql {

enum class Tok {
    Word,      // keyword or plain identifier (text as written)
    QuotedId,  // [name] or "name" (text without the delimiters)
    Number,    // 12, 3.5, .5, 1e3
    String,    // 'text' or N'text' (text unescaped)
    Variable,  // @name, or ? (a parameter marker)
    Op,        // = <> != < > <= >= + - * / % ||
    LParen,
    RParen,
    Comma,
    Dot,
    Semicolon,
    End
};

struct Token {
    Tok kind = Tok::End;
    QString text;
    int pos = 0;
    bool national = false;  // N'...': a Unicode string

    // A word that equals the keyword, ignoring letter case (quoted names never match).
    bool is(const char* keyword) const {
        return kind == Tok::Word && text.compare(QLatin1String(keyword), Qt::CaseInsensitive) == 0;
    }
    bool isOp(const char* op) const { return kind == Tok::Op && text == QLatin1String(op); }
    bool isName() const { return kind == Tok::Word || kind == Tok::QuotedId; }
};

// Splits a batch into tokens, dropping blanks and comments (-- and /* */). The last token is
// always End. Throws ado::Error for an unterminated literal, name or comment.
std::vector<Token> tokenize(const QString& text);

}  // namespace sql
