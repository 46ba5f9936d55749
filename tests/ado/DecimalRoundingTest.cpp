// Decimals rounded by ROUND and by conversion to a narrower numeric, checked on generated
// values against the same rounding done in whole numbers: half away from zero, on the value
// as it is written (2.675 rounds to 2.68 although its double lies below).
#include "tests/support/EmbeddedDb.h"

#include <cstdint>
#include <random>

namespace {

std::int64_t PowerOfTen(int n) {
    std::int64_t p = 1;
    while (n-- > 0)
        p *= 10;
    return p;
}

int Digits(std::int64_t n) {
    int d = 1;
    while (n >= 10) {
        n /= 10;
        ++d;
    }
    return d;
}

// `units` hundredths (for scale 2) written with `scale` decimals: -1234 at 2 is "-12.34".
QString Decimal(std::int64_t units, int scale) {
    const std::int64_t magnitude = units < 0 ? -units : units;
    QString text = QString::number(magnitude / PowerOfTen(scale));
    if (scale > 0) {
        text += QLatin1Char('.') +
                QString::number(magnitude % PowerOfTen(scale)).rightJustified(scale, u'0');
    }
    return units < 0 && magnitude != 0 ? QLatin1Char('-') + text : text;
}

// Half away from zero at `places` of a value of `scale` decimals, in units of `places`.
std::int64_t Rounded(std::int64_t units, int scale, int places) {
    const std::int64_t step = PowerOfTen(scale - places);
    const std::int64_t magnitude = units < 0 ? -units : units;
    const std::int64_t r = (magnitude + step / 2) / step;
    return units < 0 ? -r : r;
}

class DecimalRoundingTest : public EmbeddedDbTest {};

}  // namespace

TEST_F(DecimalRoundingTest, GeneratedDecimalsRoundAsTheirWrittenFigures) {
    std::mt19937_64 random(20261208);
    std::uniform_int_distribution<std::int64_t> magnitude(0, 999'999'999'999);
    std::uniform_int_distribution<int> scaleOf(1, 4);
    const QString overflow =
        QStringLiteral("Arithmetic overflow error converting expression to data type numeric.");
    for (int i = 0; i < 3000; ++i) {
        const int scale = scaleOf(random);
        const int places = std::uniform_int_distribution<int>(0, scale - 1)(random);
        std::int64_t units = magnitude(random) % PowerOfTen(3 + i % 10);
        // A third of the values sit on a half at the rounding place: 2.675 at two places.
        if (i % 3 == 0) {
            const std::int64_t step = PowerOfTen(scale - places);
            units = units / step * step + step / 2;
        }
        if (i % 2 == 1)
            units = -units;
        const QString literal = Decimal(units, scale);
        const std::int64_t r = Rounded(units, scale, places);

        // CAST to a numeric of `places` decimals gives the rounded value.
        const QString cast =
            QStringLiteral("select cast(%1 as numeric(18,%2))").arg(literal).arg(places);
        EXPECT_EQ(scalar(cast).toText().toStdString(), Decimal(r, places).toStdString())
            << cast.toStdString();

        // ROUND keeps the literal's type: its scale, and its precision, which a carry into a
        // new figure overflows.
        const QString round = QStringLiteral("select round(%1, %2)").arg(literal).arg(places);
        const std::int64_t keptScale = r * PowerOfTen(scale - places);
        const std::int64_t written = units < 0 ? -units : units;
        const int precision = std::max(Digits(written), scale);
        if (Digits(keptScale < 0 ? -keptScale : keptScale) > precision)
            EXPECT_EQ(error(round).toStdString(), overflow.toStdString()) << round.toStdString();
        else
            EXPECT_EQ(scalar(round).toText().toStdString(), Decimal(keptScale, scale).toStdString())
                << round.toStdString();
    }
}
