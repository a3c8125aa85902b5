#include "application.h"
#include "errorboundary.h"
#include "prompt.h"

#include "calc/errors.h"
#include "support/modaldriver.h"
#include "support/testwindow.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QCheckBox>
#include <QFontInfo>
#include <QFontMetrics>
#include <QImage>
#include <QLineEdit>
#include <QTest>

#include <memory>
#include <new>

class WindowTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init() { window_ = std::make_unique<TestWindow>(); }
    void cleanup() { window_.reset(); }

    void opensAtItsPlace();
    void nestedGeometry_data();
    void nestedGeometry();
    void frontToBack_data();
    void frontToBack();
    void paintedColours_data();
    void paintedColours();
    void captionsWrap_data();
    void captionsWrap();
    void captionsHaveGlyphs();
    void focusChain();
    void initialState();
    void supportCaptions();
    void clearButton();
    void placeholdersDoNothing();
    void answerBoxKeepsLongText();
    void errorBoundary_data();
    void errorBoundary();
    void cancelIsQuiet();
    void screenReaderNames_data();
    void screenReaderNames();
    void nothingFocusableIsNameless();

private:
    template<typename T = QWidget>
    T *control(const char *name) const
    {
        return window_->control<T>(name);
    }
    Korvid *window() const { return window_->window(); }
    QRect windowRect(const char *name) const
    {
        QWidget *widget = control(name);
        return {widget->mapTo(window(), QPoint(0, 0)), widget->size()};
    }
    QString stateSnapshot() const;

    std::unique_ptr<TestWindow> window_;
};

void WindowTest::initTestCase()
{
    prepareApplication(*qApp);
}

void WindowTest::opensAtItsPlace()
{
    QCOMPARE(window()->windowTitle(), QStringLiteral("Korvid V1.1.0 0314"));
    QCOMPARE(window()->geometry(), QRect(98, 229, 906, 639));
    QVERIFY(!window()->windowIcon().isNull());
    QVERIFY(window()->windowFlags() & Qt::WindowMaximizeButtonHint);

    // Controls stay where they are when the window grows or shrinks.
    const QRect before = windowRect("Command9");
    window()->resize(1200, 800);
    QCOMPARE(windowRect("Command9"), before);
    window()->resize(400, 300);
    QCOMPARE(windowRect("Command9"), before);
}

void WindowTest::nestedGeometry_data()
{
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<QRect>("expected"); // logical pixels, in the window

    QTest::newRow("on the window") << QByteArray("Command15") << QRect(336, 16, 81, 25);
    QTest::newRow("frame on the window") << QByteArray("Frame1") << QRect(8, 56, 889, 473);
    QTest::newRow("in Frame1") << QByteArray("Text2") << QRect(64, 480, 761, 42);
    QTest::newRow("in Frame1, over Frame2") << QByteArray("Command1") << QRect(24, 88, 121, 25);
    QTest::newRow("in Frame2 in Frame1") << QByteArray("Command8") << QRect(328, 144, 121, 41);
    QTest::newRow("three frames deep") << QByteArray("Frame7") << QRect(456, 280, 1, 113);
    QTest::newRow("picture in Frame4") << QByteArray("Image1") << QRect(816, 552, 69, 74);
}

void WindowTest::nestedGeometry()
{
    QFETCH(QByteArray, name);
    QFETCH(QRect, expected);
    QCOMPARE(windowRect(name.constData()), expected);
}

void WindowTest::frontToBack_data()
{
    QTest::addColumn<QPoint>("point");
    QTest::addColumn<QString>("expected");

    QTest::newRow("Command1 over Frame2") << QPoint(84, 100) << QStringLiteral("Command1");
    QTest::newRow("Command3 over Frame2") << QPoint(388, 108) << QStringLiteral("Command3");
    QTest::newRow("Command6 over Frame2") << QPoint(236, 229) << QStringLiteral("Command6");
    QTest::newRow("Frame2 itself") << QPoint(30, 266) << QStringLiteral("Frame2");
    QTest::newRow("top button over the band") << QPoint(376, 28) << QStringLiteral("Command15");
    QTest::newRow("text box over the label beside it") << QPoint(64, 500) << QStringLiteral("Text2");
    QTest::newRow("Frame8 over the edge of Frame3") << QPoint(456, 300) << QStringLiteral("Frame8");
}

void WindowTest::frontToBack()
{
    QFETCH(QPoint, point);
    QFETCH(QString, expected);
    QWidget *hit = window()->childAt(point);
    QVERIFY(hit);
    QCOMPARE(hit->objectName(), expected);
}

