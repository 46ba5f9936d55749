#pragma once

#include "ado/SqlEmitter.h"

namespace sql {

// SQL Server's binding rules for the clauses around aggregates, checked on one member of a
// query before it is written: SQLite would answer a grouped query that names a column outside
// its groups with the value of some row of the group, where SQL Server refuses the query.
//
// - WHERE holds no aggregate of the query's own columns (147); GROUP BY holds no aggregate or
//   subquery (144); an aggregate's argument holds neither (130).
// - A grouped query (GROUP BY, HAVING, or an aggregate in the select list or ORDER BY) names a
//   column of its own FROM list in its select list (8120), HAVING (8121) or ORDER BY (8127)
//   only inside an aggregate or within an expression equal to one of GROUP BY. Constants,
//   variables and the columns of an enclosing query (outer references) are one value a group.
// - ORDER BY of a SELECT DISTINCT (145) or of a UNION (104) names what the select list holds:
//   one of its expressions, aliases or positions (108 beyond the last).
//
// Subqueries are checked by their own members; the outer columns that a subquery in a grouped
// select list names are not checked against the outer query's groups.
class GroupingCheck {
  public:
    // `scope.sources` are the sources of `s.from`, one each and in its order.
    GroupingCheck(const Select& s, const Scope& scope) : m_select(s), m_scope(scope) {}

    void checkClauses() const;
    // ORDER BY, which belongs to the whole query; `compound`: it has UNION members.
    void checkOrderBy(bool compound) const;

  private:
    enum : int { kOuter = -1, kUnknown = -2 };
    int sourceOf(const Expr& column, QString* name = nullptr) const;
    bool same(const Expr& a, const Expr& b) const;
    bool grouped() const;
    bool inGroupBy(const Expr& e) const;
    bool inSelectList(const Expr& e) const;
    void requireGrouped(const Expr& e, ado::ServerError error) const;
    void requireGroupedStar(const Expr& star) const;
    [[noreturn]] void columnError(ado::ServerError error, int source, const QString& name) const;

    const Select& m_select;
    const Scope& m_scope;
};

}  // namespace sql
