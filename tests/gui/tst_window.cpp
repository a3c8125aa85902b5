#include "application.h"
#include "contrast.h"
#include "errorboundary.h"
#include "form.h"
#include "korvid.h"
#include "metadata.h"

#include <QtTest>
#include <QtWidgets>
#include <private/qhighdpiscaling_p.h>
#include <qpa/qplatformscreen.h>
#include <qpa/qwindowsysteminterface.h>

#include <memory>
#include <optional>

using Replies = QList<std::optional<QString>>;
Q_DECLARE_METATYPE(Replies)

namespace {

// The controls a test reaches for, by the form's names for them.
constexpr const char *kTime = "Command1", *kDistance = "Command2", *kForce = "Command8", *kClear = "Command9",
                     *kAnswers = "Text2", *kComplaints = "Text1", *kSupport = "Check1";

// A frame's caption is its title, any other control's its text.
const char *captionOf(QWidget *widget)
{
    return qobject_cast<QGroupBox *>(widget) ? "title" : "text";
}

QString caption(QWidget *widget)
{
    return widget->property(captionOf(widget)).toString();
}

// Where `with` differs from `without`, and its colours there.
void differences(const QImage &with, const QImage &without, QRect &box, QSet<QRgb> &colours)
{
    for (int y = 0; y < with.height(); ++y) {
        for (int x = 0; x < with.width(); ++x) {
            if (with.pixel(x, y) != without.pixel(x, y))
                box |= QRect(x, y, 1, 1), colours << with.pixel(x, y);
        }
    }
}

// How a character drawn alone in `font` falls short of the outline the face
// gives it, when its ink is missing or spans less than most of the outline.
QString brokenGlyph(const QFont &font, QChar c, qreal scale)
{
    const int em = QFontInfo(font).pixelSize();
    QImage blank(QSize(em * 4, em * 4) * scale, QImage::Format_RGB32);
    blank.setDevicePixelRatio(scale);
    blank.fill(Qt::white);
    QImage image = blank;
    QPainter painter(&image);
    painter.setFont(font);
    painter.drawText(QPointF(em, em * 2), c);
    painter.end();
    QRect ink;
    QSet<QRgb> colours;
    differences(image, blank, ink, colours);
    QPainterPath outline;
    outline.addText(0, 0, font, c);
    const QSizeF drawn = QSizeF(ink.size()) / scale, expected = outline.boundingRect().size();
    if (!ink.isEmpty() && drawn.width() >= expected.width() * 0.7 - 1 && drawn.height() >= expected.height() * 0.7 - 1)
        return {};
    return QString::asprintf("\"%s\": %g x %g drawn of %g x %g", qPrintable(QString(c)), drawn.width(), drawn.height(),
                             expected.width(), expected.height());
}

const QString kInvalidCall = QStringLiteral("运行时错误 '5'：\n\n无效的过程调用或参数");
const QString kOverflow = QStringLiteral("运行时错误 '6'：\n\n溢出");
const QString kDivisionByZero = QStringLiteral("运行时错误 '11'：\n\n除数为零");

// A click with "1.0000000" in the answer box, part of it selected and the
// cursor in the middle; `outcome` is the result it appends, the message of
// the error it ends in, or nothing if cancelled.
void row(const char *name, const QByteArray &button, const Replies &replies, const QString &outcome)
{
    QTest::newRow(name) << button << replies << outcome;
}

// Records each real dialog as it shows: its title, its text and its
// buttons' captions, and its font; then, once its own event loop runs,
// confirms it, an input dialog with the next reply.
class DialogWatcher : public QObject {
public:
    explicit DialogWatcher(QStringList replies) : replies_(std::move(replies)) { qApp->installEventFilter(this); }

