#include "ado/SqlParser.h"

#include "ado/AdoError.h"
#include "ado/SqlCatalogue.h"
#include "ado/SqlFunctions.h"
#include "ado/SqlNesting.h"
#include "ado/SqlOperators.h"
#include "ado/SqlTokenizer.h"

#include <QHash>
#include <QSet>

namespace sql {

namespace {

constexpr const char* kOperation = "Parse";

// Words that end an expression or a name list: never taken as an alias.
bool isReserved(const Token& t) {
    static const QSet<QString> words = {
        "select",    "from",    "where",    "group",    "order", "having",     "union",  "except",
        "intersect", "inner",   "left",     "right",    "full",  "outer",      "cross",  "join",
        "on",        "as",      "and",      "or",       "not",   "insert",     "update", "delete",
        "create",    "alter",   "drop",     "if",       "else",  "begin",      "end",    "set",
        "values",    "into",    "with",     "truncate", "print", "return",     "exec",   "execute",
        "declare",   "use",     "when",     "then",     "case",  "is",         "null",   "in",
        "like",      "between", "top",      "distinct", "by",    "asc",        "desc",   "collate",
        "option",    "for",     "go",       "exists",   "all",   "escape",     "while",  "break",
        "continue",  "commit",  "rollback", "save",     "tran",  "transaction"};
    return t.kind == Tok::Word && words.contains(t.text.toLower());
}

class Parser {
  public:
    Parser(const QString& text, Batch& batch)
        : m_text(text), m_tokens(tokenize(text)), m_batch(batch) {}

    void parse() {
        while (!at(Tok::End)) {
            if (at(Tok::Semicolon)) {
                ++m_pos;
                continue;
            }
            m_batch.statements.push_back(statement());
        }
    }

  private:
    // ---- token helpers ----
    const Token& peek(int ahead = 0) const {
        const std::size_t i =
            std::min(m_pos + static_cast<std::size_t>(ahead), m_tokens.size() - 1);
        return m_tokens[i];
    }
    bool at(Tok kind) const { return peek().kind == kind; }
    bool atWord(const char* w, int ahead = 0) const { return peek(ahead).is(w); }
    bool accept(const char* w) {
        if (!atWord(w))
            return false;
        ++m_pos;
        return true;
    }
    bool accept(Tok kind) {
        if (!at(kind))
            return false;
        ++m_pos;
        return true;
    }
    bool acceptOp(const char* op) {
        if (!peek().isOp(op))
            return false;
        ++m_pos;
        return true;
    }
    [[noreturn]] void syntaxError() const {
        const Token& t = peek();
        if (t.kind == Tok::End) {
            ado::raise(QStringLiteral("Parse"), ado::ServerError::IncorrectSyntaxAtEnd);
        }
        QString near = t.text;
        if (t.kind == Tok::String)
            near = u'\'' + near + u'\'';
        ado::raise(QStringLiteral("Parse"), ado::ServerError::IncorrectSyntax, {near});
    }
    void expect(const char* w) {
        if (!accept(w))
            syntaxError();
    }
    void expect(Tok kind) {
        if (!accept(kind))
            syntaxError();
    }
    QString name() {
        if (!peek().isName())
            syntaxError();
        return m_tokens[m_pos++].text;
    }
    [[noreturn]] void unsupported(const QString& what) const {
        QString subject = what;
        if (!subject.isEmpty())
            subject[0] = subject[0].toUpper();
        ado::raise(QStringLiteral("Parse"), ado::ServerError::NotSupported, {subject});
    }

    // ---- statements ----
    StmtPtr statement() {
        const NestingGuard level(m_depth, kOperation);
        const int start = peek().pos;
        StmtPtr s = statementBody();
        const int end = m_pos < m_tokens.size() ? peek().pos : static_cast<int>(m_text.size());
        s->source = m_text.mid(start, end - start).trimmed();
        return s;
    }

    // How a statement is read, by the keyword it begins with (that keyword not yet read).
    using StatementReader = void (Parser::*)(Stmt&);
    struct StatementRule {
        const char* keyword;
        StatementReader read;
    };

    StatementReader readerFor(const Token& t) const {
        static const QHash<QString, StatementReader> readers = [] {
            static constexpr StatementRule rules[] = {
                {"select", &Parser::selectStatementOf},
                {"insert", &Parser::insert},
                {"update", &Parser::update},
                {"delete", &Parser::deleteStatement},
                {"truncate", &Parser::truncateStatement},
                {"create", &Parser::createStatement},
                {"alter", &Parser::alterTable},
                {"drop", &Parser::dropStatement},
                {"if", &Parser::ifStatement},
                {"begin", &Parser::beginStatement},
                {"commit", &Parser::endTransaction},
                {"rollback", &Parser::endTransaction},
                {"save", &Parser::saveTransaction},
                {"declare", &Parser::declare},
                {"set", &Parser::setStatement},
                {"while", &Parser::whileStatement},
                {"break", &Parser::leaveLoop},
                {"continue", &Parser::leaveLoop},
                {"print", &Parser::print},
            };
            QHash<QString, StatementReader> byKeyword;
            for (const StatementRule& r : rules)
                byKeyword.insert(QString::fromLatin1(r.keyword), r.read);
            return byKeyword;
        }();
        if (t.kind == Tok::LParen && peek(1).is("select"))
            return &Parser::selectStatementOf;
        if (t.kind != Tok::Word)
            return nullptr;
        return readers.value(t.text.toLower());
    }

