#include "../helpers/testwindow.h"
#include "application.h"
#include "errorboundary.h"

#include <QAccessible>
#include <QAccessibleEvent>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QScopeGuard>
#include <QScreen>
#include <QStyle>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

#include <memory>

// The window as a user meets it, at the scale factor and on the platform the
// test runs on (CTest runs it at several): the form as it shows itself, then
// the calculations with scripted replies, and the real input dialog and
// message box driven once, as a user drives them.
class WindowTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { prepareApplication(*qApp); }
    void init() { window_ = std::make_unique<TestWindow>(); }
    void cleanup() { window_.reset(); }

    void opensOnItsScreen();
    void whatIsWhere_data();
    void whatIsWhere();
    void captionsShowWhole_data();
    void captionsShowWhole();
    void fontsFollowTheScreen();
    void readableUnderEveryPalette_data();
    void readableUnderEveryPalette();
    void themeFontMovesNothing();
    void focusChain();
    void supportCaptions();
    void clearAndPlaceholders();
    void screenReaders();

    void click_data();
    void click();
    void resultsRunOnUntilCleared();
    void unexpectedErrors();
    void realDialogs();

private:
    QWidget *control(const char *name) const { return window_->control(name); }
    QRect inWindow(QWidget *widget) const { return {widget->mapTo(window_->window(), QPoint(0, 0)), widget->size()}; }

    // A control's place on the window painted with its caption and without:
    // where the two differ is the caption's ink. Device pixels.
    struct Ink {
        QImage with;
        QRect box;
        QRgb surface; // under the box's top-left corner
    };
    Ink inkOf(QWidget *widget) const;

    std::unique_ptr<TestWindow> window_;
};

