#include "calc/answer.h"
#include "calc/errors.h"
#include "calc/number.h"

#include <QTest>

#include <bit>
#include <cfloat>
#include <cstdint>
#include <string>

// Replies converted to numbers and numbers formatted for the answer box;
// the calculations between them are tested through the window's buttons.
// `error` is the run-time error number a row ends in, 0 where it gives one.
class CalcTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // Replies as typed into the prompts, and the number each one stands for.
    void reply_data()
    {
        QTest::addColumn<QByteArray>("reply"); // UTF-8
        QTest::addColumn<double>("expected");
        QTest::addColumn<int>("error");

        const QByteArray zeros400(400, '0');

        QTest::newRow("control character first") << QByteArray("\x01") + "5" << 0.0 << 0;
        QTest::newRow("right-to-left override after") << QByteArray("-5\u202E1") << -5.0 << 0;
        QTest::newRow("no integer digits") << QByteArray("-.5") << -0.5 << 0;
        QTest::newRow("plus sign") << QByteArray("+3") << 3.0 << 0;
        QTest::newRow("trailing point") << QByteArray("7.") << 7.0 << 0;
        QTest::newRow("second point ends it") << QByteArray("1.2.3") << 1.2 << 0;
        QTest::newRow("comma is not a point") << QByteArray("1,5") << 1.0 << 0;
        QTest::newRow("leading blanks") << QByteArray(" \t\r\n42") << 42.0 << 0;
        QTest::newRow("ideographic space") << QByteArray("\u3000\u30007") << 7.0 << 0;
        QTest::newRow("blank after sign ends it") << QByteArray("- 5") << 0.0 << 0;
        QTest::newRow("exponent") << QByteArray("1.5E3x") << 1500.0 << 0;
        QTest::newRow("D exponent") << QByteArray("2D-1") << 0.2 << 0;
        QTest::newRow("signed marker without digits") << QByteArray("1e+") << 1.0 << 0;
        QTest::newRow("full-width minus, digits and point") << QByteArray("－１２．５") << -12.5 << 0;
        QTest::newRow("full-width plus and e") << QByteArray("＋２ｅ３") << 2000.0 << 0;
        QTest::newRow("full-width E and minus") << QByteArray("２Ｅ－２") << 0.02 << 0;
        QTest::newRow("full-width D") << QByteArray("２Ｄ３") << 2000.0 << 0;
        QTest::newRow("full-width d") << QByteArray("５ｄ－１") << 0.5 << 0;
        QTest::newRow("nearest double") << QByteArray("0.1") << 0.1 << 0;
        QTest::newRow("tie rounds to even") << QByteArray("9007199254740993") << 9007199254740992.0 << 0;
        QTest::newRow("leading zeros") << QByteArray("000000000000000000000001") << 1.0 << 0;
        QTest::newRow("long mantissa, small exponent") << QByteArray("1" + zeros400 + "e-400") << 1.0 << 0;
        QTest::newRow("many zeros after the point") << QByteArray("0." + zeros400 + "1e400") << 0.1 << 0;
        QTest::newRow("largest double") << QByteArray("1.7976931348623157e308") << DBL_MAX << 0;
        QTest::newRow("smallest subnormal") << QByteArray("4.9e-324") << 4.9406564584124654e-324 << 0;
        QTest::newRow("huge negative exponent") << QByteArray("1e-99999999999999999999") << 0.0 << 0;
        QTest::newRow("zero with huge exponent") << QByteArray("0e99999") << 0.0 << 0;
        QTest::newRow("negative overflows") << QByteArray("-1e400") << 0.0 << 6;
        QTest::newRow("just beyond the largest overflows") << QByteArray("1.7976931348623159e308") << 0.0 << 6;
        QTest::newRow("huge exponent overflows") << QByteArray("1e99999999999999999999") << 0.0 << 6;
        QTest::newRow("many digits overflows") << QByteArray(400, '9') << 0.0 << 6;
    }

    void reply()
    {
        QFETCH(QByteArray, reply);
        QFETCH(double, expected);
        QFETCH(int, error);
        try {
            const double value = calc::leadingNumber(std::string(reply.constData(), reply.size()));
            QCOMPARE(error, 0);
            QCOMPARE(std::bit_cast<std::uint64_t>(std::fabs(value)), std::bit_cast<std::uint64_t>(std::fabs(expected)));
            QCOMPARE(value < 0, expected < 0);
        } catch (const calc::RuntimeError &e) {
            QCOMPARE(static_cast<int>(e.code()), error);
        }
    }

    // Values as the calculations hand them over, and the text the answer box
    // shows for each.
    void answer_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("expected");

        QTest::newRow("negative") << -2.5 << "-2.5000000";
        QTest::newRow("negative rounds to the last decimal") << -5e-8 << "-0.0000001";
        QTest::newRow("just below half a unit") << 4.9e-8 << "0.0000000";
        QTest::newRow("negative that rounds to zero") << -1e-9 << "0.0000000";
        QTest::newRow("15 digits carry") << 999999999999999.5 << "1000000000000000.0000000";
        QTest::newRow("tie at 15 digits goes away from zero") << 123456789012344.5 << "123456789012345.0000000";
        QTest::newRow("no grouping") << 1e20 << "100000000000000000000.0000000";
        QTest::newRow("float tenth") << double(0.1f) << "0.1000000";
        QTest::newRow("most negative double")
            << -DBL_MAX
            << QStringLiteral("-179769313486232") + QString(294, QLatin1Char('0')) + QStringLiteral(".0000000");
    }

    void answer()
    {
        QFETCH(double, value);
        QFETCH(QString, expected);
        QCOMPARE(QString::fromStdString(calc::formatAnswer(value)), expected);
    }
};

QTEST_APPLESS_MAIN(CalcTest)
#include "tst_calc.moc"