    StmtPtr statementBody() {
        auto s = std::make_unique<Stmt>();
        const StatementReader read = readerFor(peek());
        if (read) {
            (this->*read)(*s);
        } else if (at(Tok::End)) {
            syntaxError();
        } else {
            unsupported(QStringLiteral("the statement beginning '%1'").arg(peek().text));
        }
        return s;
    }

    void selectStatementOf(Stmt& s) { s.node = SelectStmt{selectStatement()}; }

    void deleteStatement(Stmt& s) {
        expect("delete");
        if (atWord("top"))
            unsupported(QStringLiteral("DELETE TOP"));
        accept("from");
        DeleteStmt d;
        d.table = objectName();
        if (accept("where"))
            d.where = expr();
        s.node = std::move(d);
    }

    void truncateStatement(Stmt& s) {
        expect("truncate");
        expect("table");
        DeleteStmt d;
        d.truncate = true;
        d.table = objectName();
        s.node = std::move(d);
    }

    void createStatement(Stmt& s) {
        expect("create");
        if (accept("table")) {
            createTable(s);
        } else if (atWord("index") || atWord("unique") || atWord("clustered") ||
                   atWord("nonclustered")) {
            CreateIndexStmt c;
            c.unique = accept("unique");
            if (!accept("clustered"))
                accept("nonclustered");
            expect("index");
            c.index = name();
            expect("on");
            c.table = objectName();
            c.columns = indexColumns();
            if (accept("include"))
                indexColumns();
            skipIndexOptions();
            s.node = std::move(c);
        } else if (accept("view")) {
            createView(s);
        } else if (accept("database")) {
            s.node = CreateDatabaseStmt{name()};
        } else {
            unsupported(QStringLiteral("CREATE %1").arg(peek().text));
        }
    }

    void dropStatement(Stmt& s) {
        expect("drop");
        if (accept("index")) {
            // DROP INDEX table.index or DROP INDEX index ON table
            s.node = DropIndexStmt{objectName().object};
            if (accept("on"))
                objectName();
            return;
        }
        const bool view = accept("view");
        if (!view)
            expect("table");
        bool ifExists = false;
        if (atWord("if") && atWord("exists", 1)) {
            m_pos += 2;
            ifExists = true;
        }
        // DROP TABLE a, b: one drop after the other
        BlockStmt drops;
        do {
            auto one = std::make_unique<Stmt>();
            if (view)
                one->node = DropViewStmt{objectName(), ifExists};
            else
                one->node = DropTableStmt{objectName(), ifExists};
            drops.statements.push_back(std::move(one));
        } while (accept(Tok::Comma));
        if (drops.statements.size() == 1)
            s.node = std::move(drops.statements.front()->node);
        else
            s.node = std::move(drops);
    }

    void ifStatement(Stmt& s) {
        expect("if");
        IfStmt i;
        i.condition = expr();
        i.then = statementSkippingSemicolons();
        while (accept(Tok::Semicolon)) {
        }
        if (accept("else"))
            i.otherwise = statementSkippingSemicolons();
        s.node = std::move(i);
    }

    // BEGIN TRANSACTION, or BEGIN ... END.
    void beginStatement(Stmt& s) {
        expect("begin");
        if (accept("tran") || accept("transaction")) {
            s.node = TransactionStmt{TransactionStmt::Action::Begin};
            transactionName();
            return;
        }
        BlockStmt block;
        while (!atWord("end")) {
            if (at(Tok::End))
                syntaxError();
            if (accept(Tok::Semicolon))
                continue;
            block.statements.push_back(statement());
        }
        ++m_pos;
        s.node = std::move(block);
    }

    void endTransaction(Stmt& s) {
        const bool rollback = accept("rollback");
        if (!rollback)
            expect("commit");
        s.node = TransactionStmt{rollback ? TransactionStmt::Action::Rollback
                                          : TransactionStmt::Action::Commit};
        if (!accept("tran") && !accept("transaction"))
            accept("work");
        transactionName();
    }

    void saveTransaction(Stmt&) {
        if (atWord("tran", 1) || atWord("transaction", 1))
            unsupported(QStringLiteral("SAVE TRANSACTION"));
        unsupported(QStringLiteral("the statement beginning '%1'").arg(peek().text));
    }

    void setStatement(Stmt& s) {
        expect("set");
        if (at(Tok::Variable))
            setVariable(s);
        else
            setOption();
    }

    void whileStatement(Stmt& s) {
        expect("while");
        WhileStmt w;
        w.condition = expr();
        ++m_loops;
        w.body = statementSkippingSemicolons();
        --m_loops;
        s.node = std::move(w);
    }

