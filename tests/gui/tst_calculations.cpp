#include "helpers/testwindow.h"

#include "errorboundary.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <memory>

// The calculations as a user meets them: clicks, replies to the prompts,
// the answer box and the error messages. Replies are scripted; the real
// input dialog and message box are driven once, as a user drives them.
class CalculationsTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() { window_ = std::make_unique<TestWindow>(); }
    void cleanup() { window_.reset(); }

    void click_data();
    void click();
    void resultsRunOnUntilCleared();
    void withoutAMouse();
    void unexpectedErrors();
    void realDialog_data();
    void realDialog();
    void realMessageBox();

private:
    std::unique_ptr<TestWindow> window_;
};

using Replies = QList<std::optional<QString>>;
Q_DECLARE_METATYPE(Replies)

namespace {

const std::optional<QString> kCancel;
const QByteArray kTimeButton = "Command1";
const QByteArray kDistanceButton = "Command2";
const QByteArray kForceButton = "Command8";
const QString kInvalidCall = QStringLiteral("运行时错误 '5'：\n\n无效的过程调用或参数");
const QString kOverflow = QStringLiteral("运行时错误 '6'：\n\n溢出");
const QString kDivisionByZero = QStringLiteral("运行时错误 '11'：\n\n除数为零");

// A click with "1.0000000" in the answer box; `outcome` is the result it
// appends, the message of the error it ends in, or nothing if cancelled.
void row(const char *name, const QByteArray &button, const Replies &replies, const QString &outcome)
{
    QTest::newRow(name) << button << replies << outcome;
}

} // namespace

void CalculationsTest::click_data()
{
    QTest::addColumn<QByteArray>("button");
    QTest::addColumn<Replies>("replies");
    QTest::addColumn<QString>("outcome");

    row("empty reply is 0", kDistanceButton, {"10", ""}, "0.0000000");
    row("full-width replies", kTimeButton, {"　９．８", "２０"}, "2.0203052");
    row("reply beyond double range stops at once", kDistanceButton, {"1e400"}, kOverflow);
    row("a reply longer than a line edit holds", kDistanceButton,
        {"10", "3" + QString(40000, QLatin1Char('0')) + "e-40000"}, "45.0000000");
    row("cancel the first", kTimeButton, {kCancel}, {});
    row("cancel the third", kForceButton, {"1", "1", kCancel}, {});
    row("time: result is a float", kTimeButton, {"9.8", "20"}, "2.0203052");
    row("time: height is a float", kTimeButton, {"14.5", "742.76"}, "10.1217422");
    row("time: no height", kTimeButton, {"9.8", "0"}, "0.0000000");
    row("time: both negative", kTimeButton, {"-10", "-5"}, "1.0000000");
    row("time: no g, no height", kTimeButton, {"0", "0"}, kOverflow);
    row("time: no g", kTimeButton, {"0", "5"}, kDivisionByZero);
    row("time: upward g", kTimeButton, {"-9.8", "5"}, kInvalidCall);
    row("time: negative height", kTimeButton, {"9.8", "-5"}, kInvalidCall);
    row("time: height beyond float", kTimeButton, {"10", "1e39"}, kOverflow);
    row("time: twice the height beyond float", kTimeButton, {"10", "2e38"}, kOverflow);
    row("time: time beyond float", kTimeButton, {"1e-300", "1"}, kOverflow);
    row("time: quotient beyond double", kTimeButton, {"1e-300", "1e38"}, kOverflow);
    row("distance: negative g", kDistanceButton, {"-10", "3"}, "-45.0000000");
    row("distance: time is a float", kDistanceButton, {"72.6", "45.559"}, "75345.0859375");
    row("distance: g times t, then t", kDistanceButton, {"79.6", "88.125"}, "309087.4062500");
    row("distance: result beyond float", kDistanceButton, {"10", "1e20"}, kOverflow);
    row("distance: time beyond float", kDistanceButton, {"10", "1e39"}, kOverflow);
    row("distance: time beyond float, no g", kDistanceButton, {"0", "1e39"}, kOverflow);
    row("distance: product beyond double", kDistanceButton, {"1e308", "1e30"}, kOverflow);
    row("force: G itself", kForceButton, {"1", "1e11", "1"}, "6.6725900");
    row("force: on the earth", kForceButton, {"6371000", "5.972e24", "1"}, "9.8174575");
    row("force: negative distance", kForceButton, {"-6371000", "5.972e24", "1"}, "9.8174575");
    row("force: negative mass", kForceButton, {"1", "-1e11", "1"}, "-6.6725900");
    row("force: m times M, then G, rounding up", kForceButton, {"1.72", "520300000000000", "39113"},
        "458999804.2597390");
    row("force: divided by the square", kForceButton, {"1.77", "667170000000000", "61407"}, "872574059.4960320");
    row("force: masses beyond a double", kForceButton, {"1e150", "1e155", "1e155"}, "0.6672590");
    row("force: square beyond a double", kForceButton, {"1e200", "1e30", "1"}, "0.0000000");
    row("force: no distance", kForceButton, {"0", "1", "1"}, kDivisionByZero);
    row("force: square below a double", kForceButton, {"1e-200", "1", "1"}, kDivisionByZero);
    row("force: no distance, no mass", kForceButton, {"0", "0", "1"}, kOverflow);
    row("force: force beyond a double", kForceButton, {"1e-160", "1e200", "1e100"}, kOverflow);
}

