#include "support/modaldriver.h"
#include "support/testwindow.h"

#include <QApplication>
#include <QTest>

#include <memory>

// The calculations as a user meets them: clicks, the real input dialogs,
// the answer box and the error message box.
class CalculationsTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() { window_ = std::make_unique<TestWindow>(); }
    void cleanup() { window_.reset(); }

    void freeFall_data();
    void freeFall();
    void abortedPrompt_data();
    void abortedPrompt();
    void errorLeavesAnswersAlone();
    void resultsRunOnUntilCleared();
    void withoutAMouse();

private:
    std::unique_ptr<TestWindow> window_;
};

namespace {

const QString kGravity = QStringLiteral("input Korvid 重力加速度为(单位m/s^2)：");
const QString kHeight = QStringLiteral("input Korvid 平抛运动的高度为(单位t)：");
const QString kTime = QStringLiteral("input Korvid 平抛运动时间为(单位t)：");
const QString kDistance = QStringLiteral("input Korvid 两天体（或物体）间的距离为(单位m)：");
const QString kCentral = QStringLiteral("input Korvid 中心天体（或物体）的质量为(单位kg)：");
const QString kOrbiting = QStringLiteral("input Korvid 围绕天体（或物体）的质量为(单位kg)：");

} // namespace

void CalculationsTest::freeFall_data()
{
    QTest::addColumn<QByteArray>("button");
    QTest::addColumn<QStringList>("replies");
    QTest::addColumn<QStringList>("prompts");
    QTest::addColumn<QString>("answer");

    QTest::newRow("time") << QByteArray("Command1") << QStringList{"9.8", "20"} << QStringList{kGravity, kHeight}
                          << "2.0203052";
    QTest::newRow("distance") << QByteArray("Command2") << QStringList{"10", "3"} << QStringList{kGravity, kTime}
                              << "45.0000000";
    QTest::newRow("empty reply is 0") << QByteArray("Command2") << QStringList{"10", ""} << QStringList{kGravity, kTime}
                                      << "0.0000000";
    QTest::newRow("gravitation") << QByteArray("Command8") << QStringList{"6371000", "5.972e24", "1"}
                                 << QStringList{kDistance, kCentral, kOrbiting} << "9.8174575";
    QTest::newRow("full-width reply") << QByteArray("Command1") << QStringList{"９．８", "２０"}
                                      << QStringList{kGravity, kHeight} << "2.0203052";
}

void CalculationsTest::freeFall()
{
    QFETCH(QByteArray, button);
    QFETCH(QStringList, replies);
    QFETCH(QStringList, prompts);
    QFETCH(QString, answer);

    ModalDriver driver;
    for (const QString &reply : std::as_const(replies))
        driver.reply(reply);
    window_->click(button.constData());
    QVERIFY2(driver.finished(), qPrintable(driver.report()));
    QCOMPARE(driver.seen(), prompts);
    QCOMPARE(window_->answers()->text(), answer);
}

void CalculationsTest::abortedPrompt_data()
{
    QTest::addColumn<QByteArray>("button");
    QTest::addColumn<int>("replied"); // prompts answered before the one aborted
    QTest::addColumn<QString>("how");

    QTest::newRow("cancel the first") << QByteArray("Command1") << 0 << "cancel";
    QTest::newRow("cancel the second") << QByteArray("Command1") << 1 << "cancel";
    QTest::newRow("escape the second") << QByteArray("Command2") << 1 << "escape";
    QTest::newRow("close the first") << QByteArray("Command2") << 0 << "close";
    QTest::newRow("cancel the third") << QByteArray("Command8") << 2 << "cancel";
}