    void leaveLoop(Stmt& s) {
        const bool leaves = accept("break");
        if (!leaves)
            expect("continue");
        if (m_loops == 0) {
            ado::raise(QStringLiteral("Parse"), ado::ServerError::OutsideWhile,
                       {leaves ? QStringLiteral("BREAK") : QStringLiteral("CONTINUE")});
        }
        if (leaves)
            s.node = BreakStmt{};
        else
            s.node = ContinueStmt{};
    }

    void print(Stmt&) {
        expect("print");
        expr();  // PRINT shows a message; there is nobody to show it to
    }

    // CREATE VIEW name [(columns)] AS select: alone in its batch, as SQL Server wants it.
    void createView(Stmt& s) {
        if (!m_batch.statements.empty() || m_depth > 1) {
            ado::raise(QStringLiteral("Parse"), ado::ServerError::CreateViewNotFirst);
        }
        CreateViewStmt v;
        v.view = objectName();
        if (accept(Tok::LParen)) {
            do {
                v.columns << name();
            } while (accept(Tok::Comma));
            expect(Tok::RParen);
        }
        if (atWord("with"))
            unsupported(QStringLiteral("CREATE VIEW ... WITH %1").arg(peek(1).text.toUpper()));
        expect("as");
        v.select = selectStatement();
        while (accept(Tok::Semicolon)) {
        }
        if (!at(Tok::End))
            syntaxError();
        s.node = std::move(v);
    }

    // The optional name after BEGIN, COMMIT or ROLLBACK TRANSACTION: only the outermost
    // transaction counts, so a name changes nothing.
    void transactionName() {
        if ((peek().isName() && !isReserved(peek())) || at(Tok::Variable))
            ++m_pos;
    }

    StmtPtr statementSkippingSemicolons() {
        while (accept(Tok::Semicolon)) {
        }
        return statement();
    }

    // DECLARE @a type [= value], ...: the variables hold NULL until a value is given; one
    // with a value is set where the DECLARE stands.
    void declare(Stmt& s) {
        expect("declare");
        BlockStmt sets;
        do {
            if (!at(Tok::Variable))
                syntaxError();
            const QString variable = m_tokens[m_pos++].text;
            accept("as");
            if (atWord("table") || atWord("cursor"))
                unsupported(QStringLiteral("DECLARE of %1 variables").arg(peek().text.toUpper()));
            const SqlType type = typeName();
            if (m_variables.contains(variable.toLower())) {
                ado::raise(QStringLiteral("Parse"), ado::ServerError::VariableRedeclared,
                           {variable});
            }
            m_variables.insert(variable.toLower(), type);
            if (acceptOp("=")) {
                auto set = std::make_unique<Stmt>();
                set->node = SetVariableStmt{variable, type, expr()};
                sets.statements.push_back(std::move(set));
            }
        } while (accept(Tok::Comma));
        if (sets.statements.size() == 1)
            s.node = std::move(sets.statements.front()->node);
        else if (!sets.statements.empty())
            s.node = std::move(sets);
    }

    // SET @a = value, and SET @a += value (likewise -, *, /, %).
    void setVariable(Stmt& s) {
        const Token& t = m_tokens[m_pos++];
        SetVariableStmt target;
        target.variable = t.text;
        target.type = declaredType(t.text);
        // An arithmetic operator written before the = (+=, -=, *=, /=, %=).
        const OperatorDef* compound = nullptr;
        if (at(Tok::Op) && peek(1).isOp("=")) {
            compound = findOperator(peek().text, false);
            if (!compound || compound->kind != OpClass::Arithmetic)
                syntaxError();
            ++m_pos;
        }
        if (!acceptOp("="))
            syntaxError();
        target.value = expr();
        if (compound) {
            auto current = make(Expr::Kind::Variable, target.variable);
            current->declaredType = target.type;
            target.value = binary(compound->op, std::move(current), std::move(target.value));
        }
        s.node = std::move(target);
    }

    SqlType declaredType(const QString& variable) const {
        if (variable.startsWith(u"@@")) {
            // The session's values that the engine keeps (the others are refused).
            const QString v = variable.toLower();
            if (v == u"@@rowcount" || v == u"@@trancount" || v == u"@@error")
                return SqlType{SqlType::Base::Int};
            if (v == u"@@identity")
                return SqlType{SqlType::Base::Numeric, 0, 38, 0};
            unsupported(variable.toUpper());
        }
        const auto it = m_variables.constFind(variable.toLower());
        if (it == m_variables.cend()) {
            ado::raise(QStringLiteral("Parse"), ado::ServerError::UndeclaredVariable, {variable});
        }
        return *it;
    }

    void setOption() {
        static const QSet<QString> options = {
            "nocount",       "ansi_nulls",        "quoted_identifier",       "ansi_padding",
            "ansi_warnings", "arithabort",        "concat_null_yields_null", "numeric_roundabort",
            "xact_abort",    "ansi_null_dflt_on", "implicit_transactions"};
        if (!peek().isName() || !options.contains(peek().text.toLower())) {
            unsupported(QStringLiteral("SET %1").arg(peek().text));
        }
        ++m_pos;
        if (!accept("on") && !accept("off"))
            syntaxError();
    }