void WindowTest::paintedColours_data()
{
    QTest::addColumn<QPoint>("point");
    QTest::addColumn<QColor>("expected");

    QTest::newRow("band fill") << QPoint(12, 12) << QColor(0x80, 0xFF, 0xFF);
    QTest::newRow("band border") << QPoint(8, 30) << QColor(0xFF, 0x00, 0x00);
    QTest::newRow("band beside the buttons") << QPoint(420, 30) << QColor(0x80, 0xFF, 0xFF);
    QTest::newRow("useful part") << QPoint(892, 300) << QColor(0x80, 0xFF, 0x80);
    QTest::newRow("physics corner") << QPoint(30, 266) << QColor(0x00, 0xFF, 0xFF);
    QTest::newRow("biology corner") << QPoint(460, 266) << QColor(0xFF, 0xC0, 0xFF);
    QTest::newRow("mathematics corner") << QPoint(20, 466) << QColor(0xFF, 0xFF, 0xC0);
    QTest::newRow("chemistry corner") << QPoint(884, 466) << QColor(0xC0, 0xFF, 0xC0);
}

void WindowTest::paintedColours()
{
    QFETCH(QPoint, point);
    QFETCH(QColor, expected);
    const QImage image = window()->grab().toImage();
    QCOMPARE(image.pixelColor(point).rgb(), expected.rgb());
}

// Lines of text a control shows: the height its ink spans, in ems.
static int inkLines(QWidget *widget)
{
    const QImage image = widget->grab().toImage();
    int first = -1;
    int last = -1;
    for (int y = 3; y < image.height() - 3; ++y) {
        for (int x = 4; x < image.width() - 4; ++x) {
            if (qGray(image.pixel(x, y)) < 128) {
                first = first < 0 ? y : first;
                last = y;
                break;
            }
        }
    }
    const int em = QFontInfo(widget->font()).pixelSize();
    return first < 0 ? 0 : qRound(double(last - first + 1) / em);
}

void WindowTest::captionsWrap_data()
{
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<int>("lines");

    QTest::newRow("short button caption") << QByteArray("Command1") << 1;
    QTest::newRow("two-line button caption") << QByteArray("Command3") << 2;
    QTest::newRow("caption with a space") << QByteArray("Command5") << 2;
    QTest::newRow("narrow clear button") << QByteArray("Command9") << 3;
    QTest::newRow("two-line label") << QByteArray("Label10") << 2;
    QTest::newRow("long two-line label") << QByteArray("Label9") << 2;
    QTest::newRow("label that just fits") << QByteArray("Label4") << 1;
}

void WindowTest::captionsWrap()
{
    QFETCH(QByteArray, name);
    QFETCH(int, lines);
    QCOMPARE(inkLines(control(name.constData())), lines);
}

void WindowTest::captionsHaveGlyphs()
{
    const auto widgets = window()->findChildren<QWidget *>();
    int checked = 0;
    for (QWidget *widget : widgets) {
        QString text = widget->property("text").toString();
        if (text.isEmpty())
            text = widget->property("title").toString();
        const QFontMetrics metrics(widget->font());
        for (const QChar c : std::as_const(text)) {
            if (!c.isSpace())
                QVERIFY2(metrics.inFont(c), qPrintable(widget->objectName() + QStringLiteral(": ") + c));
        }
        checked += !text.isEmpty();
    }
    QCOMPARE(checked, 36); // all but the picture, the band and the empty answer box
}

void WindowTest::focusChain()
{
    window()->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window()));
    QStringList order{QApplication::focusWidget()->objectName()};
    for (int i = 0; i < 30; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        const QString name = QApplication::focusWidget()->objectName();
        if (name == order.front())
            break;
        order << name;
    }
    const QStringList expected = QStringLiteral("Command1 Command2 Command3 Command4 Command5 Command6 Check1 Text1 "
                                                "Command7 Command8 Text2 Command9 Command11 Command12 Command13 "
                                                "Command14 Command15 Command10 Command16")
                                     .split(QLatin1Char(' '));
    QCOMPARE(order, expected);
}

void WindowTest::initialState()
{
    QCOMPARE(control<QLineEdit>("Text2")->text(), QString());
    QVERIFY(control<QLineEdit>("Text2")->isReadOnly());
    QCOMPARE(control<QLineEdit>("Text1")->text(), QStringLiteral("吐槽框（虽然作者看不到）"));
    QVERIFY(!control<QLineEdit>("Text1")->isReadOnly());
    QCOMPARE(control<QCheckBox>("Check1")->checkState(), Qt::Unchecked);
    QCOMPARE(control<QCheckBox>("Check1")->text(), QStringLiteral("是否支持作者"));
    QCOMPARE(window()->focusWidget(), control("Command1"));
}

void WindowTest::supportCaptions()
{
    auto *box = control<QCheckBox>("Check1");
    const QString thanks = QStringLiteral("支持（谢谢支持！）");
    const QString tease = QStringLiteral("支持（好气啊，取消不了了吧！）");
    const QStringList expected{thanks, tease, thanks};
    for (const QString &caption : expected) {
        QTest::mouseClick(box, Qt::LeftButton);
        QCOMPARE(box->text(), caption);
    }
    box->setFocus();
    QTest::keyClick(box, Qt::Key_Space);
    QCOMPARE(box->checkState(), Qt::Unchecked);
    QCOMPARE(box->text(), tease);
}

void WindowTest::clearButton()
{
    auto *answers = control<QLineEdit>("Text2");
    answers->setText(QStringLiteral("1.000000045.0000000"));
    window_->click("Command9");
    QCOMPARE(answers->text(), QString());
}