void CalculationsTest::click()
{
    QFETCH(QByteArray, button);
    QFETCH(Replies, replies);
    QFETCH(QString, outcome);

    window_->answers()->setText(QStringLiteral("1.0000000"));
    window_->replies.assign(replies.begin(), replies.end());
    window_->click(button);
    const bool failed = outcome.startsWith(QStringLiteral("运行时错误"));
    const QStringList errors = window_->seen.filter(QStringLiteral("error: "));
    QCOMPARE(errors, failed ? QStringList{QStringLiteral("error: ") + outcome} : QStringList());
    QCOMPARE(window_->seen.size() - errors.size(), replies.size()); // a prompt for each reply, and no more
    QCOMPARE(window_->answers()->text(), QStringLiteral("1.0000000") + (failed ? QString() : outcome));
}

// Each button's prompts in order; results follow each other until the clear
// button empties the box, however much it holds.
void CalculationsTest::resultsRunOnUntilCleared()
{
    const QString held(100000, QLatin1Char('7'));
    window_->answers()->setText(held);
    window_->replies = {"10", "5", "10", "3", "6371000", "5.972e24", "1"};
    window_->click(kTimeButton);
    window_->click(kDistanceButton);
    window_->click(kForceButton);
    QCOMPARE(window_->answers()->text(), held + QStringLiteral("1.000000045.00000009.8174575"));
    QCOMPARE(window_->seen,
             QStringList({"重力加速度为(单位m/s^2)：", "平抛运动的高度为(单位t)：", "重力加速度为(单位m/s^2)：",
                          "平抛运动时间为(单位t)：", "两天体（或物体）间的距离为(单位m)：",
                          "中心天体（或物体）的质量为(单位kg)：", "围绕天体（或物体）的质量为(单位kg)："}));

    window_->click("Command9");
    QCOMPARE(window_->answers()->text(), QString());
    window_->replies = {"-10", "3"};
    window_->click(kDistanceButton);
    QCOMPARE(window_->answers()->text(), QStringLiteral("-45.0000000"));
}

void CalculationsTest::withoutAMouse()
{
    // Keys go to the window's focus control: on Wayland only the compositor
    // activates a window, and a headless one has no keyboard to do it for.
    Korvid *window = window_->window();
    const auto key = [window](Qt::Key k) { QTest::keyClick(window->focusWidget(), k); };
    QCOMPARE(window->focusWidget(), window_->control("Command1"));

    // Space on the button that has the focus at start, Tab to the next one,
    // Enter on it.
    window_->replies = {kCancel};
    key(Qt::Key_Space);
    QCOMPARE(window_->seen.size(), 1);
    key(Qt::Key_Tab);
    QCOMPARE(window->focusWidget(), window_->control("Command2"));
    window_->replies = {"10", "3"};
    key(Qt::Key_Return);
    QCOMPARE(window_->answers()->text(), QStringLiteral("45.0000000"));
}