    ObjectName objectName() {
        // name, schema.name, db.schema.name, db..name
        QStringList parts;
        parts << name();
        while (at(Tok::Dot)) {
            ++m_pos;
            if (at(Tok::Dot)) {
                parts << QString();
                continue;
            }
            parts << name();
        }
        if (parts.size() > 3)
            syntaxError();
        ObjectName n;
        n.object = parts.takeLast();
        if (!parts.isEmpty())
            n.schema = parts.takeLast();
        if (!parts.isEmpty())
            n.database = parts.takeLast();
        if (!n.database.isEmpty() && !m_batch.databases.contains(n.database, Qt::CaseInsensitive)) {
            m_batch.databases << n.database;
        }
        if (readsDatabaseList(n))
            m_batch.usesDatabaseList = true;
        return n;
    }

    void insert(Stmt& s) {
        expect("insert");
        InsertStmt ins;
        if (atWord("top"))
            unsupported(QStringLiteral("INSERT TOP"));
        accept("into");
        ins.table = objectName();
        if (atWord("output"))
            unsupported(QStringLiteral("OUTPUT"));
        if (at(Tok::LParen) && !peek(1).is("select")) {
            ++m_pos;
            do {
                ins.columns << name();
            } while (accept(Tok::Comma));
            expect(Tok::RParen);
        }
        if (atWord("output"))
            unsupported(QStringLiteral("OUTPUT"));
        if (atWord("default") && atWord("values", 1)) {
            if (!ins.columns.isEmpty())
                syntaxError();
            m_pos += 2;  // no VALUES rows and no SELECT: every column takes its default
        } else if (accept("values")) {
            do {
                expect(Tok::LParen);
                std::vector<ExprPtr> row;
                do {
                    if (atWord("default"))
                        unsupported(QStringLiteral("DEFAULT in VALUES"));
                    row.push_back(expr());
                } while (accept(Tok::Comma));
                expect(Tok::RParen);
                ins.rows.push_back(std::move(row));
            } while (accept(Tok::Comma));
        } else if (atWord("select") || at(Tok::LParen)) {
            ins.select = selectStatement();
        } else {
            syntaxError();
        }
        s.node = std::move(ins);
    }

    void update(Stmt& s) {
        expect("update");
        UpdateStmt u;
        if (atWord("top"))
            unsupported(QStringLiteral("UPDATE TOP"));
        u.table = objectName();
        expect("set");
        do {
            QString column = name();
            while (accept(Tok::Dot))
                column = name();  // alias.column
            if (!acceptOp("="))
                syntaxError();
            u.sets.push_back(Assignment{column, expr()});
        } while (accept(Tok::Comma));
        if (accept("from"))
            u.from = fromList();
        if (accept("where"))
            u.where = expr();
        s.node = std::move(u);
    }

    // A type as declared; `converting` for CAST and CONVERT, where text types without a length
    // hold 30 characters instead of 1.
    SqlType typeName(bool converting = false) {
        const QString base = name();
        for (const char* lacking : {"datetimeoffset", "varbinary", "binary", "image"}) {
            if (base.compare(QLatin1String(lacking), Qt::CaseInsensitive) == 0)
                unsupported(QStringLiteral("the %1 type").arg(QLatin1String(lacking)));
        }
        if (base.compare(u"double", Qt::CaseInsensitive) == 0)
            expect("precision");
        int a1 = -2;
        int a2 = -2;
        if (accept(Tok::LParen)) {
            if (accept("max")) {
                a1 = -1;
            } else {
                if (!at(Tok::Number))
                    syntaxError();
                a1 = m_tokens[m_pos++].text.toInt();
                if (accept(Tok::Comma)) {
                    if (!at(Tok::Number))
                        syntaxError();
                    a2 = m_tokens[m_pos++].text.toInt();
                }
            }
            expect(Tok::RParen);
        }
        auto t = SqlType::fromName(base, a1, a2);
        if (t && converting && a1 == -2 &&
            (t->base == SqlType::Base::Char || t->base == SqlType::Base::VarChar) &&
            base.compare(u"sysname", Qt::CaseInsensitive) != 0) {
            t->length = 30;
        }
        if (!t) {
            ado::raise(QStringLiteral("Parse"), ado::ServerError::UnknownType, {base});
        }
        return *t;
    }

    void skipIndexOptions() {
        if (accept("with")) {
            expect(Tok::LParen);
            int depth = 1;
            while (depth > 0) {
                if (at(Tok::End))
                    syntaxError();
                if (at(Tok::LParen))
                    ++depth;
                if (at(Tok::RParen))
                    --depth;
                ++m_pos;
            }
        }
        if (accept("on")) {
            name();  // filegroup
            if (accept(Tok::LParen)) {
                name();
                expect(Tok::RParen);
            }
        }
    }

    QStringList indexColumns() {
        QStringList cols;
        expect(Tok::LParen);
        do {
            cols << name();
            if (!accept("asc"))
                accept("desc");
        } while (accept(Tok::Comma));
        expect(Tok::RParen);
        return cols;
    }

