#pragma once

#include "ado/AdoError.h"

// How deeply expressions, queries and statements may nest inside one another. A deeper
// statement gets SQL Server's error 191 instead of exhausting the stack of the code that reads
// it; the parser and the translator count alike. Operators written one after another
// (a OR b OR ..., a + b + ..., ... UNION ...) do not nest and have no such limit.
namespace sql {

inline constexpr int kMaxNesting = 256;

// One level of nesting, counted in `depth` while the guard lives.
class NestingGuard {
  public:
    NestingGuard(int& depth, const char* operation) : m_depth(depth) {
        if (m_depth >= kMaxNesting) {
            ado::raise(QString::fromLatin1(operation), ado::ServerError::NestedTooDeeply);
        }
        ++m_depth;
    }
    ~NestingGuard() { --m_depth; }
    NestingGuard(const NestingGuard&) = delete;
    NestingGuard& operator=(const NestingGuard&) = delete;

  private:
    int& m_depth;
};

}  // namespace sql