namespace {

// A frame's caption is its title, any other control's its text.
const char *captionOf(QWidget *widget)
{
    return qobject_cast<QGroupBox *>(widget) ? "title" : "text";
}

QString caption(QWidget *widget)
{
    return widget->property(captionOf(widget)).toString();
}

// WCAG's contrast ratio.
double contrast(QRgb a, QRgb b)
{
    const auto luminance = [](QRgb c) {
        const auto linear = [](int v) {
            return v <= 10 ? v / 255.0 / 12.92 : std::pow((v / 255.0 + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * linear(qRed(c)) + 0.7152 * linear(qGreen(c)) + 0.0722 * linear(qBlue(c)) + 0.05;
    };
    return std::max(luminance(a), luminance(b)) / std::min(luminance(a), luminance(b));
}

QStringList heard; // what assistive technology was told of inserted text

} // namespace

WindowTest::Ink WindowTest::inkOf(QWidget *widget) const
{
    const auto grab = [&] { return window_->window()->grab(inWindow(widget)).toImage(); };
    const QString text = caption(widget);
    Ink ink{grab(), {}, {}};
    widget->setProperty(captionOf(widget), QString());
    const QImage without = grab();
    widget->setProperty(captionOf(widget), text);
    for (int y = 0; y < without.height(); ++y) {
        for (int x = 0; x < without.width(); ++x)
            ink.box |= ink.with.pixel(x, y) != without.pixel(x, y) ? QRect(x, y, 1, 1) : QRect();
    }
    ink.surface = without.pixel(ink.box.topLeft());
    return ink;
}

void WindowTest::opensOnItsScreen()
{
    Korvid *window = window_->window();
    QCOMPARE(window->windowTitle(), QStringLiteral("Korvid V1.1.0 0314"));
    QCOMPARE(QGuiApplication::desktopFileName(), QStringLiteral("cn.qingyou.Korvid")); // the entry, on Wayland
    QVERIFY(!window->windowIcon().isNull());
    QCOMPARE(window->size(), QSize(906, 639));
    if (QGuiApplication::platformName() == QLatin1String("wayland"))
        QSKIP("a Wayland client cannot place its window; the compositor does");

    // On a 1920 × 1080 screen whose windows have frames of 2 device pixels:
    // the client area at the form's place where the whole window fits, else
    // moved just enough for the frame to lie on the screen, top-left first.
    const QMap<double, QPoint> expected{{1.0, {98, 229}}, {1.25, {98, 223}}, {1.5, {98, 80}}, {2.0, {53, 1}}};
    const double scale = window->devicePixelRatio();
    QCOMPARE(window->geometry().topLeft(), expected.value(scale));
}

// Which control a point of the window belongs to, front to back, and the
// colour painted there where the form fixes one.
void WindowTest::whatIsWhere_data()
{
    QTest::addColumn<QPoint>("point");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QColor>("colour");

    QTest::newRow("Command1 over Frame2") << QPoint(84, 100) << "Command1" << QColor();
    QTest::newRow("Command3 over Frame2") << QPoint(388, 108) << "Command3" << QColor();
    QTest::newRow("top button over the band") << QPoint(376, 28) << "Command15" << QColor();
    QTest::newRow("text box over the label beside it") << QPoint(64, 500) << "Text2" << QColor();
    QTest::newRow("Text1 over the end of Check1") << QPoint(204, 596) << "Text1" << QColor();
    QTest::newRow("chemistry over the edge of mathematics") << QPoint(456, 300) << "Frame8" << QColor();
    QTest::newRow("picture in Frame4") << QPoint(850, 590) << "Image1" << QColor();
    QTest::newRow("band fill") << QPoint(12, 12) << "" << QColor(0x80, 0xFF, 0xFF);
    QTest::newRow("band border") << QPoint(8, 30) << "" << QColor(0xFF, 0x00, 0x00);
    QTest::newRow("useful part") << QPoint(892, 300) << "Frame1" << QColor(0x80, 0xFF, 0x80);
    QTest::newRow("physics corner") << QPoint(30, 266) << "Frame2" << QColor(0x00, 0xFF, 0xFF);
    QTest::newRow("physics corner's first pixel") << QPoint(16, 72) << "Frame2" << QColor(0x00, 0xFF, 0xFF);
    QTest::newRow("and the pixel before it") << QPoint(15, 71) << "Frame1" << QColor(0x80, 0xFF, 0x80);
    QTest::newRow("biology corner") << QPoint(460, 266) << "Frame5" << QColor(0xFF, 0xC0, 0xFF);
    QTest::newRow("mathematics corner") << QPoint(20, 466) << "Frame3" << QColor(0xFF, 0xFF, 0xC0);
    QTest::newRow("chemistry corner") << QPoint(884, 466) << "Frame8" << QColor(0xC0, 0xFF, 0xC0);
}

void WindowTest::whatIsWhere()
{
    QFETCH(QPoint, point);
    QFETCH(QString, control);
    QFETCH(QColor, colour);
    QWidget *hit = window_->window()->childAt(point);
    QCOMPARE(hit ? hit->objectName() : QString(), control);
    const QImage image = window_->window()->grab(QRect(point, QSize(1, 1))).toImage();
    if (colour.isValid())
        QCOMPARE(image.pixelColor(image.width() / 2, image.height() / 2).rgb(), colour.rgb());
}

void WindowTest::captionsShowWhole_data()
{
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<int>("lines");

    QTest::newRow("two-line button caption") << QByteArray("Command3") << 2;
    QTest::newRow("caption with a space") << QByteArray("Command5") << 2;
    QTest::newRow("narrow clear button") << QByteArray("Command9") << 3;
    QTest::newRow("wide forgiving button") << QByteArray("Command6") << 1;
    QTest::newRow("two-line label") << QByteArray("Label10") << 2;
    QTest::newRow("long two-line label") << QByteArray("Label9") << 2;
    QTest::newRow("label that just fits") << QByteArray("Label4") << 1;
    QTest::newRow("long label on one line") << QByteArray("Label7") << 1;
    QTest::newRow("version and date") << QByteArray("Label8") << 1;
}

// Lines of text a caption shows, counted from its ink in ems, every character
// in the face; 宋体 9 pt from the bitmaps only where they exist: 12 px at 1 and
// 15 at 1.25, not 18 or 24 px.
void WindowTest::captionsShowWhole()
{
    QFETCH(QByteArray, name);
    QFETCH(int, lines);
    QWidget *widget = control(name.constData());
    const QFontMetrics metrics(widget->font());
    for (const QChar c : caption(widget))
        QVERIFY2(c.isSpace() || metrics.inFont(c), qPrintable(QStringLiteral("missing ") + c));
    const Ink ink = inkOf(widget);
    QCOMPARE(qRound(ink.box.height() / (QFontInfo(widget->font()).pixelSize() * ink.with.devicePixelRatio())), lines);

    const bool bitmaps = widget->font().pointSizeF() == 9 && widget->devicePixelRatio() < 1.4;
    QCOMPARE(bool(widget->font().styleStrategy() & QFont::NoAntialias), bitmaps);
}

// The bitmap strikes follow the pixel ratio of the screen the window is on.
void WindowTest::fontsFollowTheScreen()
{
    const QList<QScreen *> screens = QGuiApplication::screens();
    if (screens.size() < 2)
        QSKIP("one screen only");
    const auto bitmaps = [this] { return bool(control("Label9")->font().styleStrategy() & QFont::NoAntialias); };
    const bool here = bitmaps();
    window_->window()->windowHandle()->setScreen(screens[1]); // twice the pixel ratio: 24 px or more
    QCOMPARE(bitmaps(), false);
    window_->window()->windowHandle()->setScreen(screens[0]);
    QCOMPARE(bitmaps(), here);
}

void WindowTest::readableUnderEveryPalette_data()
{
    QTest::addColumn<QPalette>("palette");
    QTest::newRow("light") << QApplication::style()->standardPalette();

    // As GTK's Adwaita:dark hands it to Qt.
    QPalette dark(QColor(0xEE, 0xEE, 0xEC), QColor(0x35, 0x35, 0x35));
    dark.setColor(QPalette::Base, QColor(0x2D, 0x2D, 0x2D));
    dark.setColor(QPalette::Text, Qt::white);
    dark.setColor(QPalette::Button, QColor(0x35, 0x35, 0x35));
    dark.setColor(QPalette::ButtonText, QColor(0xEE, 0xEE, 0xEC));
    QTest::newRow("dark") << dark;
}

// WCAG AA, at least 4.5:1, between every text and the surface under it as
// painted: the ink's most distinct pixel against what is there without it.
void WindowTest::readableUnderEveryPalette()
{
    QFETCH(QPalette, palette);
    const auto restore = qScopeGuard([before = QApplication::palette()] { QApplication::setPalette(before); });
    QApplication::setPalette(palette);
    window_ = std::make_unique<TestWindow>();
    window_->answers()->setText(QStringLiteral("45.0000000"));

    int checked = 0;
    for (QWidget *widget : window_->window()->findChildren<QWidget *>()) {
        if (caption(widget).isEmpty() || widget->width() < 2) // hairline frames never show their captions
            continue;
        const Ink ink = inkOf(widget);
        double best = 1;
        for (int y = ink.box.top(); y <= ink.box.bottom(); ++y) {
            for (int x = ink.box.left(); x <= ink.box.right(); ++x)
                best = std::max(best, contrast(ink.with.pixel(x, y), ink.surface));
        }
        if (qobject_cast<QGroupBox *>(widget))
            qInfo("%s \"%s\": %.1f:1", QTest::currentDataTag(), qPrintable(caption(widget)), best);
        QVERIFY2(best >= 4.5, qPrintable(widget->objectName() + QStringLiteral(": ") + QString::number(best)));
        ++checked;
    }
    QCOMPARE(checked, 35); // every control but the picture, the band and the two hairlines
}

// A desktop theme may set its own application font after start-up; the
// form's captions stay exactly where they were.
void WindowTest::themeFontMovesNothing()
{
    const QImage before = window_->window()->grab().toImage();
    const QFont font = QApplication::font();
    QApplication::setFont(QFont(QStringLiteral("DejaVu Sans"), 14, QFont::Bold));
    const QImage after = window_->window()->grab().toImage();
    QApplication::setFont(font);
    QVERIFY(before == after);
}

void WindowTest::focusChain()
{
    QCOMPARE(window_->window()->focusWidget(), control("Command1"));
    QStringList order{QStringLiteral("Command1")};
    for (QWidget *next = control("Command1")->nextInFocusChain(); next != control("Command1");
         next = next->nextInFocusChain()) {
        if (next->focusPolicy() & Qt::TabFocus)
            order << next->objectName();
    }
    QCOMPARE(order.join(QLatin1Char(' ')),
             QStringLiteral("Command1 Command2 Command3 Command4 Command5 Command6 Check1 "
                            "Text1 Command7 Command8 Text2 Command9 Command11 Command12 "
                            "Command13 Command14 Command15 Command10 Command16"));
}

// Each click, or Space, answers with a caption that says the user supports
// the author; the caption starts close to the box, so its end shows before
// the text box that covers the end of the control.
void WindowTest::supportCaptions()
{
    auto *box = window_->control<QCheckBox>("Check1");
    const QString thanks = QStringLiteral("支持（谢谢支持！）");
    const QString tease = QStringLiteral("支持（好气啊，取消不了了吧！）");
    for (const QString &expected : {thanks, tease, thanks}) {
        window_->click("Check1");
        QCOMPARE(box->text(), expected);
    }
    QTest::keyClick(box, Qt::Key_Space);
    QCOMPARE(box->checkState(), Qt::Unchecked);
    QCOMPARE(box->text(), tease);

    box->clearFocus();
    control("Text1")->hide(); // to see what lies under it
    const QRect ink = inkOf(box).box;
    const qreal scale = box->devicePixelRatioF();
    if (scale == 1)
        QVERIFY2(ink.left() <= 16, qPrintable(QString::number(ink.left())));
    QVERIFY2(ink.right() < (inWindow(control("Text1")).left() - inWindow(box).left()) * scale,
             "the closing bracket lies under Text1");
}

void WindowTest::clearAndPlaceholders()
{
    window_->answers()->setText(QStringLiteral("2.0203052"));
    QTest::keyClicks(window_->answers(), QStringLiteral("9")); // it only shows answers
    QTest::keyClicks(control("Text1"), QStringLiteral("x"));
    for (const char *name :
         {"Command3", "Command4", "Command5", "Command6", "Command7", "Command10", "Command11", "Command12",
          "Command13", "Command14", "Command15", "Command16", "Label6", "Frame2", "Image1", "Label1", "Text1"})
        window_->click(name);
    QCOMPARE(window_->seen, QStringList()); // no dialog opened
    QCOMPARE(window_->answers()->text(), QStringLiteral("2.0203052"));
    QCOMPARE(caption(control("Check1")), QStringLiteral("是否支持作者"));

    window_->click("Command9");
    QCOMPARE(window_->answers()->text(), QString());
    QCOMPARE(caption(control("Text1")), QStringLiteral("吐槽框（虽然作者看不到）x"));
}

// Screen readers read each control by its current caption, or by the name
// the form gives a control without one, and hear each result as it comes.
void WindowTest::screenReaders()
{
    window_->click("Check1");
    QMap<QString, QString> names; // of every focusable control and every frame
    const auto walk = [&names](auto &&self, QAccessibleInterface *node) -> void {
        if (node->state().focusable || node->role() == QAccessible::Grouping)
            names[node->object()->objectName()] = node->text(QAccessible::Name);
        for (int i = 0; i < node->childCount(); ++i)
            self(self, node->child(i));
    };
    walk(walk, QAccessible::queryAccessibleInterface(window_->window()));
    QCOMPARE(names.size(), 19 + 8); // the focus chain and the frames
    QCOMPARE(names.keys(QString()), QStringList()); // none without a name
    QCOMPARE(names["Text2"] + names["Text1"] + names["Frame2"], QStringLiteral("答案吐槽框物理专区"));
    QCOMPARE(names["Check1"], QStringLiteral("支持（谢谢支持！）"));
    const QAccessibleInterface *portrait = QAccessible::queryAccessibleInterface(control("Image1"));
    QCOMPARE(portrait->text(QAccessible::Name), QStringLiteral("作者猥琐头像"));

    // A second result: what is heard is the new one, not the whole box.
    window_->replies = {"10", "5", "10", "3"};
    window_->click("Command1");
    QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(true); // as a screen reader does
    heard.clear();
    QAccessible::installUpdateHandler([](QAccessibleEvent *event) {
        if (event->type() == QAccessible::TextInserted)
            heard << event->object()->objectName() + QStringLiteral(": ")
                         + static_cast<QAccessibleTextInsertEvent *>(event)->textInserted();
    });
    window_->click("Command2");
    QAccessible::installUpdateHandler(nullptr);
    QCOMPARE(heard, QStringList{QStringLiteral("Text2: 45.0000000")});
}

using Replies = QList<std::optional<QString>>;
Q_DECLARE_METATYPE(Replies)

namespace {

const std::optional<QString> kCancel;
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

void WindowTest::click_data()
{
    QTest::addColumn<QByteArray>("button");
    QTest::addColumn<Replies>("replies");
    QTest::addColumn<QString>("outcome");

    row("empty reply is 0", "Command2", {"10", ""}, "0.0000000");
    row("full-width replies", "Command1", {"　９．８", "２０"}, "2.0203052");
    row("reply beyond double range stops at once", "Command2", {"1e400"}, kOverflow);
    row("a reply longer than a line edit holds", "Command2", {"10", "3" + QString(40000, QLatin1Char('0')) + "e-40000"},
        "45.0000000");
    row("cancel the first", "Command1", {kCancel}, {});
    row("cancel the third", "Command8", {"1", "1", kCancel}, {});
    row("time: height is a float", "Command1", {"14.5", "742.76"}, "10.1217422");
    row("time: both negative", "Command1", {"-10", "-5"}, "1.0000000");
    row("time: no g, no height", "Command1", {"0", "0"}, kOverflow);
    row("time: no g", "Command1", {"0", "5"}, kDivisionByZero);
    row("time: upward g", "Command1", {"-9.8", "5"}, kInvalidCall);
    row("time: negative height", "Command1", {"9.8", "-5"}, kInvalidCall);
    row("time: height beyond float", "Command1", {"10", "1e39"}, kOverflow);
    row("time: time beyond float", "Command1", {"1e-300", "1"}, kOverflow);
    row("distance: negative g", "Command2", {"-10", "3"}, "-45.0000000");
    row("distance: time is a float", "Command2", {"72.6", "45.559"}, "75345.0859375");
    row("distance: g times t, then t", "Command2", {"79.6", "88.125"}, "309087.4062500");
    row("distance: result beyond float", "Command2", {"10", "1e20"}, kOverflow);
    row("distance: time beyond float", "Command2", {"10", "1e39"}, kOverflow);
    row("distance: time beyond float, no g", "Command2", {"0", "1e39"}, kOverflow);
    row("force: on the earth", "Command8", {"6371000", "5.972e24", "1"}, "9.8174575");
    row("force: negative distance", "Command8", {"-6371000", "5.972e24", "1"}, "9.8174575");
    row("force: m times M, then G, rounding up", "Command8", {"1.72", "520300000000000", "39113"}, "458999804.2597390");
    row("force: divided by the square", "Command8", {"1.77", "667170000000000", "61407"}, "872574059.4960320");
    row("force: masses beyond a double", "Command8", {"1e150", "1e155", "1e155"}, "0.6672590");
    row("force: square beyond a double", "Command8", {"1e200", "1e30", "1"}, "0.0000000");
    row("force: no distance", "Command8", {"0", "1", "1"}, kDivisionByZero);
    row("force: square below a double", "Command8", {"1e-200", "1", "1"}, kDivisionByZero);
    row("force: no distance, no mass", "Command8", {"0", "0", "1"}, kOverflow);
    row("force: force beyond a double", "Command8", {"1e-160", "1e200", "1e100"}, kOverflow);
}

void WindowTest::click()
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
void WindowTest::resultsRunOnUntilCleared()
{
    const QString held(100000, QLatin1Char('7'));
    window_->answers()->setText(held);
    window_->replies = {"10", "5", "10", "3", "6371000", "5.972e24", "1"};
    window_->click("Command1");
    window_->click("Command2");
    window_->click("Command8");
    QCOMPARE(window_->answers()->text(), held + QStringLiteral("1.000000045.00000009.8174575"));
    QCOMPARE(window_->seen,
             QStringList({"重力加速度为(单位m/s^2)：", "平抛运动的高度为(单位t)：", "重力加速度为(单位m/s^2)：",
                          "平抛运动时间为(单位t)：", "两天体（或物体）间的距离为(单位m)：",
                          "中心天体（或物体）的质量为(单位kg)：", "围绕天体（或物体）的质量为(单位kg)："}));

    window_->click("Command9");
    QCOMPARE(window_->answers()->text(), QString());
    window_->replies = {"-10", "3"};
    window_->click("Command2");
    QCOMPARE(window_->answers()->text(), QStringLiteral("-45.0000000"));
}

// Errors no calculation raises still end only the click.
void WindowTest::unexpectedErrors()
{
    QStringList reported;
    for (const auto &fail : {+[] { throw std::bad_alloc(); }, +[] { throw std::logic_error("unforeseen"); }})
        runGuarded(fail, [&reported](const QString &message) { reported << message; });
    QCOMPARE(reported, QStringList({"运行时错误 '7'：\n\n内存不足", "运行时错误 '51'：\n\n内部错误"}));
}

namespace {

// Answers the modal dialog that opens next, from inside its event loop, and
// records its title and text.
QString shown;
void whenShown(const std::function<void(QWidget *dialog, QLineEdit *field)> &act)
{
    QTimer::singleShot(10, [act] {
        QWidget *dialog = QApplication::activeModalWidget();
        if (!dialog || !dialog->isVisible())
            return whenShown(act);
        const auto *box = qobject_cast<QMessageBox *>(dialog);
        shown = dialog->windowTitle() + QLatin1Char('|') + (box ? box->text() : dialog->findChild<QLabel *>()->text());
        act(dialog, dialog->findChild<QLineEdit *>());
    });
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

// The input dialog and the message box the window uses by default, driven
// as a user drives them.
void WindowTest::realDialogs()
{
    const Dialogs dialogs = modalDialogs(nullptr);
    const QString prompt = QStringLiteral("重力加速度为(单位m/s^2)：");
    whenShown([](QWidget *, QLineEdit *field) {
        QTest::keyClicks(field, QStringLiteral("9.8"));
        QTest::keyClick(field, Qt::Key_Return);
    });
    QCOMPARE(dialogs.ask(prompt), QStringLiteral("9.8"));
    QCOMPARE(shown, QStringLiteral("Korvid|") + prompt);
    // A Wayland clipboard belongs to a seat, and a headless compositor has none.
    if (QGuiApplication::platformName() != QLatin1String("wayland")) {
        const QString pasted = QStringLiteral("3") + QString(40000, QLatin1Char('0')) + QStringLiteral("e-40000");
        QApplication::clipboard()->setText(pasted);
        whenShown([](QWidget *dialog, QLineEdit *field) {
            QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
            press(dialog, QStringLiteral("确定"));
        });
        QCOMPARE(dialogs.ask(prompt), pasted);
    }
    whenShown([](QWidget *dialog, QLineEdit *) { press(dialog, QStringLiteral("取消")); });
    QCOMPARE(dialogs.ask(prompt), std::nullopt);
    whenShown([](QWidget *, QLineEdit *field) { QTest::keyClick(field, Qt::Key_Escape); });
    QCOMPARE(dialogs.ask(prompt), std::nullopt);
    whenShown([](QWidget *dialog, QLineEdit *) { dialog->close(); });
    QCOMPARE(dialogs.ask(prompt), std::nullopt);

    whenShown([](QWidget *dialog, QLineEdit *) { press(dialog, QStringLiteral("确定")); });
    dialogs.report(QStringLiteral("运行时错误 '6'：\n\n溢出"));
    QCOMPARE(shown, QStringLiteral("Korvid|运行时错误 '6'：\n\n溢出"));
}

QTEST_MAIN(WindowTest)
#include "tst_window.moc"