    // An optionally signed whole number, as IDENTITY's seed.
    std::int64_t signedWholeNumber() {
        const bool negative = acceptOp("-");
        if (!negative)
            acceptOp("+");
        if (!at(Tok::Number))
            syntaxError();
        bool ok = false;
        const QString digits = m_tokens[m_pos].text;
        const std::int64_t n = (negative ? u'-' + digits : digits).toLongLong(&ok);
        if (!ok)
            syntaxError();
        ++m_pos;
        return n;
    }

    ColumnDef columnDefinition() {
        ColumnDef c;
        c.name = name();
        c.type = typeName();
        for (;;) {
            QString constraint;
            if (accept("constraint"))
                constraint = name();
            if (accept("identity")) {
                c.identity = true;
                if (accept(Tok::LParen)) {
                    c.identitySeed = signedWholeNumber();
                    if (c.identitySeed < 1)
                        unsupported(QStringLiteral("an IDENTITY seed below 1"));
                    expect(Tok::Comma);
                    if (!at(Tok::Number) || m_tokens[m_pos].text != u"1") {
                        unsupported(QStringLiteral("an IDENTITY increment other than 1"));
                    }
                    ++m_pos;
                    expect(Tok::RParen);
                }
            } else if (accept("null")) {
                c.nullable = true;
            } else if (atWord("not") && atWord("null", 1)) {
                m_pos += 2;
                c.nullable = false;
            } else if (accept("default")) {
                c.defaultValue = expr();
            } else if (accept("primary")) {
                expect("key");
                if (!accept("clustered"))
                    accept("nonclustered");
                c.primaryKey = true;
                c.constraintName = constraint;
            } else if (accept("unique")) {
                if (!accept("clustered"))
                    accept("nonclustered");
                c.unique = true;
            } else if (accept("collate")) {
                name();  // text always compares as SQL Server's default collation does
            } else if (!constraint.isEmpty()) {
                syntaxError();
            } else {
                break;
            }
        }
        return c;
    }

    // A table constraint after CONSTRAINT name, or an unnamed one; false when none follows.
    bool tableConstraint(TableConstraints& c) {
        QString constraint;
        const std::size_t mark = m_pos;
        if (accept("constraint"))
            constraint = name();
        if (accept("primary")) {
            expect("key");
            if (!accept("clustered"))
                accept("nonclustered");
            c.primaryKeyName = constraint;
            c.primaryKey = indexColumns();
            skipIndexOptions();
            return true;
        }
        if (accept("unique")) {
            if (!accept("clustered"))
                accept("nonclustered");
            c.uniques.push_back(indexColumns());
            skipIndexOptions();
            return true;
        }
        if (atWord("foreign") || atWord("check")) {
            unsupported(QStringLiteral("%1 constraints").arg(peek().text.toUpper()));
        }
        m_pos = mark;
        return false;
    }

    void createTable(Stmt& s) {
        CreateTableStmt c;
        c.table = objectName();
        expect(Tok::LParen);
        do {
            if (at(Tok::RParen))
                break;  // a trailing comma
            if (!tableConstraint(c.constraints))
                c.columns.push_back(columnDefinition());
        } while (accept(Tok::Comma));
        expect(Tok::RParen);
        while (atWord("on") || atWord("textimage_on")) {
            ++m_pos;
            name();
        }
        s.node = std::move(c);
    }

    void alterTable(Stmt& s) {
        expect("alter");
        expect("table");
        const ObjectName table = objectName();
        if (accept("add")) {
            AlterAddStmt add{table, {}};
            TableConstraints constraints;
            do {
                accept("column");
                if (!tableConstraint(constraints))
                    add.columns.push_back(columnDefinition());
            } while (accept(Tok::Comma));
            if (!constraints.primaryKey.isEmpty() || !constraints.uniques.empty()) {
                unsupported(QStringLiteral("adding constraints to an existing table"));
            }
            s.node = std::move(add);
        } else if (accept("drop")) {
            if (atWord("constraint"))
                unsupported(QStringLiteral("ALTER TABLE DROP CONSTRAINT"));
            accept("column");
            AlterDropStmt drop{table, {}};
            do {
                drop.columns << name();
            } while (accept(Tok::Comma));
            s.node = std::move(drop);
        } else {
            unsupported(QStringLiteral("ALTER TABLE %1").arg(peek().text));
        }
    }

    // ---- SELECT ----
    SelectPtr selectStatement() {
        const NestingGuard level(m_depth, kOperation);
        SelectPtr first = selectCore();
        Select* last = first.get();
        for (;;) {
            QString op;
            if (accept("union")) {
                op = accept("all") ? QStringLiteral("UNION ALL") : QStringLiteral("UNION");
            } else if (accept("except")) {
                op = QStringLiteral("EXCEPT");
            } else if (accept("intersect")) {
                op = QStringLiteral("INTERSECT");
            } else {
                break;
            }
            last->compoundOp = op;
            last->compound = selectCore();
            last = last->compound.get();
        }
        if (atWord("order") && atWord("by", 1)) {
            m_pos += 2;
            do {
                OrderItem item;
                item.expr = expr();
                if (accept("desc")) {
                    item.descending = true;
                } else {
                    accept("asc");
                }
                first->orderBy.push_back(std::move(item));
            } while (accept(Tok::Comma));
        }
        return first;
    }

