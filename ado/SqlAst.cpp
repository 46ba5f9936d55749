#include "ado/SqlAst.h"

namespace sql {

bool Expr::hasChildren() const {
    return left || right || operand || low || high || pattern || escape || style || elseValue ||
           !whens.empty() || !args.empty() || !items.empty();
}

void Expr::takeChildren(std::vector<ExprPtr>& out) {
    auto take = [&out](ExprPtr& child) {
        if (child && child->hasChildren())
            out.push_back(std::move(child));
    };
    for (ExprPtr* child :
         {&left, &right, &operand, &low, &high, &pattern, &escape, &style, &elseValue})
        take(*child);
    for (WhenClause& w : whens) {
        take(w.when);
        take(w.then);
    }
    for (ExprPtr& a : args)
        take(a);
    for (ExprPtr& i : items)
        take(i);
}

// Operators written one after another (a OR b OR c ...) make a tree as deep as the chain is
// long; the default destructors would recurse once per operator. Children are taken apart
// here from a list instead, so that each destructor only meets leaves.
Expr::~Expr() {
    if (!hasChildren())
        return;
    std::vector<ExprPtr> pending;
    takeChildren(pending);
    while (!pending.empty()) {
        ExprPtr next = std::move(pending.back());
        pending.pop_back();
        next->takeChildren(pending);
    }
}

const ObjectName* tableOf(const Stmt& s) {
    return std::visit(
        [](const auto& node) -> const ObjectName* {
            if constexpr (requires { node.table; })
                return &node.table;
            else
                return nullptr;
        },
        s.node);
}

Select::~Select() {
    SelectPtr next = std::move(compound);
    while (next) {
        SelectPtr after = std::move(next->compound);
        next = std::move(after);
    }
}

}  // namespace sql