    QStringList seen;
    QList<QFont> fonts;

protected:
    bool eventFilter(QObject *object, QEvent *event) override
    {
        auto *dialog = qobject_cast<QDialog *>(object);
        if (event->type() == QEvent::Show && dialog) {
            auto *input = qobject_cast<QInputDialog *>(dialog);
            QStringList shown{dialog->windowTitle(),
                              input ? input->labelText() : static_cast<QMessageBox *>(dialog)->text()};
            for (const QPushButton *button : dialog->findChildren<QPushButton *>())
                shown << button->text();
            seen << shown.join(QLatin1Char('|'));
            fonts << dialog->font();
            QTimer::singleShot(
                0, dialog, [dialog, input, reply = input && !replies_.isEmpty() ? replies_.takeFirst() : QString()] {
                    if (input)
                        input->setTextValue(reply);
                    dialog->accept();
                });
        }
        return false;
    }

private:
    QStringList replies_;
};

// A shown Korvid window, on `screen` if one is named, whose dialogs are
// scripted: each prompt takes the next reply (nothing, or none left, stands
// for 取消), and the prompts and error messages are recorded as the user
// would have seen them. Unscripted, it shows its own dialogs.
class TestWindow : public Korvid {
public:
    explicit TestWindow(QScreen *screen = nullptr, bool scripted = true)
        : Korvid([this, scripted](QWidget &window) {
              if (!scripted)
                  return modalDialogs(window);
              return Dialogs{[this](const QString &prompt) {
                                 prompts << prompt;
                                 return replies.isEmpty() ? std::nullopt : replies.takeFirst();
                             },
                             [this](const QString &message) { errors << message; }};
          })
    {
        if (screen) {
            move(screen->geometry().topLeft() + QPoint(8, 8));
            setScreen(screen);
        }
        show();
        if (!QTest::qWaitForWindowExposed(this))
            qFatal("the window was never shown");
    }

    template<typename T = QWidget>
    T *control(const char *name) const
    {
        return findChild<T *>(QLatin1String(name));
    }
    QLineEdit *answers() const { return control<QLineEdit>(kAnswers); }

    // A left click in the middle of the control.
    void click(const char *name) const { QTest::mouseClick(control(name), Qt::LeftButton); }

    Replies replies;
    QStringList prompts;
    QStringList errors;
};

} // namespace