    SelectPtr selectCore() {
        if (accept(Tok::LParen)) {
            SelectPtr inner = selectStatement();
            expect(Tok::RParen);
            return inner;
        }
        expect("select");
        auto s = std::make_unique<Select>();
        if (accept("distinct")) {
            s->distinct = true;
        } else {
            accept("all");
        }
        if (accept("top")) {
            if (accept(Tok::LParen)) {
                s->top = expr();
                expect(Tok::RParen);
            } else {
                if (!at(Tok::Number))
                    syntaxError();
                s->top = primary();
            }
            if (accept("percent"))
                s->topPercent = true;
            if (atWord("with") && atWord("ties", 1))
                unsupported(QStringLiteral("TOP ... WITH TIES"));
        }
        do {
            SelectItem item;
            if (at(Tok::Variable) && peek(1).isOp("="))
                unsupported(QStringLiteral("SELECT that assigns variables"));
            // T-SQL's "alias = expression" and "'alias' = expression"
            if (peek().isName() && peek(1).isOp("=") && !isReserved(peek())) {
                item.alias = name();
                ++m_pos;
            } else if (at(Tok::String) && peek(1).isOp("=")) {
                item.alias = m_tokens[m_pos++].text;
                ++m_pos;
            }
            item.expr = expr();
            if (accept("as")) {
                if (at(Tok::String)) {
                    item.alias = m_tokens[m_pos++].text;
                } else {
                    item.alias = name();
                }
            } else if ((peek().isName() && !isReserved(peek())) || at(Tok::String)) {
                item.alias = m_tokens[m_pos++].text;
            }
            s->items.push_back(std::move(item));
        } while (accept(Tok::Comma));
        if (accept("into"))
            unsupported(QStringLiteral("SELECT ... INTO"));
        if (accept("from"))
            s->from = fromList();
        if (accept("where"))
            s->where = expr();
        if (atWord("group") && atWord("by", 1)) {
            m_pos += 2;
            do {
                s->groupBy.push_back(expr());
            } while (accept(Tok::Comma));
        }
        if (accept("having"))
            s->having = expr();
        return s;
    }

    std::vector<TableRef> fromList() {
        std::vector<TableRef> refs;
        refs.push_back(tableRef(TableRef::Join::First));
        for (;;) {
            TableRef::Join join;
            if (accept(Tok::Comma)) {
                join = TableRef::Join::Comma;
            } else if (accept("join")) {
                join = TableRef::Join::Inner;
            } else if (accept("inner")) {
                expect("join");
                join = TableRef::Join::Inner;
            } else if (atWord("left") || atWord("right") || atWord("full")) {
                join = atWord("left")    ? TableRef::Join::Left
                       : atWord("right") ? TableRef::Join::Right
                                         : TableRef::Join::Full;
                ++m_pos;
                accept("outer");
                expect("join");
            } else if (accept("cross")) {
                expect("join");
                join = TableRef::Join::Cross;
            } else {
                break;
            }
            TableRef ref = tableRef(join);
            if (join != TableRef::Join::Comma && join != TableRef::Join::Cross) {
                expect("on");
                ref.on = expr();
            }
            refs.push_back(std::move(ref));
        }
        return refs;
    }

    TableRef tableRef(TableRef::Join join) {
        TableRef ref;
        ref.join = join;
        if (accept(Tok::LParen)) {
            ref.derived = selectStatement();
            expect(Tok::RParen);
        } else {
            ref.name = objectName();
        }
        if (accept("as")) {
            ref.alias = name();
        } else if (peek().isName() && !isReserved(peek())) {
            ref.alias = name();
        }
        if (atWord("with") && peek(1).kind == Tok::LParen) {  // table hints such as NOLOCK
            m_pos += 2;
            while (!accept(Tok::RParen)) {
                if (at(Tok::End))
                    syntaxError();
                ++m_pos;
            }
        }
        if (ref.derived && ref.alias.isEmpty())
            syntaxError();
        return ref;
    }

    // ---- expressions ----
    static ExprPtr make(Expr::Kind kind, QString text = {}) {
        auto e = std::make_unique<Expr>();
        e->kind = kind;
        e->text = std::move(text);
        return e;
    }
    static ExprPtr binary(Op op, ExprPtr l, ExprPtr r) {
        auto e = make(Expr::Kind::Binary);
        e->op = op;
        e->left = std::move(l);
        e->right = std::move(r);
        return e;
    }

    ExprPtr expr() {
        const NestingGuard level(m_depth, kOperation);
        return orExpr();
    }

    // The binary operator of the table at that level where the next token is one.
    const OperatorDef* binaryOperatorAt(int level) const {
        const Token& t = peek();
        if (t.kind != Tok::Op && t.kind != Tok::Word)
            return nullptr;
        const OperatorDef* d = findOperator(t.text, false);
        return d && d->precedence == level ? d : nullptr;
    }

