#include "calc/answer.h"
#include "calc/errors.h"
#include "calc/freefall.h"

#include <QTest>

// Free fall as typed replies go in and answer texts come out. `error` is the
// run-time error number, 0 where a result is expected.
class FreeFallTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void time_data();
    void time();
    void distance_data();
    void distance();

private:
    static void addColumns();
    static void check(float (*calculation)(double, double));
};

void FreeFallTest::addColumns()
{
    QTest::addColumn<double>("g");
    QTest::addColumn<double>("input");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<int>("error");
}

void FreeFallTest::check(float (*calculation)(double, double))
{
    QFETCH(double, g);
    QFETCH(double, input);
    QFETCH(QString, expected);
    QFETCH(int, error);
    try {
        const float result = calculation(g, input);
        QCOMPARE(error, 0);
        QCOMPARE(QString::fromStdString(calc::formatAnswer(result)), expected);
    } catch (const calc::RuntimeError &e) {
        QCOMPARE(e.number(), error);
    }
}

void FreeFallTest::time_data()
{
    addColumns();
    QTest::newRow("whole second") << 10.0 << 5.0 << "1.0000000" << 0;
    QTest::newRow("result is a float") << 9.8 << 20.0 << "2.0203052" << 0;
    QTest::newRow("height is a float") << 14.5 << 742.76 << "10.1217422" << 0;
    QTest::newRow("height is a float, rounding down") << 75.5 << 162.21 << "2.0729096" << 0;
    QTest::newRow("no height") << 9.8 << 0.0 << "0.0000000" << 0;
    QTest::newRow("both negative") << -10.0 << -5.0 << "1.0000000" << 0;
    QTest::newRow("huge height") << 1e30 << 1e38 << "14142.1357422" << 0;
    QTest::newRow("no g, no height") << 0.0 << 0.0 << "" << 6;
    QTest::newRow("no g") << 0.0 << 5.0 << "" << 11;
    QTest::newRow("upward g") << -9.8 << 5.0 << "" << 5;
    QTest::newRow("negative height") << 9.8 << -5.0 << "" << 5;
    QTest::newRow("height beyond float") << 10.0 << 1e39 << "" << 6;
    QTest::newRow("twice the height beyond float") << 10.0 << 2e38 << "" << 6;
    QTest::newRow("time beyond float") << 1e-300 << 1.0 << "" << 6;
    QTest::newRow("quotient beyond double") << 1e-300 << 1e38 << "" << 6;
}

void FreeFallTest::time()
{
    check(&calc::freeFallTime);
}

void FreeFallTest::distance_data()
{
    addColumns();
    QTest::newRow("whole numbers") << 10.0 << 3.0 << "45.0000000" << 0;
    QTest::newRow("negative g") << -10.0 << 3.0 << "-45.0000000" << 0;
    QTest::newRow("negative time") << 10.0 << -3.0 << "45.0000000" << 0;
    QTest::newRow("no time") << 10.0 << 0.0 << "0.0000000" << 0;
    QTest::newRow("no g") << 0.0 << 3.0 << "0.0000000" << 0;
    QTest::newRow("time is a float") << 72.6 << 45.559 << "75345.0859375" << 0;
    QTest::newRow("time is a float, rounding down") << 50.6 << 8.675 << "1903.9674072" << 0;
    QTest::newRow("g times t, then t") << 79.6 << 88.125 << "309087.4062500" << 0;
    QTest::newRow("g times t, then t, again") << 85.1 << 86.25 << "316532.0937500" << 0;
    QTest::newRow("result beyond float") << 10.0 << 1e20 << "" << 6;
    QTest::newRow("time beyond float") << 10.0 << 1e39 << "" << 6;
    QTest::newRow("time beyond float, no g") << 0.0 << 1e39 << "" << 6;
    QTest::newRow("product beyond double") << 1e308 << 1e30 << "" << 6;
}

void FreeFallTest::distance()
{
    check(&calc::freeFallDistance);
}

QTEST_APPLESS_MAIN(FreeFallTest)
#include "tst_freefall.moc"