// Errors no calculation raises still end only the click.
void CalculationsTest::unexpectedErrors()
{
    QStringList reported;
    const auto report = [&reported](const QString &message) { reported << message; };
    runGuarded([] { throw std::bad_alloc(); }, report);
    runGuarded([] { throw std::logic_error("unforeseen"); }, report);
    QCOMPARE(reported, QStringList({"运行时错误 '7'：\n\n内存不足", "运行时错误 '51'：\n\n内部错误"}));
}

using Act = std::function<void(QWidget *dialog, QLineEdit *field)>;
Q_DECLARE_METATYPE(Act)

namespace {

// Acts on the modal dialog once it shows, from inside its event loop, and
// records what it showed.
const QString &whenShown(const Act &act)
{
    static QString shown;
    QTimer::singleShot(10, [act] {
        QWidget *dialog = QApplication::activeModalWidget();
        if (!dialog || !dialog->isVisible())
            return (void)whenShown(act);
        const auto *box = qobject_cast<QMessageBox *>(dialog);
        shown = dialog->windowTitle() + QLatin1Char('|')
                + (box ? box->text() + QString::number(box->icon()) : dialog->findChild<QLabel *>()->text());
        act(dialog, dialog->findChild<QLineEdit *>());
    });
    return shown;
}

void press(QWidget *dialog, const QString &caption)
{
    for (auto *button : dialog->findChildren<QPushButton *>()) {
        if (button->text() == caption)
            return button->click();
    }
    QFAIL(qPrintable(QStringLiteral("no button ") + caption));
}

} // namespace

void CalculationsTest::realDialog_data()
{
    QTest::addColumn<Act>("act");
    QTest::addColumn<std::optional<QString>>("reply");
    const QString longReply = QStringLiteral("3") + QString(40000, QLatin1Char('0')) + QStringLiteral("e-40000");
    const std::optional<QString> cancelled;

    QTest::newRow("typed, Enter") << Act([](QWidget *, QLineEdit *field) {
        QTest::keyClicks(field, QStringLiteral("9.8"));
        QTest::keyClick(field, Qt::Key_Return);
    }) << std::optional<QString>(QStringLiteral("9.8"));
    // A Wayland clipboard belongs to a seat, and a headless compositor has none.
    if (QGuiApplication::platformName() != QLatin1String("wayland")) {
        QTest::newRow("pasted, 确定") << Act([longReply](QWidget *dialog, QLineEdit *field) {
            QApplication::clipboard()->setText(longReply);
            QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
            press(dialog, QStringLiteral("确定"));
        }) << std::optional<QString>(longReply);
    }
    QTest::newRow("取消") << Act([](QWidget *dialog, QLineEdit *field) {
        QTest::keyClicks(field, QStringLiteral("5"));
        press(dialog, QStringLiteral("取消"));
    }) << cancelled;
    QTest::newRow("Escape") << Act([](QWidget *, QLineEdit *field) { QTest::keyClick(field, Qt::Key_Escape); })
                            << cancelled;
    QTest::newRow("closed") << Act([](QWidget *dialog, QLineEdit *) { dialog->close(); }) << cancelled;
}

void CalculationsTest::realDialog()
{
    QFETCH(Act, act);
    QFETCH(std::optional<QString>, reply);
    const QString &shown = whenShown(act);
    QCOMPARE(modalDialogs(nullptr).ask(QStringLiteral("重力加速度为(单位m/s^2)：")), reply);
    QCOMPARE(shown, QStringLiteral("Korvid|重力加速度为(单位m/s^2)："));
}

void CalculationsTest::realMessageBox()
{
    const QString &shown = whenShown([](QWidget *dialog, QLineEdit *) { press(dialog, QStringLiteral("确定")); });
    modalDialogs(nullptr).report(QStringLiteral("运行时错误 '6'：\n\n溢出"));
    QCOMPARE(shown, QStringLiteral("Korvid|运行时错误 '6'：\n\n溢出") + QString::number(QMessageBox::Critical));
}

QTEST_MAIN(CalculationsTest)
#include "tst_calculations.moc"