    // Operands of the next level joined by the operators of this one, from left to right.
    ExprPtr binaryLevel(int level) {
        ExprPtr e = operandOf(level);
        while (const OperatorDef* d = binaryOperatorAt(level)) {
            ++m_pos;
            e = binary(d->op, std::move(e), operandOf(level));
        }
        return e;
    }
    ExprPtr operandOf(int level) {
        switch (level + 1) {
            case kAndLevel:
                return binaryLevel(kAndLevel);
            case kNotLevel:
                return notExpr();
            case kMultiplicativeLevel:
                return binaryLevel(kMultiplicativeLevel);
            default:
                return unary();
        }
    }

    ExprPtr orExpr() { return binaryLevel(kOrLevel); }
    ExprPtr notExpr() {
        if (accept("not")) {
            const NestingGuard level(m_depth, kOperation);
            auto e = make(Expr::Kind::Unary);
            e->op = Op::Not;
            e->operand = notExpr();
            return e;
        }
        return comparison();
    }
    ExprPtr additive() { return binaryLevel(kAdditiveLevel); }
    ExprPtr comparison() {
        ExprPtr left = additive();
        for (;;) {
            if (const OperatorDef* d = binaryOperatorAt(kComparisonLevel)) {
                ++m_pos;
                left = binary(d->op, std::move(left), additive());
                continue;
            }
            if (accept("is")) {
                auto e = make(Expr::Kind::IsNull);
                e->negated = accept("not");
                expect("null");
                e->operand = std::move(left);
                left = std::move(e);
                continue;
            }
            const bool negated =
                atWord("not") && (atWord("in", 1) || atWord("between", 1) || atWord("like", 1));
            if (negated)
                ++m_pos;
            if (accept("in")) {
                expect(Tok::LParen);
                ExprPtr e;
                if (atWord("select")) {
                    e = make(Expr::Kind::InSelect);
                    e->operand = std::move(left);
                    e->select = selectStatement();
                } else {
                    e = make(Expr::Kind::InList);
                    e->operand = std::move(left);
                    do {
                        e->items.push_back(expr());
                    } while (accept(Tok::Comma));
                }
                expect(Tok::RParen);
                e->negated = negated;
                left = std::move(e);
            } else if (accept("between")) {
                auto e = make(Expr::Kind::Between);
                e->negated = negated;
                e->operand = std::move(left);
                e->low = additive();
                expect("and");
                e->high = additive();
                left = std::move(e);
            } else if (accept("like")) {
                auto e = make(Expr::Kind::Like);
                e->negated = negated;
                e->operand = std::move(left);
                e->pattern = additive();
                if (accept("escape"))
                    e->escape = additive();
                left = std::move(e);
            } else {
                if (negated)
                    syntaxError();
                return left;
            }
        }
    }
    ExprPtr unary() {
        const Token& t = peek();
        const OperatorDef* d = t.kind == Tok::Op ? findOperator(t.text, true) : nullptr;
        if (d) {
            ++m_pos;
            if (d->op == Op::Negate && at(Tok::Number)) {  // a negative literal stays a literal
                ExprPtr n = primary();
                n->text.prepend(u'-');
                return n;
            }
            const NestingGuard level(m_depth, kOperation);
            auto e = make(Expr::Kind::Unary);
            e->op = d->op;
            e->operand = unary();
            return e;
        }
        return primary();
    }

    ExprPtr primary() {
        const Token t = peek();
        switch (t.kind) {
            case Tok::Number:
                ++m_pos;
                // 0x41: a binary literal, which the engine has no type for
                if (t.text == u"0" && at(Tok::Word) && peek().pos == t.pos + 1 &&
                    peek().text.startsWith(u'x', Qt::CaseInsensitive))
                    unsupported(QStringLiteral("A binary literal (0x...)"));
                return make(Expr::Kind::Number, t.text);
            case Tok::String: {
                ++m_pos;
                ExprPtr e = make(Expr::Kind::String, t.text);
                e->national = t.national;
                return e;
            }
            case Tok::Variable: {
                ++m_pos;
                // Variables declared in the batch and the session's @@ values have a type here;
                // any other @name is a parameter of the caller, and the markers ? are the
                // positional parameters "?1", "?2", ... in order.
                if (t.text.startsWith(u"@@") || m_variables.contains(t.text.toLower())) {
                    auto e = make(Expr::Kind::Variable, t.text);
                    e->declaredType = declaredType(t.text);
                    return e;
                }
                m_batch.variables << (t.text == u"?" ? QStringLiteral("?%1").arg(++m_markers)
                                                     : t.text);
                return make(Expr::Kind::Variable, m_batch.variables.back());
            }
            case Tok::LParen: {
                ++m_pos;
                if (atWord("select")) {
                    auto e = make(Expr::Kind::Subquery);
                    e->select = selectStatement();
                    expect(Tok::RParen);
                    return e;
                }
                ExprPtr inner = expr();
                expect(Tok::RParen);
                return inner;
            }
            case Tok::Op:
                if (t.text == u"*") {
                    ++m_pos;
                    return make(Expr::Kind::Star);
                }
                syntaxError();
            case Tok::Word:
            case Tok::QuotedId:
                return namedPrimary();
            default:
                syntaxError();
        }
    }