void CalculationsTest::abortedPrompt()
{
    QFETCH(QByteArray, button);
    QFETCH(int, replied);
    QFETCH(QString, how);

    window_->answers()->setText(QStringLiteral("1.0000000"));
    ModalDriver driver;
    for (int i = 0; i < replied; ++i)
        driver.reply(QStringLiteral("10"));
    if (how == QLatin1String("cancel"))
        driver.cancel();
    else if (how == QLatin1String("escape"))
        driver.escape();
    else
        driver.close();

    window_->click(button.constData());
    QVERIFY2(driver.finished(), qPrintable(driver.report())); // no further prompt, no message
    QCOMPARE(driver.seen().size(), replied + 1);
    QCOMPARE(window_->answers()->text(), QStringLiteral("1.0000000"));
}

void CalculationsTest::errorLeavesAnswersAlone()
{
    window_->answers()->setText(QStringLiteral("45.0000000"));
    ModalDriver driver;
    driver.reply(QStringLiteral("0")).reply(QStringLiteral("5")).acknowledge();
    window_->click("Command1");
    QVERIFY2(driver.finished(), qPrintable(driver.report()));
    QCOMPARE(driver.seen().last(), QStringLiteral("message Korvid 运行时错误 '11'：\n\n除数为零"));
    QCOMPARE(window_->answers()->text(), QStringLiteral("45.0000000"));

    // An overflowing reply stops the click at once, before the next prompt.
    ModalDriver overflow;
    overflow.reply(QStringLiteral("1e400")).acknowledge();
    window_->click("Command2");
    QVERIFY2(overflow.finished(), qPrintable(overflow.report()));
    QCOMPARE(overflow.seen().last(), QStringLiteral("message Korvid 运行时错误 '6'：\n\n溢出"));

    // The window lives on and calculates as before.
    ModalDriver next;
    next.reply(QStringLiteral("10")).reply(QStringLiteral("5"));
    window_->click("Command1");
    QVERIFY2(next.finished(), qPrintable(next.report()));
    QCOMPARE(window_->answers()->text(), QStringLiteral("45.00000001.0000000"));
}

void CalculationsTest::resultsRunOnUntilCleared()
{
    ModalDriver driver;
    driver.reply(QStringLiteral("10")).reply(QStringLiteral("5"));
    driver.reply(QStringLiteral("10")).reply(QStringLiteral("3"));
    window_->click("Command1");
    window_->click("Command2");
    QVERIFY2(driver.finished(), qPrintable(driver.report()));
    QCOMPARE(window_->answers()->text(), QStringLiteral("1.000000045.0000000"));

    window_->click("Command9");
    QCOMPARE(window_->answers()->text(), QString());

    ModalDriver again;
    again.reply(QStringLiteral("-10")).reply(QStringLiteral("3"));
    window_->click("Command2");
    QVERIFY2(again.finished(), qPrintable(again.report()));
    QCOMPARE(window_->answers()->text(), QStringLiteral("-45.0000000"));
}

void CalculationsTest::withoutAMouse()
{
    Korvid *window = window_->window();
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window));
    const auto key = [](Qt::Key k) { QTest::keyClick(QApplication::focusWidget(), k); };

    // Space on the button that has the focus at start, Escape in its dialog.
    ModalDriver escaped;
    escaped.escape();
    key(Qt::Key_Space);
    QVERIFY2(escaped.finished(), qPrintable(escaped.report()));
    QCOMPARE(escaped.seen(), QStringList{kGravity});

    // Offscreen, no window manager hands the activation back after a dialog.
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window));
    QCOMPARE(QApplication::focusWidget(), window_->control("Command1"));

    // Tab to the next button, Enter on it, replies typed and entered.
    key(Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), window_->control("Command2"));
    ModalDriver typed;
    typed.type(QStringLiteral("10")).type(QStringLiteral("3"));
    key(Qt::Key_Return);
    QVERIFY2(typed.finished(), qPrintable(typed.report()));
    QCOMPARE(window_->answers()->text(), QStringLiteral("45.0000000"));
}

QTEST_MAIN(CalculationsTest)
#include "tst_calculations.moc"
