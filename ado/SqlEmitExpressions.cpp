#include "ado/SqlEmitter.h"

#include "ado/SqlDateParts.h"
#include "ado/SqlDateTimes.h"
#include "ado/SqlDecimals.h"
#include "ado/SqlFunctions.h"
#include "ado/SqlNesting.h"

#include <QRegularExpression>

#include <algorithm>
#include <limits>

// Expressions, operators and calls of SQL Server's functions.
namespace sql {

namespace {

using Base = SqlType::Base;

SqlType numberLiteralType(const QString& text) {
    const qsizetype dot = text.indexOf(u'.');
    if (text.contains(u'e') || text.contains(u'E'))
        return SqlType{Base::Float};
    // A literal that is not an int is a numeric of exactly its figures: 748.58 is numeric(5,2).
    // The sign of a negative literal is no figure: -9.61 is numeric(3,2) as 9.61 is.
    QString whole = dot < 0 ? text : text.left(dot);
    if (whole.startsWith(u'-') || whole.startsWith(u'+'))
        whole.remove(0, 1);
    while (whole.startsWith(u'0'))
        whole.remove(0, 1);
    const int scale = dot < 0 ? 0 : static_cast<int>(text.size() - dot - 1);
    const int precision = std::clamp(static_cast<int>(whole.size()) + scale, 1, 38);
    if (dot < 0) {
        bool ok = false;
        const qlonglong v = text.toLongLong(&ok);
        if (ok && v >= INT32_MIN && v <= INT32_MAX)
            return SqlType{Base::Int};
        return SqlType{Base::Numeric, 0, precision, 0};
    }
    return SqlType{Base::Numeric, 0, std::max(precision, scale), scale};
}

// The figures of a whole-number constant, its sign and leading zeros not counted.
int wholeFigures(QStringView text) {
    int figures = 0;
    bool leading = true;
    for (const QChar c : text) {
        if (!c.isDigit() || (leading && c == u'0'))
            continue;
        leading = false;
        ++figures;
    }
    return figures;
}

// SUM and AVG of a decimal: summed exactly at the operand's scale, SUM as decimal(38,s) and
// AVG as decimal(38, max(s,6)).
Typed decimalAggregate(bool sum, const QString& distinctWord, const Typed& x) {
    if (!sum && x.type.money)
        translationError(ado::ServerError::NotSupported, {QStringLiteral("AVG of money")});
    const ado::DecimalType column{x.type.precision, x.type.scale};
    const ado::DecimalType type = sum ? ado::sumType(column) : ado::avgType(column);
    return Typed{QLatin1String(sum ? helper::kDecimalSum : helper::kDecimalAvg) +
                     QString::number(column.scale) + u'(' + distinctWord + x.sql + u')',
                 decimalSqlType(type),
                 {}};
}

SqlType arithmeticType(const SqlType& a, const SqlType& b) {
    if (!a.isNumber() || !b.isNumber())
        return {};
    if (a.base == Base::Float || b.base == Base::Float)
        return SqlType{Base::Float};
    if (a.isInteger() && b.isInteger()) {
        // The type of higher precedence, so that smallint + smallint is a smallint and
        // overflows as one; bit (which + does not take on its own) and int give an int.
        for (const Base wider : {Base::BigInt, Base::Int, Base::SmallInt, Base::TinyInt}) {
            if (a.base == wider || b.base == wider)
                return SqlType{wider};
        }
        return SqlType{Base::Int};
    }
    return SqlType{Base::Numeric, 0, 38, std::max(a.scale, b.scale)};
}

}  // namespace

QString sourceArgument(const SqlType& from, const SqlType& to) {
    if (to.base != Base::Numeric || to.money || !from.known())
        return {};
    return QStringLiteral(", ") + quoteText(from.name().section(u'(', 0, 0));
}

namespace {

QString helperCall(const char* helperName, const QString& a, const QString& b) {
    return QLatin1String(helperName) + u'(' + a + QStringLiteral(", ") + b + u')';
}

// CAST and CONVERT of x to `to`. Date-times and decimals become text their own way (style 0
// for date-times when no style is given), and a style also says how text reads as a date-time.
// A date-time type's value converted to another date-time type or from text is read by its
// source's type too (a string is held to what SQL Server reads as one); style -1 stands for
// none given.
QString converted(const Typed& x, const SqlType& to, const QString& style = {}) {
    const bool styled =
        !style.isEmpty() ||
        (to.isText() && (x.type.isDateTime() || x.type.base == Base::Float ||
                         (x.type.base == Base::Numeric && x.type.scale > 0))) ||
        // a number may be too long for the text, which SQL Server does not cut
        (to.isText() && to.length >= 0 && x.type.isNumber()) ||
        (to.isDateTime() && (x.type.isDateTime() || x.type.isText() || x.stringLiteral));
    if (!styled)
        return helperCall(helper::kConvert, x.sql,
                          quoteText(to.name()) + sourceArgument(x.type, to));
    const SqlType from = x.stringLiteral && !x.type.known() ? SqlType::varchar() : x.type;
    return QStringLiteral("%1(%2, %3, %4, %5)")
        .arg(QLatin1String(helper::kConvertFrom), x.sql, quoteText(to.name()),
             quoteText(from.name()), style.isEmpty() ? QStringLiteral("-1") : style);
}

// SIGN's result: bigint for a bigint, int for the smaller whole numbers, money for money, a
// decimal of no scale for a decimal, float for the rest.
SqlType signType(const SqlType& x) {
    if (x.base == Base::BigInt)
        return x;
    if (x.isInteger())
        return SqlType{Base::Int};
    if (x.base == Base::Numeric) {
        SqlType t = x;
        if (!t.money)
            t.scale = 0;
        return t;
    }
    return SqlType{Base::Float};
}

QString typeWordOf(const SqlType& t) {
    return t.name().section(u'(', 0, 0);
}

// The precision argument of DATETIME2FROMPARTS and TIMEFROMPARTS, which fixes the result's
// type: a whole-number constant (error 10760 for a NULL, a variable or a column; a constant
// outside 0 to 7 refused by name).
int constantScale(const SqlType& type, const Typed& precision) {
    bool whole = false;
    const int scale = precision.sql.toInt(&whole);
    if (!whole || precision.constantFigures == 0)
        translationError(ado::ServerError::ScaleNotConstant, {typeWordOf(type)});
    if (scale < 0 || scale > 7) {
        translationError(ado::ServerError::NotSupported,
                         {QStringLiteral("A %1 precision of %2").arg(typeWordOf(type)).arg(scale)});
    }
    return scale;
}

// The type of two texts joined: national when either is, (max) when either is or is not
// known, otherwise their lengths added up to 8,000 bytes (4,000 national characters).
SqlType concatenatedType(const SqlType& a, const SqlType& b) {
    SqlType t = SqlType::varchar();
    t.national = a.national || b.national;
    if (!a.isText() || !b.isText() || a.length < 0 || b.length < 0 || a.base == Base::Text ||
        b.base == Base::Text)
        return t;
    t.length = std::min(a.length + b.length, t.national ? 4000 : 8000);
    return t;
}

// Joined text of that type, cut at its length when the parts may exceed it.
Typed cappedText(const QString& sql, const SqlType& type) {
    if (type.length < 0 || type.length < (type.national ? 4000 : 8000))
        return Typed{sql, type, {}};
    return Typed{QStringLiteral("substr(%1, 1, %2)").arg(sql).arg(type.length), type, {}};
}

// A number added to or taken from a value of a date-time type other than datetime and
// smalldatetime: SQL Server's operand type clash.
void checkDayArithmetic(const SqlType& dateSide, const SqlType& other) {
    if (dateSide.isDateTime() && !dateSide.countsDays() && !other.isText() && other.known()) {
        translationError(ado::ServerError::OperandTypeClash,
                         {dateSide.name().section(u'(', 0, 0), other.name().section(u'(', 0, 0)});
    }
}

// A whole-number or float result as SQL Server gives it: an error, not a wider number or an
// infinity, when it leaves the range of its type.
QString checkedWhole(const QString& sql, const SqlType& type) {
    if (!type.isInteger() && type.base != Base::Float)
        return sql;
    return helperCall(helper::kCheckRange, sql, quoteText(type.name()));
}

QString divideCall(const char* helperName, const Typed& l, const Typed& r, const SqlType& type) {
    return QLatin1String(helperName) + u'(' + l.sql + QStringLiteral(", ") + r.sql +
           (type.isInteger() ? QStringLiteral(", 1)") : QStringLiteral(", 0)"));
}

QString joined(const std::vector<Typed>& a) {
    QStringList parts;
    for (const Typed& x : a)
        parts << x.sql;
    return parts.join(QStringLiteral(", "));
}

// The pattern with %1..%9 replaced by the arguments, in one pass (an argument's own text is
// never read as a placeholder).
QString fillPattern(const char* pattern, const std::vector<Typed>& a) {
    QString out;
    for (const char* p = pattern; *p; ++p) {
        if (p[0] == '%' && p[1] >= '1' && p[1] <= '9') {
            const auto n = static_cast<std::size_t>(*++p - '1');
            out += n < a.size() ? a[n].sql : QStringLiteral("NULL");
        } else {
            out += QLatin1Char(*p);
        }
    }
    return out;
}

// How a step of a chain of operators joins a run written flat, "(a OR b OR c)" or
// "(a * b / c)", instead of one pair of parentheses per operator. SQLite reads a flat run left
// to right as the nested form would be read.
struct RunStep {
    QLatin1String kind;        // steps of one kind make one run; empty: no run
    bool regroupable = false;  // associative: a long run may be written as groups of groups
};

// Agrees with applyOperator and plus: a run is only formed where they would write
// "(l op r)" (a - b of numbers is written a + (-b), so sums and differences make one run).
RunStep runStep(Op op, const SqlType& l, const SqlType& r) {
    switch (op) {
        case Op::And:
            return {QLatin1String(" AND "), true};
        case Op::Or:
            return {QLatin1String(" OR "), true};
        case Op::Concat:
            return {QLatin1String(" || "), true};
        case Op::Add:
            if (l.isText() && r.isText())
                return {QLatin1String(" || "), true};
            [[fallthrough]];
        case Op::Subtract:
            if (l.isNumber() && r.isNumber())
                return {QLatin1String(" + "), true};
            return {};
        case Op::Multiply:
            return {QLatin1String("*"), false};
        case Op::BitAnd:
        case Op::BitOr:
            return {QLatin1String("&"), false};
        default:
            return {};
    }
}

// Operands in a run this long or shorter are written "(a OP b OP c)"; a longer run is written
// as such groups of groups, which keeps SQLite's expression tree shallow (it refuses one deeper
// than 1,000).
constexpr qsizetype kFlatRun = 100;

QString joinFlat(QStringList terms, QLatin1String infix) {
    while (terms.size() > kFlatRun) {
        QStringList groups;
        for (qsizetype i = 0; i < terms.size(); i += kFlatRun)
            groups << u'(' + terms.mid(i, kFlatRun).join(infix) + u')';
        terms = std::move(groups);
    }
    return u'(' + terms.join(infix) + u')';
}

// Decimal arithmetic: the operator as ado::Decimal knows it, for + - * / % alone.
std::optional<ado::DecimalOp> decimalOp(Op op) {
    switch (op) {
        case Op::Add:
            return ado::DecimalOp::Add;
        case Op::Subtract:
            return ado::DecimalOp::Subtract;
        case Op::Multiply:
            return ado::DecimalOp::Multiply;
        case Op::Divide:
            return ado::DecimalOp::Divide;
        case Op::Modulo:
            return ado::DecimalOp::Modulo;
        default:
            return std::nullopt;
    }
}

// `l op r` when it is decimal arithmetic: the operator, or nullopt. Money multiplied, divided
// or taken modulo by money or a whole number is refused by name.
std::optional<ado::DecimalOp> decimalStep(Op op, const Typed& l, const Typed& r) {
    const auto d = decimalOp(op);
    if (!d || !isDecimalArithmetic(*d, l.type, r.type))
        return std::nullopt;
    if (isMoneyProduct(*d, l.type, r.type)) {
        translationError(ado::ServerError::NotSupported,
                         {QStringLiteral("Multiplication, division and modulo of money")});
    }
    return d;
}

ado::DecimalType operandType(const Typed& t) {
    return *decimalOperandType(t.type, t.constantFigures);
}

// A run of decimal operators being written: one call of the decimal helper with the run's
// text and its operands (at most kFlatRun; a longer run continues in a call that takes this
// one as its first operand).
class DecimalCall {
  public:
    bool open() const { return !m_operands.isEmpty(); }