    ExprPtr namedPrimary() {
        const Token t = peek();
        if (t.kind == Tok::Word) {
            if (t.is("null")) {
                ++m_pos;
                return make(Expr::Kind::Null);
            }
            if (t.is("case")) {
                ++m_pos;
                return caseExpr();
            }
            if (t.is("exists")) {
                ++m_pos;
                expect(Tok::LParen);
                auto e = make(Expr::Kind::Exists);
                e->select = selectStatement();
                expect(Tok::RParen);
                return e;
            }
            if (t.is("cast") && peek(1).kind == Tok::LParen) {
                m_pos += 2;
                auto e = make(Expr::Kind::Cast);
                e->operand = expr();
                expect("as");
                e->castType = typeName(true);
                expect(Tok::RParen);
                return e;
            }
            if (t.is("convert") && peek(1).kind == Tok::LParen) {
                m_pos += 2;
                auto e = make(Expr::Kind::Cast);
                e->castType = typeName(true);
                expect(Tok::Comma);
                e->operand = expr();
                if (accept(Tok::Comma))
                    e->style = expr();
                expect(Tok::RParen);
                return e;
            }
            if (t.is("current_timestamp")) {
                ++m_pos;
                return make(Expr::Kind::Function, QStringLiteral("getdate"));
            }
            // LEFT and RIGHT are join words, and functions when a call follows.
            if (isReserved(t) && !(peek(1).kind == Tok::LParen && findFunction(t.text.toLower())))
                syntaxError();
        }
        // name, a.b, a.b.c, a.*, function(...)
        QStringList parts;
        parts << name();
        while (at(Tok::Dot)) {
            ++m_pos;
            if (peek().isOp("*")) {
                ++m_pos;
                auto e = make(Expr::Kind::Star);
                e->qualifier = parts.last();
                return e;
            }
            parts << name();
        }
        if (at(Tok::LParen)) {
            ++m_pos;
            auto e = make(Expr::Kind::Function, parts.last().toLower());
            if (!accept(Tok::RParen)) {
                if (accept("distinct"))
                    e->distinct = true;
                else if (isAggregateName(e->text))
                    accept("all");  // COUNT(ALL x): every value, the default
                do {
                    if (peek().isOp("*")) {
                        ++m_pos;
                        e->args.push_back(make(Expr::Kind::Star));
                    } else if (e->args.empty() && isDatePartFunction(e->text) &&
                               peek().kind == Tok::Word && (peek(1).kind == Tok::Comma)) {
                        e->args.push_back(
                            make(Expr::Kind::String, m_tokens[m_pos++].text.toLower()));
                    } else {
                        e->args.push_back(expr());
                    }
                } while (accept(Tok::Comma));
                expect(Tok::RParen);
            }
            if (atWord("over"))
                unsupported(QStringLiteral("OVER (window functions)"));
            if (e->text == u"choose")
                return caseOfChoice(std::move(e));
            if (e->text == u"scope_identity" && e->args.empty()) {
                e = make(Expr::Kind::Variable, QStringLiteral("@@identity"));
                e->declaredType = declaredType(e->text);
            }
            return e;
        }
        auto e = make(Expr::Kind::Column, parts.last());
        if (parts.size() > 1)
            e->qualifier = parts[parts.size() - 2];
        return e;
    }

    // CHOOSE(n, a, b, ...) is the CASE expression that SQL Server makes of it, and so takes
    // CASE's type.
    static ExprPtr caseOfChoice(ExprPtr f) {
        const std::size_t count = f->args.size();
        if (count < 2) {
            ado::raise(QStringLiteral("Parse"), ado::ServerError::ArgumentCount,
                       {f->text, QStringLiteral("2")});
        }
        auto e = make(Expr::Kind::Case);
        e->operand = std::move(f->args[0]);
        for (std::size_t i = 1; i < count; ++i)
            e->whens.push_back(
                WhenClause{make(Expr::Kind::Number, QString::number(i)), std::move(f->args[i])});
        return e;
    }

    static bool isDatePartFunction(const QString& f) {
        const FunctionDef* def = findFunction(f);
        return def && def->datePartArgument;
    }

    static bool isAggregateName(const QString& f) {
        const FunctionDef* def = findFunction(f);
        return def && (def->emit == Emit::Count || def->emit == Emit::Aggregate);
    }

    ExprPtr caseExpr() {
        auto e = make(Expr::Kind::Case);
        if (!atWord("when"))
            e->operand = expr();
        while (accept("when")) {
            WhenClause w;
            w.when = expr();
            expect("then");
            w.then = expr();
            e->whens.push_back(std::move(w));
        }
        if (accept("else"))
            e->elseValue = expr();
        expect("end");
        return e;
    }

    const QString& m_text;
    std::vector<Token> m_tokens;
    std::size_t m_pos = 0;
    Batch& m_batch;
    int m_depth = 0;                      // of nested statements, queries and expressions
    int m_markers = 0;                    // ? read so far
    QHash<QString, SqlType> m_variables;  // declared so far in the batch, by lower-case name
    int m_loops = 0;                      // WHILE bodies being read
};

}  // namespace

Batch parseBatch(const QString& text) {
    Batch batch;
    Parser(text, batch).parse();
    return batch;
}

}  // namespace sql
