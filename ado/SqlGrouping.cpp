#include "ado/SqlGrouping.h"

#include "ado/SqlFunctions.h"

#include <algorithm>
#include <utility>

namespace sql {

namespace {

using Kind = Expr::Kind;

// The sub-expressions of a node in a fixed order, an absent one as nullptr, so that two nodes
// of one kind line up child by child.
std::vector<const Expr*> childrenOf(const Expr& e) {
    std::vector<const Expr*> out;
    for (const ExprPtr* p : {&e.left, &e.right, &e.operand, &e.low, &e.high, &e.pattern, &e.escape,
                             &e.style, &e.elseValue}) {
        out.push_back(p->get());
    }
    for (const WhenClause& w : e.whens) {
        out.push_back(w.when.get());
        out.push_back(w.then.get());
    }
    for (const ExprPtr& a : e.args)
        out.push_back(a.get());
    for (const ExprPtr& a : e.items)
        out.push_back(a.get());
    return out;
}

bool isAggregate(const Expr& e) {
    if (e.kind != Kind::Function)
        return false;
    const FunctionDef* def = findFunction(e.text);
    return def && (def->emit == Emit::Count || def->emit == Emit::Aggregate);
}

// A query of its own: what it names is bound, and checked, there.
bool isQuery(const Expr& e) {
    return e.kind == Kind::Subquery || e.kind == Kind::Exists || e.kind == Kind::InSelect;
}

// Every node of `root` that belongs to this query (not to a subquery), visited without
// recursion; `visit` returns whether to go into the node's children.
template <typename Visit>
void walk(const Expr& root, Visit&& visit) {
    std::vector<const Expr*> todo{&root};
    while (!todo.empty()) {
        const Expr* e = todo.back();
        todo.pop_back();
        if (!visit(*e))
            continue;
        if (e->kind == Kind::InSelect) {
            todo.push_back(e->operand.get());
            continue;
        }
        if (e->kind == Kind::Subquery || e->kind == Kind::Exists)
            continue;
        for (const Expr* c : childrenOf(*e)) {
            if (c)
                todo.push_back(c);
        }
    }
}

// The aggregates of this query in `root`, outermost ones only.
template <typename Visit>
void forEachAggregate(const Expr& root, Visit&& visit) {
    walk(root, [&](const Expr& e) {
        if (!isAggregate(e))
            return true;
        visit(e);
        return false;
    });
}

bool holdsAggregate(const Expr& root) {
    bool found = false;
    forEachAggregate(root, [&](const Expr&) { found = true; });
    return found;
}

// An aggregate or a subquery anywhere in `root`, `root` itself left out.
bool holdsAggregateOrQuery(const Expr& root) {
    bool found = false;
    walk(root, [&](const Expr& e) {
        if (&e != &root && (isAggregate(e) || isQuery(e)))
            found = true;
        return !found;
    });
    return found;
}

bool isPosition(const Expr& e) {
    return e.kind == Kind::Number && !e.text.isEmpty() &&
           std::all_of(e.text.begin(), e.text.end(), [](QChar c) { return c.isDigit(); });
}

}  // namespace

int GroupingCheck::sourceOf(const Expr& column, QString* name) const {
    bool unknown = false;
    const std::vector<Source>& sources = m_scope.sources;
    for (std::size_t i = 0; i < sources.size(); ++i) {
        const Source& src = sources[i];
        if (!column.qualifier.isEmpty() &&
            src.alias.compare(column.qualifier, Qt::CaseInsensitive) != 0)
            continue;
        if (!src.known) {
            unknown = true;
            continue;
        }
        for (const ColumnInfo& c : src.columns) {
            if (c.name.compare(column.text, Qt::CaseInsensitive) == 0) {
                if (name)
                    *name = c.name;
                return static_cast<int>(i);
            }
        }
    }
    return unknown ? kUnknown : kOuter;
}

// The same expression of the same columns: `t.a + 1` is `a+1` where `a` is t's.
bool GroupingCheck::same(const Expr& a, const Expr& b) const {
    std::vector<std::pair<const Expr*, const Expr*>> todo{{&a, &b}};
    while (!todo.empty()) {
        const auto [x, y] = todo.back();
        todo.pop_back();
        if (!x || !y) {
            if (x != y)
                return false;
            continue;
        }
        if (x->kind != y->kind || x->negated != y->negated)
            return false;
        switch (x->kind) {
            case Kind::Column: {
                QString nx, ny;
                const int sx = sourceOf(*x, &nx);
                const int sy = sourceOf(*y, &ny);
                if (sx >= 0 || sy >= 0) {
                    if (sx != sy || nx.compare(ny, Qt::CaseInsensitive) != 0)
                        return false;
                } else if (sx == kUnknown || sy == kUnknown ||
                           x->qualifier.compare(y->qualifier, Qt::CaseInsensitive) != 0 ||
                           x->text.compare(y->text, Qt::CaseInsensitive) != 0) {
                    return false;
                }
                continue;
            }
            case Kind::Subquery:
            case Kind::Exists:
            case Kind::InSelect:
                return false;
            case Kind::Star:
            case Kind::Variable:
                if (x->qualifier.compare(y->qualifier, Qt::CaseInsensitive) != 0 ||
                    x->text.compare(y->text, Qt::CaseInsensitive) != 0)
                    return false;
                continue;
            case Kind::Cast:
                if (x->castType.name() != y->castType.name())
                    return false;
                break;
            case Kind::Unary:
            case Kind::Binary:
                if (x->op != y->op)
                    return false;
                break;
            default:
                if (x->text != y->text || x->national != y->national || x->distinct != y->distinct)
                    return false;
                break;
        }
        const std::vector<const Expr*> cx = childrenOf(*x);
        const std::vector<const Expr*> cy = childrenOf(*y);
        if (cx.size() != cy.size())
            return false;
        for (std::size_t i = 0; i < cx.size(); ++i)
            todo.emplace_back(cx[i], cy[i]);
    }
    return true;
}

bool GroupingCheck::inGroupBy(const Expr& e) const {
    return std::any_of(m_select.groupBy.begin(), m_select.groupBy.end(),
                       [&](const ExprPtr& g) { return same(*g, e); });
}

bool GroupingCheck::grouped() const {
    if (!m_select.groupBy.empty() || m_select.having)
        return true;
    for (const SelectItem& item : m_select.items) {
        if (holdsAggregate(*item.expr))
            return true;
    }
    // The ORDER BY of a UNION orders its result, not this member.
    if (m_select.compound)
        return false;
    return std::any_of(m_select.orderBy.begin(), m_select.orderBy.end(),
                       [](const OrderItem& o) { return holdsAggregate(*o.expr); });
}

void GroupingCheck::columnError(ado::ServerError error, int source, const QString& name) const {
    QString table = m_scope.sources[std::size_t(source)].alias;
    if (std::size_t(source) < m_select.from.size()) {
        // The table as the FROM list writes it, not its alias: 'dbo.t.c' for dbo.t AS x.
        const TableRef& ref = m_select.from[std::size_t(source)];
        if (!ref.derived) {
            QStringList parts;
            for (const QString& p : {ref.name.database, ref.name.schema, ref.name.object}) {
                if (!p.isEmpty())
                    parts << p;
            }
            table = parts.join(u'.');
        }
    }
    translationError(error, {table + u'.' + name});
}

// Every column of this query's own sources in `root` stands in an aggregate or in an
// expression of GROUP BY.
void GroupingCheck::requireGrouped(const Expr& root, ado::ServerError error) const {
    walk(root, [&](const Expr& e) {
        if (isAggregate(e) || inGroupBy(e))
            return false;
        if (e.kind == Kind::Column) {
            QString name;
            const int source = sourceOf(e, &name);
            if (source >= 0)
                columnError(error, source, name);
            return false;
        }
        return true;
    });
}

// SELECT * of a grouped query: every column it stands for is grouped.
void GroupingCheck::requireGroupedStar(const Expr& star) const {
    for (std::size_t i = 0; i < m_scope.sources.size(); ++i) {
        const Source& src = m_scope.sources[i];
        if (!star.qualifier.isEmpty() &&
            src.alias.compare(star.qualifier, Qt::CaseInsensitive) != 0)
            continue;
        for (const ColumnInfo& c : src.columns) {
            Expr column(Kind::Column, c.name);
            column.qualifier = src.alias;
            if (!inGroupBy(column))
                columnError(ado::ServerError::NotInGroupBy, int(i), c.name);
        }
    }
}

void GroupingCheck::checkClauses() const {
    using ado::ServerError;
    if (m_select.where) {
        // An aggregate of outer columns alone is the enclosing query's, one value here.
        forEachAggregate(*m_select.where, [&](const Expr& aggregate) {
            bool outerOnly = false;
            walk(aggregate, [&](const Expr& e) {
                if (e.kind == Kind::Star || (e.kind == Kind::Column && sourceOf(e) != kOuter))
                    translationError(ServerError::AggregateInWhere);
                outerOnly = outerOnly || e.kind == Kind::Column;
                return true;
            });
            if (!outerOnly)
                translationError(ServerError::AggregateInWhere);
        });
    }
    for (const ExprPtr& g : m_select.groupBy) {
        if (isAggregate(*g) || isQuery(*g) || holdsAggregateOrQuery(*g))
            translationError(ServerError::AggregateInGroupBy);
    }
    const auto noNesting = [](const Expr& root) {
        forEachAggregate(root, [](const Expr& aggregate) {
            if (holdsAggregateOrQuery(aggregate))
                translationError(ServerError::AggregateOfAggregate);
        });
    };
    for (const SelectItem& item : m_select.items)
        noNesting(*item.expr);
    if (m_select.having)
        noNesting(*m_select.having);
    if (!grouped())
        return;
    for (const SelectItem& item : m_select.items) {
        if (item.expr->kind == Kind::Star)
            requireGroupedStar(*item.expr);
        else
            requireGrouped(*item.expr, ServerError::NotInGroupBy);
    }
    if (m_select.having)
        requireGrouped(*m_select.having, ServerError::HavingNotInGroupBy);
}

bool GroupingCheck::inSelectList(const Expr& e) const {
    for (const SelectItem& item : m_select.items) {
        const Expr& x = *item.expr;
        if (x.kind != Kind::Star) {
            if (same(x, e))
                return true;
            continue;
        }
        if (e.kind != Kind::Column)
            continue;
        const int source = sourceOf(e);
        if (source == kUnknown)
            return true;
        if (source >= 0 &&
            (x.qualifier.isEmpty() || m_scope.sources[std::size_t(source)].alias.compare(
                                          x.qualifier, Qt::CaseInsensitive) == 0))
            return true;
    }
    return false;
}

void GroupingCheck::checkOrderBy(bool compound) const {
    using ado::ServerError;
    const std::vector<SelectItem>& items = m_select.items;
    const bool star = std::any_of(items.begin(), items.end(),
                                  [](const SelectItem& i) { return i.expr->kind == Kind::Star; });
    const bool isGrouped = !compound && grouped();
    for (const OrderItem& o : m_select.orderBy) {
        const Expr& e = *o.expr;
        if (isPosition(e)) {
            bool ok = false;
            const qlonglong n = e.text.toLongLong(&ok);
            if (!star && (!ok || n < 1 || n > qlonglong(items.size())))
                translationError(ServerError::OrderByPosition, {e.text});
            continue;
        }
        const bool alias = e.kind == Kind::Column && e.qualifier.isEmpty() &&
                           std::any_of(items.begin(), items.end(), [&](const SelectItem& i) {
                               return i.alias.compare(e.text, Qt::CaseInsensitive) == 0;
                           });
        if (alias)
            continue;
        if (compound || m_select.distinct) {
            if (!inSelectList(e)) {
                translationError(compound ? ServerError::OrderByNotInUnion
                                          : ServerError::OrderByNotDistinct);
            }
            continue;
        }
        forEachAggregate(e, [](const Expr& aggregate) {
            if (holdsAggregateOrQuery(aggregate))
                translationError(ServerError::AggregateOfAggregate);
        });
        if (isGrouped)
            requireGrouped(e, ServerError::OrderByNotInGroupBy);
    }
}

}  // namespace sql
