#include "calc/answer.h"
#include "calc/errors.h"
#include "calc/gravitation.h"

#include <QTest>

// The gravitational force from the three replies (distance, central mass,
// orbiting mass) to the answer text. `error` is the run-time error number,
// 0 where a result is expected.
class GravitationTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void force_data();
    void force();
};

void GravitationTest::force_data()
{
    QTest::addColumn<double>("r");
    QTest::addColumn<double>("centralMass");
    QTest::addColumn<double>("orbitingMass");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<int>("error");

    QTest::newRow("G itself") << 1.0 << 1e11 << 1.0 << "6.6725900" << 0;
    QTest::newRow("below the 7th decimal") << 1.0 << 1.0 << 1.0 << "0.0000000" << 0;
    QTest::newRow("on the earth") << 6371000.0 << 5.972e24 << 1.0 << "9.8174575" << 0;
    QTest::newRow("negative distance") << -6371000.0 << 5.972e24 << 1.0 << "9.8174575" << 0;
    QTest::newRow("negative mass") << 1.0 << -1e11 << 1.0 << "-6.6725900" << 0;
    QTest::newRow("no central mass") << 2.0 << 0.0 << 5.0 << "0.0000000" << 0;
    // Rounding shows the order: (m × M) × G, then divided by r².
    QTest::newRow("m times M, then G") << 4.2 << 750300000000000.0 << 16098.0 << "45688061.2081327" << 0;
    QTest::newRow("m times M, then G, rounding up") << 1.72 << 520300000000000.0 << 39113.0 << "458999804.2597390" << 0;
    QTest::newRow("divided by the square") << 1.77 << 667170000000000.0 << 61407.0 << "872574059.4960320" << 0;
    // m × M beyond a double, the force well within.
    QTest::newRow("masses beyond a double") << 1e150 << 1e155 << 1e155 << "0.6672590" << 0;
    QTest::newRow("square beyond a double") << 1e200 << 1e30 << 1.0 << "0.0000000" << 0;
    QTest::newRow("no distance") << 0.0 << 1.0 << 1.0 << "" << 11;
    QTest::newRow("square below a double") << 1e-200 << 1.0 << 1.0 << "" << 11;
    QTest::newRow("no distance, no mass") << 0.0 << 0.0 << 1.0 << "" << 6;
    QTest::newRow("product beyond a double") << 1.0 << 1e200 << 1e200 << "" << 6;
    QTest::newRow("force beyond a double") << 1e-160 << 1e200 << 1e100 << "" << 6;
}

void GravitationTest::force()
{
    QFETCH(double, r);
    QFETCH(double, centralMass);
    QFETCH(double, orbitingMass);
    QFETCH(QString, expected);
    QFETCH(int, error);
    try {
        const double force = calc::gravitation(r, centralMass, orbitingMass);
        QCOMPARE(error, 0);
        QCOMPARE(QString::fromStdString(calc::formatAnswer(force)), expected);
    } catch (const calc::RuntimeError &e) {
        QCOMPARE(e.number(), error);
    }
}

QTEST_APPLESS_MAIN(GravitationTest)
#include "tst_gravitation.moc"
