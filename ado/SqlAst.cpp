#include "ado/SqlAst.h"

namespace sql {

// Operators written one after another (a OR b OR c ...) make a tree as deep as the chain is
// long; the default destructors would recurse once per operator. Children are taken apart
// here from a list instead, so that each destructor only meets leaves.
Expr::~Expr() {
    std::vector<ExprPtr> pending;
    auto takeInner = [&pending](std::vector<ExprPtr>& from) {
        for (ExprPtr& child : from) {
            if (child && !child->args.empty())
                pending.push_back(std::move(child));
        }
    };
    takeInner(args);
    while (!pending.empty()) {
        ExprPtr next = std::move(pending.back());
        pending.pop_back();
        takeInner(next->args);
    }
}

Select::~Select() {
    SelectPtr next = std::move(compound);
    while (next) {
        SelectPtr after = std::move(next->compound);
        next = std::move(after);
    }
}

}  // namespace sql
