#include "calc/answer.h"

#include <QTest>

#include <cfloat>
#include <cmath>

// Values as the calculations hand them over, and the text the answer box
// shows for each.
class AnswerTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void format_data();
    void format();
};

void AnswerTest::format_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("expected");

    QTest::newRow("one") << 1.0 << "1.0000000";
    QTest::newRow("integer") << 45.0 << "45.0000000";
    QTest::newRow("zero") << 0.0 << "0.0000000";
    QTest::newRow("negative zero") << -0.0 << "0.0000000";
    QTest::newRow("negative") << -2.5 << "-2.5000000";
    QTest::newRow("half up at the 7th decimal") << 1.0 / 256 << "0.0039063";
    QTest::newRow("half away from zero") << -1.0 / 256 << "-0.0039063";
    QTest::newRow("rounds up to the last decimal") << 5e-8 << "0.0000001";
    QTest::newRow("negative rounds to the last decimal") << -5e-8 << "-0.0000001";
    QTest::newRow("just below half a unit") << 4.9e-8 << "0.0000000";
    QTest::newRow("negative that rounds to zero") << -1e-9 << "0.0000000";
    QTest::newRow("smallest subnormal") << 4.9406564584124654e-324 << "0.0000000";
    QTest::newRow("15 digits before the 7th decimal") << 0.99999995 << "1.0000000";
    QTest::newRow("15 digits carry") << 999999999999999.5 << "1000000000000000.0000000";
    QTest::newRow("tie at 15 digits goes away from zero") << 123456789012344.5 << "123456789012345.0000000";
    QTest::newRow("no grouping") << 1e20 << "100000000000000000000.0000000";
    QTest::newRow("only 15 significant digits") << 123456789012345678.0 << "123456789012346000.0000000";
    QTest::newRow("float widened") << double(2.02030515670776367f) << "2.0203052";
    QTest::newRow("float tenth") << double(0.1f) << "0.1000000";
    QTest::newRow("largest double") << DBL_MAX
                                    << QStringLiteral("179769313486232") + QString(294, QLatin1Char('0'))
                                           + QStringLiteral(".0000000");
    QTest::newRow("most negative double")
        << -DBL_MAX << QStringLiteral("-179769313486232") + QString(294, QLatin1Char('0')) + QStringLiteral(".0000000");
}

void AnswerTest::format()
{
    QFETCH(double, value);
    QFETCH(QString, expected);
    QCOMPARE(QString::fromStdString(calc::formatAnswer(value)), expected);
}

QTEST_APPLESS_MAIN(AnswerTest)
#include "tst_answer.moc"
