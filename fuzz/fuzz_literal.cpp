// The literal helper: whatever the text, the literal is one string token that reads back as
// the same text, and nothing after it is swallowed or let out. A text the helper refuses (one
// with a NUL) is refused with ado::Error, never rendered.
#include "ado/AdoError.h"
#include "ado/SqlLiteral.h"
#include "ado/SqlTokenizer.h"
#include "fuzz/FuzzTarget.h"

#include <QString>

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString text =
        QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    if (!CabeEnLiteral(text)) {
        bool refused = false;
        try {
            SqlLiteral(text);
        } catch (const ado::Error&) {
            refused = true;
        }
        FUZZ_CHECK(refused);
        return 0;
    }
    const QString literal = SqlLiteral(text);
    const auto tokens = sql::tokenize(QStringLiteral("select ") + literal +
                                      QStringLiteral(" where x = ") + literal);
    FUZZ_CHECK(tokens.size() == 7);
    FUZZ_CHECK(tokens[0].is("select"));
    FUZZ_CHECK(tokens[1].kind == sql::Tok::String && tokens[1].text == text);
    FUZZ_CHECK(tokens[2].is("where"));
    FUZZ_CHECK(tokens[4].isOp("="));
    FUZZ_CHECK(tokens[5].kind == sql::Tok::String && tokens[5].text == text);
    FUZZ_CHECK(tokens[6].kind == sql::Tok::End);
    return 0;
}