QString WindowTest::stateSnapshot() const
{
    const auto *box = control<QCheckBox>("Check1");
    return QStringList{control<QLineEdit>("Text2")->text(), control<QLineEdit>("Text1")->text(), box->text(),
                       QString::number(box->checkState())}
        .join(QLatin1Char('|'));
}

void WindowTest::placeholdersDoNothing()
{
    control<QLineEdit>("Text2")->setText(QStringLiteral("2.0203052"));
    const QString before = stateSnapshot();
    ModalDriver driver; // no dialog may open
    const char *const inert[] = {"Command3",  "Command4",  "Command5",  "Command6",  "Command7",  "Command10",
                                 "Command11", "Command12", "Command13", "Command14", "Command15", "Command16",
                                 "Label6",    "Frame2",    "Image1",    "Label1"};
    for (const char *name : inert)
        window_->click(name);
    QTest::qWait(20);
    QVERIFY2(driver.finished(), qPrintable(driver.report()));
    QCOMPARE(stateSnapshot(), before);
}

void WindowTest::answerBoxKeepsLongText()
{
    auto *answers = control<QLineEdit>("Text2");
    const QString text(100000, QLatin1Char('7'));
    answers->setText(text);
    QCOMPARE(answers->text().size(), text.size());
}

void WindowTest::errorBoundary_data()
{
    QTest::addColumn<int>("error");
    QTest::addColumn<QString>("message");

    QTest::newRow("division by zero") << 11 << QStringLiteral("运行时错误 '11'：\n\n除数为零");
    QTest::newRow("overflow") << 6 << QStringLiteral("运行时错误 '6'：\n\n溢出");
    QTest::newRow("invalid call") << 5 << QStringLiteral("运行时错误 '5'：\n\n无效的过程调用或参数");
    QTest::newRow("out of memory") << 7 << QStringLiteral("运行时错误 '7'：\n\n内存不足");
}

void WindowTest::errorBoundary()
{
    QFETCH(int, error);
    QFETCH(QString, message);
    auto *answers = control<QLineEdit>("Text2");
    answers->setText(QStringLiteral("45.0000000"));

    ModalDriver driver;
    driver.acknowledge();
    runGuarded(window(), [error] {
        if (error == 7)
            throw std::bad_alloc();
        throw calc::RuntimeError(static_cast<calc::ErrorCode>(error));
    });
    QVERIFY2(driver.finished(), qPrintable(driver.report()));
    QCOMPARE(driver.seen(), QStringList{QStringLiteral("message Korvid ") + message});
    QCOMPARE(answers->text(), QStringLiteral("45.0000000"));
    QVERIFY(window()->isVisible());

    // The window still answers clicks afterwards.
    window_->click("Command9");
    QCOMPARE(answers->text(), QString());
}

void WindowTest::cancelIsQuiet()
{
    ModalDriver driver; // no message box either
    bool ranOn = false;
    runGuarded(window(), [&ranOn] {
        throw PromptCancelled{};
        ranOn = true;
    });
    QVERIFY2(driver.finished(), qPrintable(driver.report()));
    QVERIFY(!ranOn);
}

void WindowTest::screenReaderNames_data()
{
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<QString>("spoken");

    QTest::newRow("answer box") << QByteArray("Text2") << QStringLiteral("答案");
    QTest::newRow("free text box") << QByteArray("Text1") << QStringLiteral("吐槽框");
    QTest::newRow("portrait") << QByteArray("Image1") << QStringLiteral("作者猥琐头像");
    QTest::newRow("frame") << QByteArray("Frame2") << QStringLiteral("物理专区");
    QTest::newRow("wrapped button") << QByteArray("Command3") << QStringLiteral("平抛运动初速度计算（正在开发）");
    QTest::newRow("check box") << QByteArray("Check1") << QStringLiteral("是否支持作者");
    QTest::newRow("label") << QByteArray("Label9")
                           << QStringLiteral("PS：由于系统不完善，请勿不输入数值就点击确定，会导致软件错误闪退");
}

void WindowTest::screenReaderNames()
{
    QFETCH(QByteArray, name);
    QFETCH(QString, spoken);
    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(control(name.constData()));
    QVERIFY(accessible);
    QCOMPARE(accessible->text(QAccessible::Name), spoken);
}

void WindowTest::nothingFocusableIsNameless()
{
    QStringList nameless;
    int focusable = 0;
    const auto walk = [&](auto &&self, QAccessibleInterface *node) -> void {
        if (node->state().focusable) {
            ++focusable;
            if (node->text(QAccessible::Name).trimmed().isEmpty())
                nameless << node->object()->objectName();
        }
        for (int i = 0; i < node->childCount(); ++i)
            self(self, node->child(i));
    };
    walk(walk, QAccessible::queryAccessibleInterface(window()));
    QCOMPARE(focusable, 19); // the whole focus chain is in the tree
    QVERIFY2(nameless.isEmpty(), qPrintable(nameless.join(QLatin1Char(' '))));
}

QTEST_MAIN(WindowTest)
#include "tst_window.moc"
