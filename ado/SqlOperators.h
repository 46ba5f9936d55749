#pragma once

#include <QString>
#include <QStringView>

#include <cstdint>
#include <span>
#include <string_view>

// The operators of SQL Server's dialect, in one table that the tokenizer, the parser and the
// emitter all read: how each is written, how tightly it binds and what kind of operation it is.
namespace sql {

enum class Op : std::uint8_t {
    Or,
    And,
    Not,
    Equal,
    NotEqual,      // <>
    NotEqualBang,  // !=
    Less,
    Greater,
    LessEqual,
    GreaterEqual,
    NotLess,     // !<
    NotGreater,  // !>
    Add,         // numbers, text or days to a date-time, by the operands' types
    Subtract,
    BitAnd,
    BitOr,
    BitXor,
    Concat,  // ||
    Multiply,
    Divide,
    Modulo,
    Negate,
    Plus,  // unary +
    BitNot,
};

enum class OpClass : std::uint8_t { Logical, Comparison, Arithmetic, Concat, Bitwise };

// Binding strength, loosest first; operators of one level apply from left to right.
enum Precedence : int {
    kOrLevel = 1,
    kAndLevel,
    kNotLevel,
    kComparisonLevel,
    kAdditiveLevel,  // + - & | ^ ||
    kMultiplicativeLevel,
    kUnaryLevel,  // - + ~ before an operand
};

struct OperatorDef {
    Op op;
    std::string_view text;  // as written (keywords in capitals)
    int precedence;
    OpClass kind;
    bool unary;
    const char* sqlite;  // as SQLite writes it where the emitter writes it as an operator
};

std::span<const OperatorDef> operators();
const OperatorDef& operatorDef(Op op);
// The operator written `text` (keywords in any letter case), binary or unary; null when none.
const OperatorDef* findOperator(QStringView text, bool unary);
// How many characters of `rest` make the longest operator symbol at its start (0: none).
int operatorSymbolLength(QStringView rest);

}  // namespace sql