    void add(ado::DecimalOp op, Typed& acc, const Typed& r) {
        if (open() && m_operands.size() >= kFlatRun)
            close(acc);
        if (!open()) {
            m_run = DecimalRun{operandType(acc), {}};
            m_type = m_run.first;
            m_operands << acc.sql;
        }
        const ado::DecimalType right = operandType(r);
        m_run.steps.push_back({op, right});
        m_type = ado::resultType(op, m_type, right);
        m_operands << r.sql;
        acc = Typed{{}, decimalSqlType(m_type), {}};
    }

    // Writes the call into acc.sql, when a run is open.
    void close(Typed& acc) {
        if (!open())
            return;
        acc.sql = QLatin1String(helper::kDecimal) + QStringLiteral("('") + m_run.text() +
                  QStringLiteral("', ") + m_operands.join(QStringLiteral(", ")) + u')';
        m_operands.clear();
    }

  private:
    DecimalRun m_run;
    ado::DecimalType m_type;
    QStringList m_operands;
};

Typed decimalArithmetic(ado::DecimalOp op, Typed l, const Typed& r) {
    DecimalCall call;
    call.add(op, l, r);
    call.close(l);
    return l;
}

}  // namespace

SqlType branchType(const SqlType& a, const SqlType& b) {
    try {
        if (const auto d = dateTimeBranchType(a, b))
            return *d;
    } catch (const ConversionError& e) {
        translationError(e.error(), e.arguments());
    }
    return combinedType(a, b);
}

Typed asBranchOf(const Typed& x, const SqlType& to) {
    if (!to.isDateTime() || !x.type.known())
        return x;
    if (x.type.base == to.base || (x.type.isDateTime() && sameStoredForm(x.type, to)))
        return Typed{x.sql, to, {}};
    return Typed{converted(x, to), to, {}};
}

QString orderingKey(const Typed& x) {
    return helperCall(helper::kDecimalKey, x.sql,
                      QString::number(x.type.base == Base::Numeric ? x.type.scale : 0));
}

namespace {

// Decimals of a type that may hold BLOBs (holdsWideValues): SQLite's own order puts every BLOB
// after every number, so such a decimal is ordered by its key, meets a float as a float and is
// negated by the engine.
bool wide(const Typed& x) {
    return holdsWideValues(x.type);
}

QString asFloat(const Typed& x) {
    return wide(x) ? QLatin1String(helper::kDecimalFloat) + u'(' + x.sql + u')' : x.sql;
}

bool arithmetic(Op op) {
    return op == Op::Add || op == Op::Subtract || op == Op::Multiply || op == Op::Divide ||
           op == Op::Modulo;
}

bool orders(Op op) {
    return op == Op::Less || op == Op::Greater || op == Op::LessEqual || op == Op::GreaterEqual ||
           op == Op::NotLess || op == Op::NotGreater;
}

// Operands of a comparison, BETWEEN or arithmetic where one is such a decimal: a float among
// them takes it as a float; ordered among numbers (or values of no known type) all are their
// keys.
void wideOperands(std::initializer_list<Typed*> operands, bool ordering) {
    const auto any = [&](auto test) {
        return std::any_of(operands.begin(), operands.end(),
                           [&](const Typed* x) { return test(*x); });
    };
    if (!any(wide))
        return;
    if (any([](const Typed& x) { return x.type.base == Base::Float; })) {
        for (Typed* x : operands)
            x->sql = asFloat(*x);
        return;
    }
    if (ordering && !any([](const Typed& x) { return x.type.known() && !x.type.isNumber(); })) {
        for (Typed* x : operands)
            x->sql = orderingKey(*x);
    }
}

// MIN and MAX of such a decimal: taken of the keys, and the key read back.
Typed wideExtreme(const QLatin1String& name, const QString& distinctWord, const Typed& x) {
    return Typed{QLatin1String(helper::kDecimalOfKey) + u'(' + name + u'(' + distinctWord +
                     orderingKey(x) + QStringLiteral("))"),
                 x.type,
                 {}};
}

}  // namespace

std::optional<SqlType> Emitter::resolve(const Scope& scope, const QString& qualifier,
                                        const QString& name) {
    for (const Scope* s = &scope; s; s = s->outer) {
        for (const Source& src : s->sources) {
            if (!qualifier.isEmpty() && src.alias.compare(qualifier, Qt::CaseInsensitive) != 0)
                continue;
            for (const ColumnInfo& c : src.columns) {
                if (c.name.compare(name, Qt::CaseInsensitive) == 0)
                    return c.type;
            }
        }
    }
    return std::nullopt;
}

// A quoted literal read as the type of the value it meets, as SQL Server converts it. A text
// parameter meeting a number or a date-time is converted when the statement runs, failing as
// SQL Server fails for text that is none.
Typed Emitter::coerce(Typed literal, const SqlType& to) {
    if (literal.textParameter) {
        SqlType target;
        if (to.isInteger()) {
            target = SqlType{Base::BigInt};
        } else if (to.base == Base::Numeric || to.base == Base::Float) {
            target = SqlType{Base::Float};
        } else if (to.isDateTime()) {
            target = to;
        } else {
            return literal;
        }
        return Typed{helperCall(helper::kStore, literal.sql, quoteText(target.name())), target, {}};
    }
    if (!literal.stringLiteral)
        return literal;
    const QString& text = *literal.stringLiteral;
    try {
        if (to.isInteger()) {
            const Scalar v = convertTo(Scalar::ofText(text), SqlType{Base::BigInt});
            return Typed{QString::number(v.i), SqlType{Base::BigInt}, std::nullopt};
        }
        if (to.base == Base::Numeric || to.base == Base::Float) {
            const auto v = parseNumber(text);
            if (!v) {
                throw ConversionError(ado::ServerError::ErrorConverting,
                                      {QStringLiteral("numeric")});
            }
            if (v->kind == Scalar::Kind::Int) {
                return Typed{QString::number(v->i), SqlType{Base::BigInt}, std::nullopt};
            }
            return Typed{QString::number(v->d, 'g', 17), SqlType{Base::Float}, std::nullopt};
        }
        if (to.isDateTime()) {
            const Scalar v = dateTimeFromText(text, to, true);
            return Typed{quoteText(v.t), to, std::nullopt};
        }
    } catch (const ConversionError& e) {
        if (to.isInteger()) {
            translationError(ado::ServerError::ConversionFailed, {text, to.name()});
        }
        translationError(e.error(), e.arguments());
    }
    return literal;
}

bool Emitter::textual(const Typed& t) {
    return t.type.isText() || t.stringLiteral.has_value();
}

// Text that meets a number or a date-time is converted to the other's type, which ranks
// higher (an error for text that is none, as SQL Server raises it); quoted literals are
// converted while translating, by coerce.
Typed promoteText(Typed t, const SqlType& other) {
    if (!t.type.isText() || t.stringLiteral || !(other.isNumber() || other.isDateTime()))
        return t;
    return Typed{helperCall(helper::kConvert, t.sql, quoteText(other.name())), other, {}};
}

// The type of highest precedence among numbers: float, then decimal, then whole numbers.
SqlType widerNumber(const SqlType& a, const SqlType& b) {
    const auto rank = [](const SqlType& t) {
        return t.base == Base::Float ? 3 : t.base == Base::Numeric ? 2 : t.isNumber() ? 1 : 0;
    };
    if (rank(b) > rank(a) || (rank(a) == 1 && b.base == Base::BigInt))
        return b;
    return a;
}

Typed Emitter::comparison(Op op, Typed l, Typed r) {
    l = coerce(std::move(l), r.type);
    r = coerce(std::move(r), l.type);
    l = promoteText(std::move(l), r.type);
    r = promoteText(std::move(r), l.type);
    // Date-times of types stored in different forms meet in the higher type's.
    if (l.type.isDateTime() && r.type.isDateTime() && !sameStoredForm(l.type, r.type)) {
        const SqlType common = higherDateTimeType(l.type, r.type);
        if (!sameStoredForm(l.type, common))
            l = Typed{converted(l, common), common, {}};
        else
            r = Typed{converted(r, common), common, {}};
    }
    wideOperands({&l, &r}, orders(op));
    const QLatin1StringView sqlOp(operatorDef(op).sqlite);
    QString right = r.sql;
    if (textual(l) || textual(r))
        right += collateClause();
    return Typed{u'(' + l.sql + u' ' + sqlOp + u' ' + right + u')', SqlType{Base::Int}, {}};
}

Typed Emitter::plus(const Typed& l, const Typed& r) {
    checkDayArithmetic(l.type, r.type);
    checkDayArithmetic(r.type, l.type);
    if (l.type.isDateTime())
        return Typed{helperCall(helper::kAddDays, l.sql, r.sql), l.type, {}};
    if (r.type.isDateTime())
        return Typed{helperCall(helper::kAddDays, r.sql, l.sql), r.type, {}};
    if (const auto d = decimalStep(Op::Add, l, r))
        return decimalArithmetic(*d, l, r);
    if (l.type.isNumber() && r.type.isNumber()) {
        const SqlType type = arithmeticType(l.type, r.type);
        return Typed{
            checkedWhole(u'(' + l.sql + QStringLiteral(" + ") + r.sql + u')', type), type, {}};
    }
    if (l.type.isText() && r.type.isText()) {
        return cappedText(u'(' + l.sql + QStringLiteral(" || ") + r.sql + u')',
                          concatenatedType(l.type, r.type));
    }
    SqlType type;
    if (l.type.isNumber() || r.type.isNumber())
        type = l.type.isNumber() ? l.type : r.type;
    return Typed{helperCall(helper::kPlus, l.sql, r.sql), type, {}};
}

// Operators written one after another (a OR b OR c, a + b - c) make a tree that leans left:
// its left side is walked in a loop, only right operands recurse.
Typed Emitter::binary(const Expr& e, const Scope& scope) {
    std::vector<const Expr*> chain;
    const Expr* first = &e;
    while (first->kind == Expr::Kind::Binary) {
        chain.push_back(first);
        first = first->left.get();
    }
    Typed acc = expr(*first, scope);
    // The run being written: its first operand, then the others (with their operator when
    // the run is not regroupable); not yet written into acc.sql.
    QStringList run;
    RunStep runKind;
    auto flush = [&] {
        if (run.isEmpty())
            return;
        acc.sql = runKind.regroupable ? joinFlat(std::move(run), runKind.kind)
                                      : u'(' + run.join(QString()) + u')';
        if (runKind.kind == QLatin1String(" + ") || runKind.kind == QLatin1String("*"))
            acc.sql = checkedWhole(acc.sql, acc.type);
        if (runKind.kind == QLatin1String(" || "))
            acc.sql = cappedText(acc.sql, acc.type).sql;
        run.clear();
    };
    DecimalCall decimals;
    for (auto it = chain.rbegin(); it != chain.rend(); ++it) {
        const Op op = (*it)->op;
        Typed r = expr(*(*it)->right, scope);
        if (const auto d = acc.type.isDateTime() ? std::nullopt : decimalStep(op, acc, r)) {
            flush();
            decimals.add(*d, acc, r);
            continue;
        }
        decimals.close(acc);
        if (arithmetic(op))
            wideOperands({&acc, &r}, false);
        const RunStep step = runStep(op, acc.type, r.type);
        if (step.kind.isEmpty()) {
            flush();
            acc = applyOperator(op, std::move(acc), std::move(r));
            continue;
        }
        const SqlType type = applyOperator(op, Typed{{}, acc.type, {}}, r).type;
        if (run.isEmpty() || step.kind != runKind.kind) {
            flush();
            run << acc.sql;
            runKind = step;
        }
        if (!step.regroupable)
            run << u' ' + QLatin1StringView(operatorDef(op).sqlite) + u' ' + r.sql;
        else if (op == Op::Subtract)
            run << QStringLiteral("(- %1)").arg(r.sql);
        else
            run << r.sql;
        acc = Typed{{}, type, {}};
    }
    decimals.close(acc);
    flush();
    return acc;
}

Typed Emitter::applyOperator(Op op, Typed l, Typed r) {
    const OperatorDef& def = operatorDef(op);
    if (def.kind == OpClass::Logical) {
        return Typed{u'(' + l.sql + u' ' + QLatin1StringView(def.sqlite) + u' ' + r.sql + u')',
                     SqlType{Base::Int},
                     {}};
    }
    if (def.kind == OpClass::Comparison)
        return comparison(op, std::move(l), std::move(r));
    if (arithmetic(op))
        wideOperands({&l, &r}, false);
    if (def.kind == OpClass::Concat)
        return Typed{u'(' + l.sql + QStringLiteral(" || ") + r.sql + u')', SqlType::varchar(), {}};
    if (op == Op::Add)
        return plus(l, r);
    if (op == Op::Subtract && l.type.isDateTime()) {
        checkDayArithmetic(l.type, r.type);
        return Typed{
            helperCall(helper::kAddDays, l.sql, QStringLiteral("-(%1)").arg(r.sql)), l.type, {}};
    }
    if (op == Op::BitXor)
        return Typed{helperCall(helper::kBitXor, l.sql, r.sql), SqlType{Base::Int}, {}};
    if (const auto d = decimalStep(op, l, r))
        return decimalArithmetic(*d, std::move(l), r);
    const SqlType type = arithmeticType(l.type, r.type);
    if (op == Op::Divide)
        return Typed{checkedWhole(divideCall(helper::kDivide, l, r, type), type), type, {}};
    if (op == Op::Modulo)
        return Typed{divideCall(helper::kModulo, l, r, type), type, {}};
    QString sql = u'(' + l.sql + u' ' + QLatin1StringView(def.sqlite) + u' ' + r.sql + u')';
    if (op == Op::Subtract || op == Op::Multiply)
        sql = checkedWhole(sql, type);
    return Typed{sql, type, {}};
}

Typed Emitter::function(const Expr& e, const Scope& scope) {
    std::vector<Typed> a;
    for (const ExprPtr& arg : e.args) {
        if (arg->kind == Expr::Kind::Star) {
            a.push_back(Typed{QStringLiteral("*"), {}, {}});
        } else {
            a.push_back(expr(*arg, scope));
        }
    }
    const FunctionDef* f = findFunction(e.text);
    if (!f) {
        if (isServerFunctionNotHere(e.text))
            translationError(ado::ServerError::NotSupported, {e.text.toUpper()});
        translationError(ado::ServerError::UnknownFunction, {e.text});
    }
    // SUBSTRING takes text only: a number, a date-time or a bare NULL (an int) is refused.
    if (e.text == u"substring" && !a.empty()) {
        const bool bareNull = e.args[0]->kind == Expr::Kind::Null;
        if (bareNull || (a[0].type.known() && !textual(a[0]))) {
            translationError(ado::ServerError::InvalidArgumentType,
                             {bareNull ? QStringLiteral("int") : typeWordOf(a[0].type),
                              QStringLiteral("1"), QStringLiteral("substring")});
        }
    }
    // ISNULL's replacement takes the first argument's type: text cut to a char or varchar's
    // length.
    if (e.text == u"isnull" && a.size() == 2 && a[0].type.isText() && a[0].type.length >= 0 &&
        textual(a[1])) {
        a[1] = Typed{converted(a[1], a[0].type), a[0].type, {}};
    }
    return call(*f, e.distinct, std::move(a));
}

Typed Emitter::call(const FunctionDef& f, bool distinct, std::vector<Typed> a) {
    const auto count = static_cast<int>(a.size());
    if (count < f.minArgs || (f.maxArgs != kVariadic && count > f.maxArgs)) {
        translationError(ado::ServerError::ArgumentCount,
                         {QString::fromLatin1(f.name), QString::number(f.minArgs)});
    }
    SqlType type = f.type;
    if (f.result == Result::FirstArgument || f.result == Result::WholeNumber) {
        type = a.empty() ? SqlType{} : a[0].type;
        if (f.result == Result::WholeNumber && type.base == Base::Numeric)
            type.scale = 0;
    } else if (f.result == Result::FirstKnown) {
        // COALESCE takes the type of all its arguments; NULLIF its first argument's.
        const bool all = QLatin1String(f.name) == QLatin1String("coalesce");
        for (const Typed& x : a) {
            if (all)
                type = branchType(type, x.type);
            else if (!type.known())
                type = combinedType(type, x.type);
        }
        for (Typed& x : a) {
            if (all)
                x = asBranchOf(x, type);
        }
    } else if (f.result == Result::LastArgument && !a.empty() && a.back().type.isDateTime()) {
        type = a.back().type;
    } else if (f.result == Result::ScaleArgument) {
        type.scale = constantScale(f.type, a.back());
    }
    if (f.result == Result::Sign && !a.empty())
        type = signType(a[0].type);
    // Text made from text of a type short of (max) stays short of it, up to 8,000 bytes.
    if (type.base == Base::VarChar && type.length < 0 && !a.empty() &&
        (a[0].type.base == Base::VarChar || a[0].type.base == Base::Char) &&
        a[0].type.length >= 0) {
        type.national = a[0].type.national;
        type.length = type.national ? 4000 : 8000;
    }
    if (QLatin1String(f.name) == QLatin1String("isdate") && count == 1 && a[0].type.isDateTime() &&
        !a[0].type.countsDays()) {
        translationError(
            ado::ServerError::InvalidArgumentType,
            {a[0].type.name().section(u'(', 0, 0), QStringLiteral("1"), QStringLiteral("isdate")});
    }
    // A constant date part is read here, once, and handed over as its number.
    if (f.datePartArgument && !a.empty() && a[0].stringLiteral) {
        const auto part = parseDatePart(*a[0].stringLiteral);
        if (!part) {
            translationError(ado::ServerError::UnknownOption,
                             {*a[0].stringLiteral, QString::fromLatin1(f.name)});
        }
        a[0] = Typed{QString::number(datePartCode(*part)), SqlType{Base::Int}, {}};
    }
    if (f.datePartArgument) {
        for (int i = 1; i < count; ++i)
            a.push_back(Typed{quoteText(a[i].type.name()), SqlType::varchar(), {}});
    }
    // A function that works on SQLite's numbers takes no decimal of more figures than a double
    // holds (COALESCE and NULLIF only pass values on).
    const QLatin1String called(f.name);
    if (called == QLatin1String("abs") && wide(a[0]))
        return Typed{QLatin1String(helper::kDecimalAbs) + u'(' + a[0].sql + u')', type, {}};
    // ROUND, FLOOR and CEILING read every figure themselves.
    const bool exact = called == QLatin1String("round") || called == QLatin1String("floor") ||
                       called == QLatin1String("ceiling");
    const bool callsOut =
        f.emit == Emit::Call || f.emit == Emit::TypedCall || f.emit == Emit::Template;
    if (callsOut && f.result != Result::FirstKnown && !exact) {
        for (Typed& x : a) {
            if (wide(x))
                x.sql = QLatin1String(helper::kDecimalNarrow) + u'(' + x.sql + u')';
        }
    }
    const QString distinctWord = distinct ? QStringLiteral("DISTINCT ") : QString();
    switch (f.emit) {
        case Emit::Call: {
            const QString sql = QLatin1String(f.target) + u'(' + joined(a) + u')';
            return Typed{f.rangeChecked ? checkedWhole(sql, type) : sql, type, {}};
        }
        case Emit::TypedCall:
            return Typed{QLatin1String(f.target) + u'(' + joined(a) + QStringLiteral(", ") +
                             quoteText(a[0].type.name()) + u')',
                         type,
                         {}};
        case Emit::Template: {
            const QString sql = fillPattern(f.target, a);
            return Typed{f.rangeChecked ? checkedWhole(sql, type) : sql, type, {}};
        }
        case Emit::Alias: {
            if (f.leading)
                a.insert(a.begin(), Typed{QLatin1String(f.leading), SqlType::varchar(),
                                          QString::fromLatin1(f.leading).chopped(1).mid(1)});
            return call(*findFunction(QString::fromLatin1(f.target)), distinct, std::move(a));
        }
        case Emit::IsNull: {
            // The replacement takes the checked value's type: a date-time of another form is
            // converted (a type that cannot be is a clash), and so is a date-time meeting text.
            Typed second = a[0].type.known() ? coerce(a[1], a[0].type) : a[1];
            if (a[0].type.isDateTime() && !second.stringLiteral) {
                branchType(a[0].type, second.type);
                second = asBranchOf(second, a[0].type);
            } else if (a[0].type.isText() && second.type.isDateTime()) {
                second = Typed{converted(second, a[0].type), a[0].type, {}};
            }
            return Typed{QStringLiteral("ifnull(%1, %2)").arg(a[0].sql, second.sql),
                         a[0].type.known() ? a[0].type : a[1].type,
                         {}};
        }
        case Emit::Concat: {
            QStringList parts;
            for (const Typed& x : a) {
                parts << QStringLiteral("ifnull(%1, '')").arg(converted(x, SqlType::varchar()));
            }
            // Without an argument of a (max) type the result is cut at 8,000 bytes.
            SqlType joinedType = a[0].type.isText() ? a[0].type : SqlType::varchar(30);
            for (std::size_t i = 1; i < a.size(); ++i)
                joinedType = concatenatedType(joinedType, a[i].type.isText() || !a[i].type.known()
                                                              ? a[i].type
                                                              : SqlType::varchar(30));
            return cappedText(u'(' + parts.join(QStringLiteral(" || ")) + u')', joinedType);
        }
        case Emit::NullIf: {
            // As SQL Server defines it, the CASE of its two arguments compared as `=` compares
            // them (text without regard to case, text against a number as a number).
            const Typed equal = comparison(Op::Equal, a[0], a[1]);
            return Typed{
                QStringLiteral("(CASE WHEN %1 THEN NULL ELSE %2 END)").arg(equal.sql, a[0].sql),
                a[0].type.known() ? a[0].type : a[1].type,
                {}};
        }
        case Emit::Power: {
            if (a[0].type.base == Base::Numeric) {
                translationError(ado::ServerError::NotSupported,
                                 {QStringLiteral("POWER of a decimal or money value")});
            }
            // An int (tinyint, smallint) or bigint base keeps its type, cut to a whole number;
            // anything else is a float.
            const bool whole = a[0].type.isInteger() && a[0].type.base != Base::Bit;
            SqlType t{Base::Float};
            if (whole)
                t = SqlType{a[0].type.base == Base::BigInt ? Base::BigInt : Base::Int};
            const QString sql = QLatin1String(f.target) + u'(' + joined(a) +
                                (whole ? QStringLiteral(", 1)") : QStringLiteral(", 0)"));
            return Typed{checkedWhole(sql, t), t, {}};
        }
        case Emit::Count:
            ++m_aggregates;
            return Typed{QStringLiteral("count(") + distinctWord + a[0].sql + u')', type, {}};
        case Emit::Aggregate: {
            ++m_aggregates;
            // SQL Server sums integers as bigint and averages them as int; decimals widen.
            const QLatin1String name(f.name);
            SqlType t = a[0].type;
            const bool sumOrAvg = name == QLatin1String("sum") || name == QLatin1String("avg");
            if (sumOrAvg && (t.isText() || t.isDateTime())) {
                translationError(ado::ServerError::OperandInvalid, {typeWordOf(t), QString(name)});
            }
            if (sumOrAvg) {
                if (t.isInteger())
                    t = SqlType{t.base == Base::BigInt ? Base::BigInt : Base::Int};
                if (t.base == Base::Numeric)
                    t.precision = 38;
            }
            if (sumOrAvg && t.base == Base::Numeric)
                return decimalAggregate(name == QLatin1String("sum"), distinctWord, a[0]);
            if (!sumOrAvg && wide(a[0]))
                return wideExtreme(name, distinctWord, a[0]);
            QString sql = name + u'(' + distinctWord + a[0].sql + u')';
            if (sumOrAvg && t.isInteger()) {
                // Whole numbers are summed in their type (int or bigint) and averaged as
                // that sum divided by their count.
                sql = checkedWhole(QStringLiteral("sum(") + distinctWord + a[0].sql + u')', t);
                if (name == QLatin1String("avg"))
                    sql = u'(' + sql + QStringLiteral(" / count(") + distinctWord + a[0].sql +
                          QStringLiteral("))");
            }
            if (sumOrAvg && t.base == Base::Float)
                sql = checkedWhole(sql, t);
            return Typed{sql, t, {}};
        }
        case Emit::CurrentDatabase:
            return Typed{quoteText(m_schema.currentDatabase()), type, {}};
        case Emit::IfElse: {
            type = branchType(a[1].type, a[2].type);
            return Typed{QStringLiteral("CASE WHEN %1 THEN %2 ELSE %3 END")
                             .arg(a[0].sql, asBranchOf(a[1], type).sql, asBranchOf(a[2], type).sql),
                         type,
                         {}};
        }
    }
    translationError(ado::ServerError::InternalError,
                     {QStringLiteral("unknown function emission")});
}

// A variable is a parameter of the batch: SQLite's numbered placeholder, one per parameter
// however often the statement names it.
// A variable of the batch or a @@ value of the session: a placeholder like a parameter's,
// keyed $name ($_name for @@name), which the engine binds from what it keeps.
Typed Emitter::variable(const Expr& e) {
    static const QRegularExpression plain(QStringLiteral("^@@?[A-Za-z_][A-Za-z0-9_]*$"));
    if (!plain.match(e.text).hasMatch()) {
        translationError(ado::ServerError::NotSupported,
                         {QStringLiteral("The variable name ") + e.text});
    }
    const QString key = u'$' + e.text.mid(1).toLower().replace(u'@', u'_');
    qsizetype index = m_parameters.indexOf(key);
    if (index < 0) {
        index = m_parameters.size();
        m_parameters << key;
    }
    return Typed{u'?' + QString::number(index + 1), e.declaredType, {}};
}

Typed Emitter::parameter(const Expr& e) {
    const QString key = e.text.toLower();
    const auto found =
        m_parameterTypes ? m_parameterTypes->find(key) : ParameterTypes::const_iterator{};
    if (!m_parameterTypes || found == m_parameterTypes->end())
        translationError(ado::ServerError::UndeclaredVariable, {e.text});
    qsizetype index = m_parameters.indexOf(key);
    if (index < 0) {
        index = m_parameters.size();
        m_parameters << key;
    }
    const SqlType& type = found->second;
    return Typed{u'?' + QString::number(index + 1), type, {}, type.isText()};
}

// A value of an INSERT row: a literal number (negated or not), text or NULL becomes a
// placeholder bound to its value, so that rows of other values share the prepared statement;
// anything else, and a text holding NUL (which SQLite's reading of a quoted literal would cut
// short), is written out.
QString Emitter::boundLiteral(const Expr& e, const Scope& scope) {
    constexpr qsizetype kMostPlaceholders = 30000;  // SQLite takes at most 32,766
    const bool negated =
        e.kind == Expr::Kind::Unary && e.op == Op::Negate && e.operand->kind == Expr::Kind::Number;
    const Expr& x = negated ? *e.operand : e;
    BoundLiteral literal;
    bool bound = false;
    if (m_parameters.size() >= kMostPlaceholders) {
        // written out
    } else if (x.kind == Expr::Kind::Number) {
        bool whole = false;
        const qlonglong v = x.text.toLongLong(&whole);
        if (whole) {
            literal.whole = negated ? -v : v;  // SQLite's own literal of 64 bits, as written
            bound = true;
        } else {
            // A decimal passes the checks of its figures first; its double is the nearest to
            // them (SQLite's reading of the literal is off by one unit in the last place for
            // about one in 10,000 decimals).
            expr(e, scope);
            bool ok = false;
            const double d = x.text.toDouble(&ok);
            literal.real = negated ? -d : d;
            bound = ok && x.text.count(u'.') == 1 && significantDigits(x.text) <= 15 &&
                    std::all_of(x.text.begin(), x.text.end(),
                                [](QChar c) { return c == u'.' || (c >= u'0' && c <= u'9'); });
        }
    } else if (x.kind == Expr::Kind::String) {
        literal.text = x.text;
        bound = !x.text.contains(QChar(0));
    } else {
        literal.null = true;
        bound = x.kind == Expr::Kind::Null;
    }
    if (!bound)
        return expr(e, scope).sql;
    m_parameters << u'#' + QString::number(m_literals.size());
    m_literals.push_back(std::move(literal));
    // A bare "?" takes the number after the highest before it, which is this one's: an INSERT
    // row is written in the order it is read. (SQLite looks a numbered one up in a list, which
    // would make thousands of them cost the square of their count.)
    return QStringLiteral("?");
}

Typed Emitter::expr(const Expr& e, const Scope& scope) {
    const NestingGuard level(m_depth, kOperation);
    switch (e.kind) {
        case Expr::Kind::Number: {
            const SqlType type = numberLiteralType(e.text);
            // Decimals are kept as doubles, exact to 15 figures with their scale; whole
            // numbers as 64 bits.
            Typed literal{e.text, type, {}};
            // One a double does not hold is written as the BLOB the engine stores it as.
            if (type.base == Base::Numeric) {
                const bool negative = e.text.startsWith(u'-');
                std::optional<ado::Decimal> d;
                try {
                    d = ado::Decimal::parseLiteral(QStringView(e.text).sliced(negative ? 1 : 0));
                } catch (const ado::DecimalError&) {
                    translationError(ado::ServerError::NumberOutOfRange,
                                     {QStringView(e.text).sliced(negative ? 1 : 0).toString()});
                }
                if (d && negative)
                    d->unscaled = -d->unscaled;
                const StoredDecimal stored = d ? storedOfDecimal(*d) : StoredDecimal{};
                if (stored.form == StoredDecimal::Form::Bytes) {
                    literal.sql =
                        QStringLiteral("X'") +
                        QString::fromLatin1(QByteArray::fromStdString(stored.bytes).toHex()) +
                        u'\'';
                }
            }
            if (type.isInteger())
                literal.constantFigures = std::max(1, wholeFigures(e.text));
            return literal;
        }
        case Expr::Kind::String: {
            SqlType type = SqlType::varchar(static_cast<int>(e.text.size()));
            type.national = e.national;
            return Typed{quoteText(e.text), type, e.text};
        }
        case Expr::Kind::Null:
            return Typed{QStringLiteral("NULL"), {}, {}};
        case Expr::Kind::Column: {
            const auto type = resolve(scope, e.qualifier, e.text);
            QString sql = quoteName(e.text);
            if (!e.qualifier.isEmpty())
                sql = quoteName(e.qualifier) + u'.' + sql;
            return Typed{sql, type.value_or(SqlType{}), {}};
        }
        case Expr::Kind::Star:
            return Typed{e.qualifier.isEmpty() ? QStringLiteral("*")
                                               : quoteName(e.qualifier) + QStringLiteral(".*"),
                         {},
                         {}};
        case Expr::Kind::Variable:
            return e.declaredType.known() ? variable(e) : parameter(e);
        case Expr::Kind::Unary: {
            const Typed x = expr(*e.operand, scope);
            const QLatin1StringView written(operatorDef(e.op).sqlite);
            if (e.op == Op::Not)
                return Typed{u'(' + written + u' ' + x.sql + u')', SqlType{Base::Int}, {}};
            if (x.stringLiteral && e.op == Op::Negate) {
                return Typed{QStringLiteral("(-%1)").arg(
                                 helperCall(helper::kStore, x.sql, QStringLiteral("'float'"))),
                             SqlType{Base::Float},
                             {}};
            }
            Typed r{u'(' + written + u' ' + x.sql + u')', x.type, {}};  // "- -1" is no comment
            if (e.op == Op::Negate && wide(x))
                r.sql = QLatin1String(helper::kDecimalNegate) + u'(' + x.sql + u')';
            if (e.op == Op::Negate || e.op == Op::Plus)
                r.constantFigures = x.constantFigures;
            return r;
        }
        case Expr::Kind::Binary:
            return binary(e, scope);
        case Expr::Kind::Function:
            return function(e, scope);
        case Expr::Kind::Case: {
            QString sql = QStringLiteral("CASE");
            Typed operand;
            if (e.operand) {
                operand = expr(*e.operand, scope);
                sql += u' ' + operand.sql + (operand.type.isText() ? collateClause() : QString());
            }
            // The branches first, then the type that holds them all, which each is read as.
            SqlType type;
            std::vector<std::pair<QString, Typed>> branches;
            for (const WhenClause& w : e.whens) {
                Typed when = expr(*w.when, scope);
                if (e.operand)
                    when = coerce(std::move(when), operand.type);
                Typed then = expr(*w.then, scope);
                type = branchType(type, then.type);
                branches.emplace_back(when.sql, std::move(then));
            }
            std::optional<Typed> other;
            if (e.elseValue) {
                other = expr(*e.elseValue, scope);
                type = branchType(type, other->type);
            }
            for (const auto& [when, then] : branches) {
                sql += QStringLiteral(" WHEN ") + when + QStringLiteral(" THEN ") +
                       asBranchOf(then, type).sql;
            }
            if (other)
                sql += QStringLiteral(" ELSE ") + asBranchOf(*other, type).sql;
            return Typed{sql + QStringLiteral(" END"), type, {}};
        }
        case Expr::Kind::Subquery: {
            const SelectOut inner = select(*e.select, &scope);
            return Typed{u'(' + inner.sql + u')',
                         inner.columns.empty() ? SqlType{} : inner.columns.front().type,
                         {}};
        }
        case Expr::Kind::Exists: {
            const SelectOut inner = select(*e.select, &scope);
            return Typed{QStringLiteral("EXISTS (") + inner.sql + u')', SqlType{Base::Int}, {}};
        }
        case Expr::Kind::InList: {
            Typed l = expr(*e.operand, scope);
            std::vector<Typed> list;
            SqlType number;
            for (const ExprPtr& item : e.items) {
                list.push_back(coerce(expr(*item, scope), l.type));
                if (!list.back().stringLiteral && list.back().type.isNumber())
                    number = widerNumber(number, list.back().type);
            }
            l = promoteText(std::move(l), number);
            QStringList items;
            bool text = textual(l);
            for (const Typed& item : list) {
                text = text || (item.stringLiteral.has_value() && !l.type.isNumber());
                items << item.sql;
            }
            return Typed{u'(' + l.sql + (text ? collateClause() : QString()) +
                             (e.negated ? QStringLiteral(" NOT IN (") : QStringLiteral(" IN (")) +
                             items.join(QStringLiteral(", ")) + QStringLiteral("))"),
                         SqlType{Base::Int},
                         {}};
        }
        case Expr::Kind::InSelect: {
            const Typed l = expr(*e.operand, scope);
            const SelectOut inner = select(*e.select, &scope);
            return Typed{u'(' + l.sql + (l.type.isText() ? collateClause() : QString()) +
                             (e.negated ? QStringLiteral(" NOT IN (") : QStringLiteral(" IN (")) +
                             inner.sql + QStringLiteral("))"),
                         SqlType{Base::Int},
                         {}};
        }
        case Expr::Kind::Between: {
            Typed x = expr(*e.operand, scope);
            Typed lo = coerce(expr(*e.low, scope), x.type);
            Typed hi = coerce(expr(*e.high, scope), x.type);
            x = promoteText(std::move(x), lo.stringLiteral ? hi.type : lo.type);
            wideOperands({&x, &lo, &hi}, true);
            const bool text = textual(x) || textual(lo);
            return Typed{
                u'(' + x.sql + (text ? collateClause() : QString()) +
                    (e.negated ? QStringLiteral(" NOT BETWEEN ") : QStringLiteral(" BETWEEN ")) +
                    lo.sql + QStringLiteral(" AND ") + hi.sql + u')',
                SqlType{Base::Int},
                {}};
        }
        case Expr::Kind::IsNull: {
            const Typed x = expr(*e.operand, scope);
            return Typed{
                u'(' + x.sql +
                    (e.negated ? QStringLiteral(" IS NOT NULL)") : QStringLiteral(" IS NULL)")),
                SqlType{Base::Int},
                {}};
        }
        case Expr::Kind::Like: {
            Typed x = expr(*e.operand, scope);
            // A number or a date-time is matched as the text it converts to (1.50, not 1.5).
            if (x.type.isNumber() || x.type.isDateTime())
                x = Typed{converted(x, SqlType::varchar()), SqlType::varchar(), {}};
            const Typed p = expr(*e.pattern, scope);
            QString sql = u'(' + x.sql +
                          (e.negated ? QStringLiteral(" NOT LIKE ") : QStringLiteral(" LIKE ")) +
                          p.sql;
            if (e.escape)
                sql += QStringLiteral(" ESCAPE ") + expr(*e.escape, scope).sql;
            return Typed{sql + u')', SqlType{Base::Int}, {}};
        }
        case Expr::Kind::Cast: {
            const Typed x = expr(*e.operand, scope);
            const QString style = e.style ? expr(*e.style, scope).sql : QString();
            return Typed{converted(x, e.castType, style), e.castType, {}};
        }
    }
    translationError(ado::ServerError::InternalError, {QStringLiteral("unknown expression")});
}

}  // namespace sql
