#include "calc/errors.h"
#include "calc/number.h"

#include <QTest>

#include <bit>
#include <cfloat>
#include <cstdint>
#include <string>

// Replies as typed into the prompts, and the number each one stands for.
class NumberTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void leadingNumber_data();
    void leadingNumber();
    void beyondDoubleRange_data();
    void beyondDoubleRange();
};

void NumberTest::leadingNumber_data()
{
    QTest::addColumn<QByteArray>("reply"); // UTF-8
    QTest::addColumn<double>("expected");

    const QByteArray zeros400(400, '0');

    QTest::newRow("empty") << QByteArray("") << 0.0;
    QTest::newRow("no number") << QByteArray("abc") << 0.0;
    QTest::newRow("number then text") << QByteArray("12abc") << 12.0;
    QTest::newRow("lone point") << QByteArray(".") << 0.0;
    QTest::newRow("lone minus") << QByteArray("-") << 0.0;
    QTest::newRow("lone plus") << QByteArray("+") << 0.0;
    QTest::newRow("lone e") << QByteArray("e") << 0.0;
    QTest::newRow("control character first") << QByteArray("\x01") + "5" << 0.0;
    QTest::newRow("control character after") << QByteArray("5\x01") + "6" << 5.0;
    QTest::newRow("NUL inside") << QByteArray("3\0", 2) + "4" << 3.0;
    QTest::newRow("right-to-left mark first") << QByteArray("\u200F5") << 0.0;
    QTest::newRow("right-to-left override after") << QByteArray("-5\u202E1") << -5.0;
    QTest::newRow("emoji first") << QByteArray("\U0001F600") + "5" << 0.0;
    QTest::newRow("emoji after") << QByteArray("7\U0001F600") << 7.0;
    QTest::newRow("encoded surrogate") << QByteArray("\xED\xA0\x80") + "5" << 0.0;
    QTest::newRow("surrogate after") << QByteArray("8\xED\xB0\x80") << 8.0;
    QTest::newRow("no integer digits") << QByteArray("-.5") << -0.5;
    QTest::newRow("plus sign") << QByteArray("+3") << 3.0;
    QTest::newRow("trailing point") << QByteArray("7.") << 7.0;
    QTest::newRow("second point ends it") << QByteArray("1.2.3") << 1.2;
    QTest::newRow("comma is not a point") << QByteArray("1,5") << 1.0;
    QTest::newRow("leading blanks") << QByteArray(" \t\r\n42") << 42.0;
    QTest::newRow("ideographic space") << QByteArray("\u3000\u30007") << 7.0;
    QTest::newRow("blank after sign ends it") << QByteArray("- 5") << 0.0;
    QTest::newRow("inner blank ends it") << QByteArray("5 6") << 5.0;
    QTest::newRow("exponent") << QByteArray("1.5E3x") << 1500.0;
    QTest::newRow("negative exponent") << QByteArray("25e-1") << 2.5;
    QTest::newRow("d exponent") << QByteArray("2d2") << 200.0;
    QTest::newRow("D exponent") << QByteArray("2D-1") << 0.2;
    QTest::newRow("marker without digits") << QByteArray("1e") << 1.0;
    QTest::newRow("signed marker without digits") << QByteArray("1e+") << 1.0;
    QTest::newRow("exponent without mantissa") << QByteArray("e5") << 0.0;
    QTest::newRow("full-width digits and point") << QByteArray("１２．５") << 12.5;
    QTest::newRow("full-width minus") << QByteArray("－３") << -3.0;
    QTest::newRow("full-width plus and e") << QByteArray("＋２ｅ３") << 2000.0;
    QTest::newRow("full-width E and minus") << QByteArray("２Ｅ－２") << 0.02;
    QTest::newRow("mixed widths") << QByteArray("9.８") << 9.8;
    QTest::newRow("cut UTF-8 sequence") << QByteArray("\xEF\xBC") << 0.0;
    QTest::newRow("invalid byte ends it") << QByteArray("12\xFF") + "3" << 12.0;
    QTest::newRow("nearest double") << QByteArray("0.1") << 0.1;
    QTest::newRow("tie rounds to even") << QByteArray("9007199254740993") << 9007199254740992.0;
    QTest::newRow("leading zeros") << QByteArray("000000000000000000000001") << 1.0;
    QTest::newRow("long mantissa, small exponent") << QByteArray("1" + zeros400 + "e-400") << 1.0;
    QTest::newRow("many zeros after the point") << QByteArray("0." + zeros400 + "1e400") << 0.1;
    QTest::newRow("largest double") << QByteArray("1.7976931348623157e308") << DBL_MAX;
    QTest::newRow("rounds down to the largest") << QByteArray("1.7976931348623158e308") << DBL_MAX;
    QTest::newRow("smallest subnormal") << QByteArray("4.9e-324") << 4.9406564584124654e-324;
    QTest::newRow("below half the smallest") << QByteArray("2e-324") << 0.0;
    QTest::newRow("far below range") << QByteArray("1e-400") << 0.0;
    QTest::newRow("huge negative exponent") << QByteArray("1e-99999999999999999999") << 0.0;
    QTest::newRow("zero with huge exponent") << QByteArray("0e99999") << 0.0;
}

void NumberTest::leadingNumber()
{
    QFETCH(QByteArray, reply);
    QFETCH(double, expected);
    const double value = calc::leadingNumber(std::string(reply.constData(), reply.size()));
    QCOMPARE(std::bit_cast<std::uint64_t>(std::fabs(value)), std::bit_cast<std::uint64_t>(std::fabs(expected)));
    QCOMPARE(value < 0, expected < 0);
}

void NumberTest::beyondDoubleRange_data()
{
    QTest::addColumn<QByteArray>("reply");

    QTest::newRow("1e400") << QByteArray("1e400");
    QTest::newRow("negative") << QByteArray("-1e400");
    QTest::newRow("just beyond the largest") << QByteArray("1.7976931348623159e308");
    QTest::newRow("huge exponent") << QByteArray("1e99999999999999999999");
    QTest::newRow("many digits") << QByteArray(400, '9');
    QTest::newRow("full-width") << QByteArray("１ｅ４００");
}

void NumberTest::beyondDoubleRange()
{
    QFETCH(QByteArray, reply);
    try {
        calc::leadingNumber(std::string(reply.constData(), reply.size()));
        QFAIL("no overflow error");
    } catch (const calc::RuntimeError &error) {
        QCOMPARE(error.number(), 6);
    }
}

QTEST_APPLESS_MAIN(NumberTest)
#include "tst_number.moc"