// The window as a user meets it, at the scale factor and on the platform the
// test runs on (CTest runs it at several): the form as it shows itself, then
// the calculations with scripted replies, and the real input dialog and
// message box answered as a user answers them.
class WindowTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        prepareApplication(*qApp);
        palette_ = QApplication::palette();
        font_ = QApplication::font();
    }

    void init() { window_ = std::make_unique<TestWindow>(); }

    void cleanup()
    {
        window_.reset();
        QCOMPARE(QApplication::palette(), palette_);
        QCOMPARE(QApplication::font(), font_);
        QVERIFY(!QApplication::activeModalWidget());
    }

    void opensOnItsScreen()
    {
        QCOMPARE(window_->windowTitle(), QStringLiteral(KORVID_WINDOW_TITLE));
        QCOMPARE(QGuiApplication::desktopFileName(), QStringLiteral(KORVID_APP_ID)); // the entry, on Wayland
        QVERIFY(!window_->windowIcon().isNull());
        // The form's size, unless the platform fits a window taller than its
        // screen to the screen, as Windows does.
        const QRect area = window_->screen()->availableGeometry(), frame = window_->frameGeometry();
        QCOMPARE(window_->width(), 906);
        if (639 + frame.height() - window_->height() <= area.height())
            QCOMPARE(window_->height(), 639);
        if (QGuiApplication::platformName() == QLatin1String("wayland"))
            QSKIP("a Wayland client cannot place its window; the compositor does");

        // The window, frame included, lies on its screen's available area; one
        // larger than that starts at its top left, where its title bar shows.
        QVERIFY(area.contains(QRect(frame.topLeft(), frame.size().boundedTo(area.size()))));
        // On the offscreen screens, 1920 × 1080 device pixels whose frames are
        // 2 device pixels: the client area at the form's place where the whole
        // window fits there, at 100 %; at 125 % and 150 % (864 and 720 logical
        // pixels high) moved up just enough for the frame's bottom to lie on
        // the screen; at 200 % (960 × 540) moved left just enough for its
        // right edge, and, taller than the screen, with its frame at the top.
        const QMap<double, QPoint> expected{{1.0, {98, 229}}, {1.25, {98, 223}}, {1.5, {98, 80}}, {2.0, {53, 1}}};
        if (QGuiApplication::platformName() == QLatin1String("offscreen"))
            QCOMPARE(window_->geometry().topLeft(), expected.value(window_->devicePixelRatio()));
    }

    // Which control a point of the window belongs to, front to back, and the
    // colour painted there where the form fixes one.
    void whatIsWhere_data()
    {
        QTest::addColumn<QPoint>("point");
        QTest::addColumn<QString>("control");
        QTest::addColumn<QColor>("colour");

        QTest::newRow("time button over the physics corner") << QPoint(84, 100) << kTime << QColor();
        QTest::newRow("top button over the band") << QPoint(376, 28) << "Command15" << QColor();
        QTest::newRow("answer box over the label beside it") << QPoint(64, 500) << kAnswers << QColor();
        QTest::newRow("complaint box over the end of the check box") << QPoint(204, 596) << kComplaints << QColor();
        QTest::newRow("chemistry over the edge of mathematics") << QPoint(456, 300) << "Frame8" << QColor();
        QTest::newRow("picture in its frame") << QPoint(850, 590) << "Image1" << QColor();
        QTest::newRow("band fill") << QPoint(12, 12) << "" << QColor(0x80, 0xFF, 0xFF);
        QTest::newRow("band border") << QPoint(8, 30) << "" << QColor(0xFF, 0x00, 0x00);
        QTest::newRow("physics corner's first pixel") << QPoint(16, 72) << "Frame2" << QColor(0x00, 0xFF, 0xFF);
        QTest::newRow("and the pixel before it") << QPoint(15, 71) << "Frame1" << QColor(0x80, 0xFF, 0x80);
    }

    void whatIsWhere()
    {
        QFETCH(QPoint, point);
        QFETCH(QString, control);
        QFETCH(QColor, colour);
        QWidget *hit = window_->childAt(point);
        QCOMPARE(hit ? hit->objectName() : QString(), control);
        const QImage image = window_->grab(QRect(point, QSize(1, 1))).toImage();
        if (colour.isValid())
            QCOMPARE(image.pixelColor(image.width() / 2, image.height() / 2).rgb(), colour.rgb());
    }

    void keepsItsLook_data()
    {
        QTest::addColumn<QString>("change");
        QTest::newRow("moved to a screen twice as dense") << "move";
        QTest::newRow("its screen rescaled to twice the density") << "rescale";
        QTest::newRow("a theme's application font set after start-up") << "font";
    }

    // Whatever changes around the open window, it looks exactly as one opened
    // then: its captions are set for the density of the screen it is on now,
    // in the form's faces, whatever font a desktop theme sets.
    void keepsItsLook()
    {
        QFETCH(QString, change);
        const QList<QScreen *> screens = QGuiApplication::screens();
        if (change == "move" && screens.size() < 2)
            QSKIP("one screen only");
        QScreen *screen = screens[change == "move" ? 1 : 0];
        const auto rescale = [screen](qreal factor) {
            QHighDpiScaling::setScreenFactor(screen, factor);
            // as a platform tells of it
            QWindowSystemInterface::handleScreenLogicalDotsPerInchChange(screen, screen->handle()->logicalDpi().first,
                                                                         screen->handle()->logicalDpi().second);
            QWindowSystemInterface::flushWindowSystemEvents();
        };
        const auto restore = qScopeGuard([&] {
            rescale(1);
            QApplication::setFont(font_);
        });
        if (change == "move")
            window_->windowHandle()->setScreen(screen);
        else if (change == "rescale")
            rescale(2);
        else
            QApplication::setFont(QFont(QStringLiteral("DejaVu Sans"), 14, QFont::Bold));
        const QImage changed = window_->grab().toImage();
        QApplication::setFont(font_);
        TestWindow opened(screen);
        QCOMPARE(changed.devicePixelRatio(), opened.devicePixelRatio());
        // as much of it as the changed window still shows, where a platform
        // keeps its size in device pixels
        QVERIFY(changed == opened.grab(window_->rect()).toImage());
    }

    void everyCaption_data()
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

    // Every caption as it shows under every palette, the desktop's theme
    // switched to it while the window is open. Each character is drawn whole
    // by the face the form uses. Captions that wrap, or only just fit, show
    // as many lines as the form gives them, counted from their ink in ems;
    // 宋体's small sizes are drawn from its hand-made bitmaps, crisp, as on
    // the Chinese desktop: 9 pt at 12 and 15 px; from 18 px on there are
    // none, and text is smooth rather than jagged, as it is in a face
    // without bitmaps (微软雅黑). Each text reads well on
    // the surface under it as painted: WCAG AA, at least 4.5:1, between the
    // ink's most distinct colour and what is there without it; the answer's
    // label lies on the desktop's window background as it is now. Screen
    // readers read each control by the caption it shows, or by the name the
    // form gives a control without one; decorations say nothing. (What they
    // hear of each result the end-to-end test listens to.)
    void everyCaption()
    {
        QFETCH(QPalette, palette);
        const auto restore = qScopeGuard([before = QApplication::palette()] { QApplication::setPalette(before); });
        QApplication::setPalette(palette);
        QCoreApplication::sendPostedEvents(); // as the event loop hands the change to the window
        window_->answers()->setText(QStringLiteral("45.0000000"));
        window_->click(kSupport);
        // what the check box's other caption has that the one it shows lacks
        const QString tease = QStringLiteral("好气啊，取消不了吧");
        const QMap<QString, int> lines{{"Command3", 2}, {"Command5", 2}, // the second one at a space
                                       {kClear, 3}, // the narrow clear button
                                       {"Command6", 1}, {"Command16", 1}, // wide, and the largest, bold italic
                                       {"Label10", 2},  {"Label9", 2},    {"Label4", 1},
                                       {"Label7", 1},   {"Label8", 1}}; // version and date

        for (QWidget *widget : window_->findChildren<QWidget *>()) {
            const QAccessibleInterface *node = QAccessible::queryAccessibleInterface(widget);
            const QString name = node->text(QAccessible::Name);
            const Ink ink = inkOf(widget);
            if (qobject_cast<QLineEdit *>(widget) || (qobject_cast<QLabel *>(widget) && caption(widget).isEmpty()))
                QVERIFY2(!name.isEmpty(), qPrintable(widget->objectName())); // named by the form, as below
            else if (!ink.box.isEmpty())
                QCOMPARE(name, caption(widget));
            else
                QVERIFY2(name.isEmpty() && node->state().invisible, qPrintable(widget->objectName() + ": " + name));
            if (ink.box.isEmpty())
                continue;

            const qreal scale = ink.with.devicePixelRatio();
            for (const QChar c : caption(widget) + (qobject_cast<QCheckBox *>(widget) ? tease : QString())) {
                const QString broken = c.isSpace() ? QString() : brokenGlyph(widget->font(), c, scale);
                QVERIFY2(broken.isEmpty(), qPrintable(widget->objectName() + ": " + broken));
            }
            if (lines.contains(widget->objectName())) {
                const int shown = qRound(ink.box.height() / (QFontInfo(widget->font()).pixelSize() * scale));
                const bool crisp = ink.colours.size() == 1,
                           bitmapSize = widget->font().pointSizeF() == 9 && scale < 1.4
                                        && !QRawFont::fromFont(widget->font()).fontTable("EBLC").isEmpty();
                QVERIFY2(shown == lines[widget->objectName()] && crisp == bitmapSize,
                         qPrintable(widget->objectName() + QString::asprintf(": %d lines, crisp %d", shown, crisp)));
            }
            double best = 1;
            for (const QRgb colour : ink.colours)
                best = std::max(best, contrast(colour, ink.surface));
            QVERIFY2(best >= 4.5, qPrintable(widget->objectName() + QStringLiteral(": ") + QString::number(best)));
        }
        QCOMPARE(inkOf(control("Label1")).surface, palette.color(QPalette::Base).rgb());
    }

    // Each click, or Space, answers with a caption that says the user supports
    // the author; the caption starts close to the box, so its end shows before
    // the text box that covers the end of the control.
    void supportCaptions()
    {
        auto *box = window_->control<QCheckBox>(kSupport);
        const QString thanks = QStringLiteral("支持（谢谢支持！）");
        const QString tease = QStringLiteral("支持（好气啊，取消不了了吧！）");
        for (const QString &expected : {thanks, tease, thanks}) {
            window_->click(kSupport);
            QCOMPARE(box->text(), expected);
        }
        QTest::keyClick(box, Qt::Key_Space);
        QCOMPARE(box->checkState(), Qt::Unchecked);
        QCOMPARE(box->text(), tease);

        box->clearFocus();
        control(kComplaints)->hide(); // to see what lies under it
        const QRect ink = inkOf(box).box;
        const qreal scale = box->devicePixelRatioF();
        if (scale == 1)
            QCOMPARE_LE(ink.left(), 16);
        // the closing bracket before the complaint box
        QCOMPARE_LT(ink.right(), (inWindow(control(kComplaints)).left() - inWindow(box).left()) * scale);
    }

    // Qt's own texts, such as the answer box's context menu, are Chinese too.
    void qtTextsInChinese()
    {
        const std::unique_ptr<QMenu> menu(window_->answers()->createStandardContextMenu());
        for (const QAction *action : menu->actions()) {
            QVERIFY2(action->isSeparator() || action->text().contains(QRegularExpression(QStringLiteral("\\p{Han}"))),
                     qPrintable(action->text()));
        }
    }

    void click_data()
    {
        QTest::addColumn<QByteArray>("button");
        QTest::addColumn<Replies>("replies");
        QTest::addColumn<QString>("outcome");

        row("empty reply is 0", kDistance, {"10", ""}, "0.0000000");
        row("full-width replies", kTime, {"　９．８", "２０"}, "2.0203052");
        row("reply beyond double range stops at once", kDistance, {"1e400"}, kOverflow);
        row("cancel the first", kTime, {std::nullopt}, {});
        row("cancel the third", kForce, {"1", "1", std::nullopt}, {});
        row("time: height is a float", kTime, {"14.5", "742.76"}, "10.1217422");
        row("time: both negative", kTime, {"-10", "-5"}, "1.0000000");
        row("time: no g, no height", kTime, {"0", "0"}, kOverflow);
        row("time: no g", kTime, {"0", "5"}, kDivisionByZero);
        row("time: upward g, less than a second", kTime, {"-20", "5"}, kInvalidCall);
        row("time: negative height", kTime, {"9.8", "-5"}, kInvalidCall);
        row("time: height beyond float", kTime, {"10", "1e39"}, kOverflow);
        row("time: time beyond float", kTime, {"1e-300", "1"}, kOverflow);
        row("distance: negative g", kDistance, {"-10", "3"}, "-45.0000000");
        row("distance: time is a float", kDistance, {"72.6", "45.559"}, "75345.0859375");
        row("distance: g times t, then t", kDistance, {"79.6", "88.125"}, "309087.4062500");
        row("distance: result beyond float", kDistance, {"10", "1e20"}, kOverflow);
        row("distance: time beyond float", kDistance, {"10", "1e39"}, kOverflow);
        row("distance: time rounding down to the largest float", kDistance, {"2e-77", "3.40282356e38"}, "1.1579207");
        row("distance: time beyond float, no g", kDistance, {"0", "1e39"}, kOverflow);
        row("force: on the earth", kForce, {"6371000", "5.972e24", "1"}, "9.8174575");
        row("force: negative distance", kForce, {"-6371000", "5.972e24", "1"}, "9.8174575");
        row("force: m times M, then G, rounding up", kForce, {"1.72", "520300000000000", "39113"}, "458999804.2597390");
        row("force: divided by the square", kForce, {"1.77", "667170000000000", "61407"}, "872574059.4960320");
        row("force: masses beyond a double", kForce, {"1e150", "1e155", "1e155"}, "0.6672590");
        row("force: square beyond a double", kForce, {"1.4e154", "1e159", "1.5e159"}, "0.5106574");
        row("force: square beyond a double, force below the last decimal", kForce, {"1e200", "1e30", "1"}, "0.0000000");
        row("force: no distance", kForce, {"0", "1", "1"}, kDivisionByZero);
        row("force: square below a double", kForce, {"1e-200", "1", "1"}, kOverflow);
        row("force: square below a double, no mass", kForce, {"1e-200", "0", "1"}, "0.0000000");
        row("force: no distance, no mass", kForce, {"0", "0", "1"}, kOverflow);
        row("force: force beyond a double", kForce, {"1e-160", "1e200", "1e100"}, kOverflow);
    }

    void click()
    {
        QFETCH(QByteArray, button);
        QFETCH(Replies, replies);
        QFETCH(QString, outcome);

        window_->answers()->setText(QStringLiteral("1.0000000"));
        window_->answers()->setSelection(5, -3); // the user's selection, the cursor left inside it
        window_->replies = replies;
        window_->click(button);
        const bool failed = outcome.startsWith(QStringLiteral("运行时错误"));
        QCOMPARE(window_->errors, failed ? QStringList{outcome} : QStringList());
        QCOMPARE(window_->prompts.size(), replies.size()); // a prompt for each reply, and no more
        QCOMPARE(window_->answers()->text(), QStringLiteral("1.0000000") + (failed ? QString() : outcome));
    }

    // Results follow each other, each after its button's prompts, however
    // much the box holds; no other control writes there or asks anything.
    // The clear button empties it, and the next result starts the box
    // afresh; the copy shortcut then copies that result, and after another
    // clear nothing, not the result that is gone.
    void resultsRunOnUntilCleared()
    {
        const QString held(100000, QLatin1Char('7'));
        window_->answers()->setText(held);
        QTest::keyClicks(window_->answers(), QStringLiteral("9")); // it only shows answers
        QTest::keyClicks(control(kComplaints), QStringLiteral("x"));
        // every control but these two, in the table's order: distance, time, force
        window_->replies = {"10", "3", "10", "5", "6371000", "5.972e24", "1"};
        for (const form::Control &row : form::controls()) {
            if (row.name != std::string_view(kClear) && row.name != std::string_view(kSupport))
                window_->click(row.name);
        }
        QCOMPARE(window_->answers()->text(), held + QStringLiteral("45.00000001.00000009.8174575"));
        QCOMPARE(window_->prompts,
                 QStringList({"重力加速度为(单位m/s^2)：", "平抛运动时间为(单位t)：", "重力加速度为(单位m/s^2)：",
                              "平抛运动的高度为(单位t)：", "两天体（或物体）间的距离为(单位m)：",
                              "中心天体（或物体）的质量为(单位kg)：", "围绕天体（或物体）的质量为(单位kg)："}));
        QCOMPARE(caption(control(kSupport)), QStringLiteral("是否支持作者"));

        window_->click(kClear);
        QCOMPARE(caption(control(kComplaints)), QStringLiteral("吐槽框（虽然作者看不到）x"));
        window_->replies = {"-10", "3"};
        window_->click(kDistance);
        QCOMPARE(window_->answers()->text(), QStringLiteral("-45.0000000"));

        if (QGuiApplication::platformName() == QLatin1String("wayland"))
            QSKIP("a Wayland clipboard belongs to a seat, and a headless compositor has none");
        QClipboard *clipboard = QApplication::clipboard();
        const auto restore = qScopeGuard([clipboard, was = clipboard->text()] { clipboard->setText(was); });
        for (const QString &copied : {QStringLiteral("-45.0000000"), QStringLiteral("sentinel")}) {
            clipboard->setText(QStringLiteral("sentinel"));
            QTest::keyClick(window_->answers(), Qt::Key_C, Qt::ControlModifier);
            QCOMPARE(clipboard->text(), copied);
            window_->click(kClear);
            QCOMPARE(window_->answers()->text(), QString());
        }
    }

    // Errors no calculation raises still end only the click, and so does a
    // report that fails in turn.
    void unexpectedErrors()
    {
        QStringList reported;
        for (const auto &fail :
             {+[] { throw std::bad_alloc(); }, +[] { throw std::logic_error("unforeseen"); }, +[] { throw 42; }})
            runGuarded(fail, [&reported](const QString &message) { reported << message; });
        runGuarded(
            +[] { throw 42; },
            [&reported](const QString &) {
                reported << QString();
                throw std::bad_alloc();
            });
        QCOMPARE(reported, QStringList({"运行时错误 '7'：\n\n内存不足", "运行时错误 '51'：\n\n内部错误",
                                        "运行时错误 '51'：\n\n内部错误", ""}));
    }

    void realDialogs_data()
    {
        QTest::addColumn<int>("screen");
        QTest::newRow("first screen") << 0;
        QTest::newRow("second screen, twice as dense") << 1;
    }

    // The input dialog and the message box as their user sees them, each in
    // the form's face as it is drawn on the screen the window is on. (The
    // end-to-end test answers them by keyboard: a reply longer than a line
    // edit holds by default, Escape and closing a prompt among them.)
    void realDialogs()
    {
        QFETCH(int, screen);
        if (screen >= QGuiApplication::screens().size())
            QSKIP("one screen only");
        TestWindow window(QGuiApplication::screens()[screen], false);
        const DialogWatcher user({"10", "3", "0", "0"});
        window.click(kDistance);
        window.click(kTime);
        const QString title = QStringLiteral(KORVID_PRODUCT_NAME "|");
        const QString g = title + QStringLiteral("重力加速度为(单位m/s^2)：|确定|取消");
        QCOMPARE(user.seen, QStringList({g, title + QStringLiteral("平抛运动时间为(单位t)：|确定|取消"), g,
                                         title + QStringLiteral("平抛运动的高度为(单位t)：|确定|取消"),
                                         title + QStringLiteral("运行时错误 '6'：\n\n溢出|确定")}));
        QCOMPARE(user.fonts, QList<QFont>(5, window.font()));
        QCOMPARE(window.answers()->text(), QStringLiteral("45.0000000"));
    }

private:
    QWidget *control(const char *name) const { return window_->control(name); }
    QRect inWindow(QWidget *widget) const { return {widget->mapTo(window_.get(), QPoint(0, 0)), widget->size()}; }

    // A control's place on the window painted with its caption and without:
    // where the two differ is the caption's ink. Device pixels.
    struct Ink {
        QImage with;
        QRect box;
        QSet<QRgb> colours;
        QRgb surface; // under the box's top-left corner
    };

    Ink inkOf(QWidget *widget) const
    {
        const auto grab = [&] { return window_->grab(inWindow(widget)).toImage(); };
        const QString text = caption(widget);
        Ink ink{grab(), {}, {}, {}};
        widget->setProperty(captionOf(widget), QString());
        const QImage without = grab();
        widget->setProperty(captionOf(widget), text);
        differences(ink.with, without, ink.box, ink.colours);
        ink.surface = without.pixel(ink.box.topLeft());
        return ink;
    }

    std::unique_ptr<TestWindow> window_;
    // What a test changes for the whole application it puts back.
    QPalette palette_;
    QFont font_;
};

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setAttribute(Qt::AA_Use96Dpi, true);
    WindowTest test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}
#include "tst_window.moc"
