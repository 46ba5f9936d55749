#include "ado/SqlEmitter.h"

#include "ado/SqlCatalogue.h"
#include "ado/SqlDecimals.h"
#include "ado/SqlFunctions.h"
#include "ado/SqlGrouping.h"
#include "ado/SqlNesting.h"

#include <algorithm>

// Queries and the statements that change rows.
namespace sql {

namespace {

using Base = SqlType::Base;

// The value as stored in a column of that type, converted as SQL Server converts it from its
// type `from` (unknown: read from the value).
QString store(const QString& sql, const SqlType& type, const SqlType& from = {}) {
    return QLatin1String(helper::kStore) + u'(' + sql + QStringLiteral(", '") + type.name() +
           u'\'' + sourceArgument(from, type) + u')';
}

// A UNION member whose date-time columns are of another form than the result's, read through
// a derived table that converts them. Its columns are named by a first member that gives no
// row (SQLite names a compound's columns after its first member); the union's first member
// keeps its names for ORDER BY. Other members as they are.
QString memberAsResult(const QString& member, const std::vector<ColumnInfo>& own,
                       const std::vector<ColumnInfo>& result, bool first) {
    QStringList names;
    QStringList items;
    bool converts = false;
    for (std::size_t i = 0; i < own.size(); ++i) {
        const QString name = quoteName(QStringLiteral("__u%1").arg(i + 1));
        const Typed column = asBranchOf(Typed{name, own[i].type, {}}, result[i].type);
        converts = converts || column.sql != name;
        names << QStringLiteral("NULL AS ") + name;
        items << column.sql + QStringLiteral(" AS ") +
                     (first && !result[i].name.isEmpty() ? quoteName(result[i].name) : name);
    }
    if (!converts)
        return member;
    return QStringLiteral("SELECT %1 FROM (SELECT %2 WHERE 0 UNION ALL %3)")
        .arg(items.join(QStringLiteral(", ")), names.join(QStringLiteral(", ")), member);
}

}  // namespace

void Emitter::emit(const SelectStmt& s, Translation& t) {
    const SelectOut out = select(*s.select, nullptr);
    t.statements << out.sql;
    if (out.complete) {
        for (const ColumnInfo& c : out.columns) {
            t.resultTypes.push_back(c.type);
            t.resultNames << c.name;
        }
    }
}

void Emitter::emit(const InsertStmt& s, Translation& t) {
    const TableInfo info = requireTable(s.table);
    std::vector<const ColumnInfo*> targets;
    if (s.columns.isEmpty()) {
        for (const ColumnInfo& c : info.columns) {
            if (!c.identity)
                targets.push_back(&c);
        }
    } else {
        for (const QString& name : s.columns) {
            const ColumnInfo* c = info.column(name);
            if (!c)
                translationError(ado::ServerError::InvalidColumnName, {name});
            if (c->identity) {
                translationError(ado::ServerError::IdentityInsert, {info.name});
            }
            targets.push_back(c);
        }
    }
    QStringList names;
    for (const ColumnInfo* c : targets)
        names << quoteName(c->name);
    QString sql = QStringLiteral("INSERT INTO ") + tableName(s.table) + QStringLiteral(" (") +
                  names.join(QStringLiteral(", ")) + QStringLiteral(") ");
    const ado::ServerError mismatch = s.columns.isEmpty() ? ado::ServerError::InsertValueCount
                                                          : ado::ServerError::InsertColumnCount;
    if (s.select) {
        const SelectOut inner = select(*s.select, nullptr, true);
        if (!inner.complete) {
            sql += inner.sql;  // a star of an unknown source: SQLite checks the count
        } else {
            if (inner.columns.size() != targets.size())
                translationError(mismatch);
            QStringList values;
            for (std::size_t i = 0; i < targets.size(); ++i) {
                values << store(quoteName(QStringLiteral("__c%1").arg(i + 1)), targets[i]->type,
                                inner.columns[i].type);
            }
            bool hasStar = false;
            for (const SelectItem& item : s.select->items)
                hasStar = hasStar || item.expr->kind == Expr::Kind::Star;
            if (hasStar) {
                sql += inner.sql;
            } else {
                sql += QStringLiteral("SELECT ") + values.join(QStringLiteral(", ")) +
                       QStringLiteral(" FROM (") + inner.sql + u')';
            }
        }
        t.statements << sql;
        return;
    }
    if (s.rows.empty()) {  // DEFAULT VALUES
        t.statements << QStringLiteral("INSERT INTO ") + tableName(s.table) +
                            QStringLiteral(" DEFAULT VALUES");
        return;
    }
    // Each value as store() writes it; the end of the call, with the column's type, is the same
    // in every row.
    const QString call = QLatin1String(helper::kStore) + u'(';
    std::vector<QString> typeEnds;
    for (const ColumnInfo* c : targets)
        typeEnds.push_back(QStringLiteral(", '") + c->type.name() + QStringLiteral("')"));
    sql += QStringLiteral("VALUES ");
    // Written and bound once: room for every row's text and literals from the start.
    sql.reserve(sql.size() + qsizetype(s.rows.size() * targets.size()) * (call.size() + 24));
    m_literals.reserve(m_literals.size() + s.rows.size() * targets.size());
    Scope scope;
    for (std::size_t r = 0; r < s.rows.size(); ++r) {
        const auto& row = s.rows[r];
        if (row.size() != targets.size())
            translationError(mismatch);
        sql += r == 0 ? QStringLiteral("(") : QStringLiteral(", (");
        for (std::size_t i = 0; i < row.size(); ++i) {
            if (i > 0)
                sql += QStringLiteral(", ");
            sql += call + boundLiteral(*row[i], scope) + typeEnds[i];
        }
        sql += u')';
    }
    t.statements << sql;
}

// UPDATE t SET ... [FROM ...] [WHERE ...]. As in T-SQL, the target may be named by an entry of
// the FROM list (UPDATE a SET ... FROM t a INNER JOIN u ON ...); the other entries and every ON
// condition then join the WHERE clause.
void Emitter::emit(const UpdateStmt& s, Translation& t) {
    const TableRef* self = nullptr;
    for (const TableRef& ref : s.from) {
        if (ref.derived)
            continue;
        const QString alias = ref.alias.isEmpty() ? ref.name.object : ref.alias;
        if (alias.compare(s.table.object, Qt::CaseInsensitive) == 0)
            self = &ref;
    }
    // Named by its table while the FROM list holds it under an alias: the target is that
    // reference when it is the only one of the table.
    if (!self) {
        for (const TableRef& ref : s.from) {
            if (ref.derived || ref.name.object.compare(s.table.object, Qt::CaseInsensitive) != 0)
                continue;
            if (self)
                translationError(ado::ServerError::AmbiguousTable, {s.table.object});
            self = &ref;
        }
    }
    const ObjectName target = self ? self->name : s.table;
    const QString alias = self && !self->alias.isEmpty() ? self->alias : target.object;
    const TableInfo info = requireTable(target);
    Scope scope;
    scope.sources.push_back(Source{alias, info.columns, true});
    QStringList others;
    for (const TableRef& ref : s.from) {
        if (ref.join == TableRef::Join::Left || ref.join == TableRef::Join::Right ||
            ref.join == TableRef::Join::Full) {
            translationError(ado::ServerError::OuterJoinUpdate);
        }
        if (&ref != self)
            others << tableRef(ref, scope);
    }
    QStringList conditions;
    for (const TableRef& ref : s.from) {
        if (ref.on)
            conditions << expr(*ref.on, scope).sql;
    }
    if (s.where)
        conditions << expr(*s.where, scope).sql;
    QStringList sets;
    for (const auto& [name, value] : s.sets) {
        const ColumnInfo* c = info.column(name);
        if (!c)
            translationError(ado::ServerError::InvalidColumnName, {name});
        if (c->identity)
            translationError(ado::ServerError::IdentityUpdate, {c->name});
        const Typed v = expr(*value, scope);
        sets << quoteName(c->name) + QStringLiteral(" = ") + store(v.sql, c->type, v.type);
    }
    QString sql = QStringLiteral("UPDATE ") + tableName(target);
    if (alias.compare(target.object, Qt::CaseInsensitive) != 0)
        sql += QStringLiteral(" AS ") + quoteName(alias);
    sql += QStringLiteral(" SET ") + sets.join(QStringLiteral(", "));
    if (!others.isEmpty())
        sql += QStringLiteral(" FROM ") + others.join(QStringLiteral(", "));
    if (!conditions.isEmpty())
        sql += QStringLiteral(" WHERE ") + conditions.join(QStringLiteral(" AND "));
    t.statements << sql;
}

void Emitter::emit(const DeleteStmt& s, Translation& t) {
    Scope scope;
    const TableInfo info = requireTable(s.table);
    scope.sources.push_back(Source{info.name, info.columns, true});
    QString sql = QStringLiteral("DELETE FROM ") + tableName(s.table);
    if (s.where)
        sql += QStringLiteral(" WHERE ") + expr(*s.where, scope).sql;
    t.statements << sql;
    const bool identity = std::any_of(info.columns.begin(), info.columns.end(),
                                      [](const ColumnInfo& c) { return c.identity; });
    if (s.truncate && identity) {
        // The numbering restarts at the seed, which a table seeded other than 1 keeps in its
        // definition.
        const QString schema = quoteName(m_schema.schemaFor(s.table.database));
        t.statements << QStringLiteral("DELETE FROM ") + schema +
                            QStringLiteral(".sqlite_sequence WHERE name = ") +
                            quoteText(info.name) + QStringLiteral(" COLLATE NOCASE");
        const QString mark = quoteText(QStringLiteral("/*") + kIdentitySeedMark);
        t.statements << QStringLiteral(
                            "INSERT INTO %1.sqlite_sequence (name, seq) SELECT name, "
                            "CAST(substr(sql, instr(sql, %2) + %3) AS INTEGER) - 1 "
                            "FROM %1.sqlite_master WHERE type = 'table' AND name = "
                            "%4 COLLATE NOCASE AND instr(sql, %2) > 0")
                            .arg(schema, mark)
                            .arg(kIdentitySeedMark.size() + 2)
                            .arg(quoteText(info.name));
    }
}

QString Emitter::tableRef(const TableRef& ref, Scope& scope) {
    if (ref.derived) {
        const SelectOut inner = select(*ref.derived, scope.outer);
        scope.sources.push_back(Source{ref.alias, inner.columns, inner.complete});
        return u'(' + inner.sql + QStringLiteral(") AS ") + quoteName(ref.alias);
    }
    const QString alias = ref.alias.isEmpty() ? ref.name.object : ref.alias;
    if (isCatalogView(ref.name) && !m_schema.table(ref.name.database, ref.name.object)) {
        const SelectOut view = catalogueView(ref.name, m_schema.schemaFor(ref.name.database),
                                             m_schema.currentDatabase());
        scope.sources.push_back(Source{alias, view.columns, true});
        return u'(' + view.sql + QStringLiteral(") AS ") + quoteName(alias);
    }
    const auto info = m_schema.table(ref.name.database, ref.name.object);
    if (!info)
        translationError(ado::ServerError::InvalidObjectName, {ref.name.object});
    scope.sources.push_back(Source{alias, info->columns, true});
    QString sql = tableName(ref.name);
    if (!ref.alias.isEmpty())
        sql += QStringLiteral(" AS ") + quoteName(ref.alias);
    return sql;
}

// One member of a query: SELECT ... FROM ... WHERE ... GROUP BY ... HAVING ...; its result
// columns go to `out`.
QString Emitter::selectCore(const Select& s, Scope& scope, SelectOut& out, bool forceAliases) {
    QString from;
    for (const TableRef& ref : s.from) {
        switch (ref.join) {
            case TableRef::Join::First:
                break;
            case TableRef::Join::Comma:
                from += QStringLiteral(", ");
                break;
            case TableRef::Join::Inner:
                from += QStringLiteral(" INNER JOIN ");
                break;
            case TableRef::Join::Left:
                from += QStringLiteral(" LEFT JOIN ");
                break;
            case TableRef::Join::Right:
                from += QStringLiteral(" RIGHT JOIN ");
                break;
            case TableRef::Join::Full:
                from += QStringLiteral(" FULL JOIN ");
                break;
            case TableRef::Join::Cross:
                from += QStringLiteral(" CROSS JOIN ");
                break;
        }
        from += tableRef(ref, scope);
        if (ref.on)
            from += QStringLiteral(" ON ") + expr(*ref.on, scope).sql;
    }
    GroupingCheck(s, scope).checkClauses();

    QStringList items;
    int n = 0;
    const int aggregatesBefore = m_aggregates;
    for (const SelectItem& item : s.items) {
        ++n;
        if (item.expr->kind == Expr::Kind::Star) {
            const QString& q = item.expr->qualifier;
            items << (q.isEmpty() ? QStringLiteral("*") : quoteName(q) + QStringLiteral(".*"));
            bool matched = false;
            for (const Source& src : scope.sources) {
                if (!q.isEmpty() && src.alias.compare(q, Qt::CaseInsensitive) != 0)
                    continue;
                matched = true;
                if (!src.known)
                    out.complete = false;
                out.columns.insert(out.columns.end(), src.columns.begin(), src.columns.end());
            }
            if (!matched)
                out.complete = false;
            continue;
        }
        const Typed t = expr(*item.expr, scope);
        QString name = item.alias;
        if (name.isEmpty() && item.expr->kind == Expr::Kind::Column)
            name = item.expr->text;
        QString sql = t.sql;
        if (forceAliases) {
            sql += QStringLiteral(" AS ") + quoteName(QStringLiteral("__c%1").arg(n));
        } else if (!item.alias.isEmpty()) {
            sql += QStringLiteral(" AS ") + quoteName(item.alias);
        }
        items << sql;
        out.columns.push_back(ColumnInfo{name, t.type});
    }

    QString sql = QStringLiteral("SELECT ");
    if (s.distinct)
        sql += QStringLiteral("DISTINCT ");
    sql += items.join(QStringLiteral(", "));
    // HAVING without GROUP BY makes the whole table one group, also when the select list holds
    // no aggregate (SQLite would refuse such a query): its items are read from that one
    // group's row, kept or not by the HAVING clause.
    if (s.having && s.groupBy.empty() && m_aggregates == aggregatesBefore) {
        QString group = QStringLiteral("SELECT count(*) AS __g");
        if (!from.isEmpty())
            group += QStringLiteral(" FROM ") + from;
        if (s.where)
            group += QStringLiteral(" WHERE ") + expr(*s.where, scope).sql;
        group += QStringLiteral(" HAVING ") + expr(*s.having, scope).sql;
        return sql + QStringLiteral(" FROM (") + group + u')';
    }
    if (!from.isEmpty())
        sql += QStringLiteral(" FROM ") + from;
    if (s.where)
        sql += QStringLiteral(" WHERE ") + expr(*s.where, scope).sql;
    if (!s.groupBy.empty()) {
        QStringList g;
        for (const ExprPtr& e : s.groupBy)
            g << expr(*e, scope).sql;
        sql += QStringLiteral(" GROUP BY ") + g.join(QStringLiteral(", "));
    }
    if (s.having)
        sql += QStringLiteral(" HAVING ") + expr(*s.having, scope).sql;
    return sql;
}

namespace {
// SQLite takes at most 500 members in one compound select; the server takes far more.
constexpr std::size_t kMembersPerCompound = 400;
}  // namespace

// The members joined by their operators. A longer chain is cut into parts of at most
// kMembersPerCompound members, each one a derived table: side by side when one operator joins
// them all (UNION ALL, or UNION, give the same rows in any grouping), otherwise each part
// becomes the first member of the next, so the operators still apply from left to right.
QString Emitter::compound(const std::vector<QString>& members,
                          const std::vector<QString>& operators) {
    const auto joined = [&](std::size_t from, std::size_t to) {
        QString sql = members[from];
        for (std::size_t i = from + 1; i < to; ++i)
            sql += u' ' + operators[i - 1] + u' ' + members[i];
        return sql;
    };
    if (members.size() <= kMembersPerCompound)
        return joined(0, members.size());
    const bool oneOperator =
        std::all_of(operators.begin(), operators.end(),
                    [&](const QString& op) { return op == operators.front(); }) &&
        (operators.front() == u"UNION ALL" || operators.front() == u"UNION");
    if (oneOperator && members.size() <= kMembersPerCompound * kMembersPerCompound) {
        QStringList parts;
        for (std::size_t from = 0; from < members.size(); from += kMembersPerCompound)
            parts << QStringLiteral("SELECT * FROM (") +
                         joined(from, std::min(members.size(), from + kMembersPerCompound)) + u')';
        return parts.join(u' ' + operators.front() + u' ');
    }
    QString sql = joined(0, kMembersPerCompound);
    for (std::size_t from = kMembersPerCompound; from < members.size();
         from += kMembersPerCompound - 1) {
        const std::size_t to = std::min(members.size(), from + kMembersPerCompound - 1);
        sql = QStringLiteral("SELECT * FROM (") + sql + u')';
        for (std::size_t i = from; i < to; ++i)
            sql += u' ' + operators[i - 1] + u' ' + members[i];
    }
    return sql;
}

SelectOut Emitter::select(const Select& s, const Scope* outer, bool forceAliases) {
    const NestingGuard level(m_depth, kOperation);
    SelectOut out;
    Scope scope;
    scope.outer = outer;
    QString sql = selectCore(s, scope, out, forceAliases);
    // The members of a UNION follow one another: a loop, however long the chain.
    std::vector<QString> members{sql};
    std::vector<std::vector<ColumnInfo>> memberColumns{out.columns};
    bool allKnown = out.complete;
    std::vector<QString> operators;
    for (const Select* member = &s; member->compound; member = member->compound.get()) {
        if (member->top || member->compound->top)
            translationError(ado::ServerError::NotSupported, {QStringLiteral("TOP with UNION")});
        Scope memberScope;
        memberScope.outer = outer;
        SelectOut memberOut;
        operators.push_back(member->compoundOp);
        members.push_back(selectCore(*member->compound, memberScope, memberOut, false));
        // A result column holds the values of every member.
        for (std::size_t i = 0; i < out.columns.size() && i < memberOut.columns.size(); ++i)
            out.columns[i].type = branchType(out.columns[i].type, memberOut.columns[i].type);
        allKnown = allKnown && memberOut.complete && memberOut.columns.size() == out.columns.size();
        memberColumns.push_back(std::move(memberOut.columns));
    }
    if (allKnown && members.size() > 1) {
        for (std::size_t m = 0; m < members.size(); ++m)
            members[m] = memberAsResult(members[m], memberColumns[m], out.columns, m == 0);
    }
    sql = compound(members, operators);
    if (!s.orderBy.empty()) {
        GroupingCheck(s, scope).checkOrderBy(!operators.empty());
        QStringList o;
        bool keyed = false;
        for (const OrderItem& item : s.orderBy) {
            // A name of the select list orders by that result column.
            const Expr& e = *item.expr;
            Typed term;
            if (e.kind == Expr::Kind::Column && e.qualifier.isEmpty() &&
                !resolve(scope, QString(), e.text)) {
                term.sql = quoteName(e.text);
                for (const ColumnInfo& c : out.columns) {
                    if (c.name.compare(e.text, Qt::CaseInsensitive) == 0) {
                        term.type = c.type;
                        break;
                    }
                }
            } else if (e.kind == Expr::Kind::Number && e.text.toInt() >= 1 &&
                       e.text.toInt() <= static_cast<int>(out.columns.size()) &&
                       !out.columns[e.text.toInt() - 1].name.isEmpty()) {
                // A position of the select list: that column, by its name.
                const ColumnInfo& c = out.columns[e.text.toInt() - 1];
                term = holdsWideValues(c.type) ? Typed{quoteName(c.name), c.type, {}}
                                               : Typed{e.text, {}, {}};
            } else {
                term = expr(e, scope);
            }
            // Decimals that may be BLOBs are ordered by their keys.
            if (holdsWideValues(term.type)) {
                term.sql = orderingKey(term);
                keyed = true;
            }
            o << term.sql + (item.descending ? QStringLiteral(" DESC") : QString());
        }
        // SQLite orders a compound by its result columns alone, not by expressions of them.
        if (keyed && members.size() > 1)
            sql = QStringLiteral("SELECT * FROM (") + sql + u')';
        sql += QStringLiteral(" ORDER BY ") + o.join(QStringLiteral(", "));
    }
    if (s.top && s.topPercent) {
        // TOP n PERCENT: n hundredths of the rows, rounded up, counted by the query itself.
        if (s.top->kind == Expr::Kind::Number) {
            bool ok = false;
            const double percent = s.top->text.toDouble(&ok);
            if (!ok || percent < 0 || percent > 100)
                translationError(ado::ServerError::PercentRange);
        }
        sql += QStringLiteral(
                   " LIMIT (SELECT CAST(__v AS INTEGER) + (__v > CAST(__v AS INTEGER)) FROM "
                   "(SELECT count(*) * (%1) / 100.0 AS __v FROM (%2)))")
                   .arg(expr(*s.top, scope).sql, compound(members, operators));
    } else if (s.top) {
        sql += QStringLiteral(" LIMIT ") + expr(*s.top, scope).sql;
    }
    out.sql = sql;
    return out;
}

// SET @a = value: a query of the value converted to the variable's type, which the engine
// keeps for the statements that name @a (bound as SQLite's parameter $a).
void Emitter::emit(const SetVariableStmt& s, Translation& t) {
    Scope scope;
    const Typed value = expr(*s.value, scope);
    t.statements << QStringLiteral("SELECT ") + QLatin1String(helper::kConvert) + u'(' + value.sql +
                        QStringLiteral(", ") + quoteText(s.type.name()) + u')';
}

}  // namespace sql
