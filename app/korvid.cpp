#include "korvid.h"

#include "application.h"
#include "errorboundary.h"
#include "layout.h"
#include "pictures.h"
#include "widgets.h"

#include "calc/answer.h"
#include "calc/freefall.h"
#include "calc/gravitation.h"
#include "calc/number.h"

#include <QCheckBox>
#include <QGuiApplication>
#include <QIcon>
#include <QScreen>
#include <QShowEvent>
#include <QWindow>

#include <algorithm>

namespace {

constexpr const char *kGravityPrompt = "重力加速度为(单位m/s^2)：";
constexpr const char *kHeightPrompt = "平抛运动的高度为(单位t)：";
constexpr const char *kTimePrompt = "平抛运动时间为(单位t)：";
constexpr const char *kDistancePrompt = "两天体（或物体）间的距离为(单位m)：";
constexpr const char *kCentralMassPrompt = "中心天体（或物体）的质量为(单位kg)：";
constexpr const char *kOrbitingMassPrompt = "围绕天体（或物体）的质量为(单位kg)：";

constexpr layout::Font kFormFont{9, 400};

// Whichever way the user sets the box, its caption says they support the
// author; the value itself is theirs.
void answerSupport(QCheckBox &box)
{
    switch (box.checkState()) {
    case Qt::Checked: box.setText(QStringLiteral("支持（谢谢支持！）")); break;
    case Qt::Unchecked: box.setText(QStringLiteral("支持（好气啊，取消不了了吧！）")); break;
    case Qt::PartiallyChecked: // never set by a user; the caption stays
        break;
    }
}

// Where a span of `length` starting at `start` lies wholly within `area`
// after as small a move as possible; one longer than the area starts where
// it starts.
int keptWithin(int start, int length, int areaStart, int areaLength)
{
    return std::max(areaStart, std::min(start, areaStart + areaLength - length));
}

} // namespace

Korvid::Korvid(Dialogs dialogs, QWidget *parent) : QWidget(parent), dialogs_(std::move(dialogs))
{
    // Whatever the caller leaves out is the modal dialog over this window.
    const Dialogs modal = modalDialogs(this);
    if (!dialogs_.ask)
        dialogs_.ask = modal.ask;
    if (!dialogs_.report)
        dialogs_.report = modal.report;

    const layout::Window &window = layout::kWindow;
    setWindowTitle(QString::fromUtf8(window.caption));
    setWindowIcon(QIcon(QPixmap::fromImage(picture(window.icon))));
    // The client area, not the frame, goes where the form says.
    using layout::toPixels;
    setGeometry(toPixels(window.left), toPixels(window.top), toPixels(window.width), toPixels(window.height));

    controls_ = buildForm(*this, layout::form());
    applyFonts();
    for (const BuiltControl &control : controls_)
        wire(control);
}

void Korvid::wire(const BuiltControl &control)
{
    switch (control.row->more.role) {
    case layout::Role::None: break;
    case layout::Role::Answers: answers_ = static_cast<TextBox *>(control.widget); break;
    case layout::Role::FreeFallTime: onClick(control.widget, [this] { freeFallTime(); }); break;
    case layout::Role::FreeFallDistance: onClick(control.widget, [this] { freeFallDistance(); }); break;
    case layout::Role::Gravitation: onClick(control.widget, [this] { gravitation(); }); break;
    case layout::Role::ClearAnswers: onClick(control.widget, [this] { clearAnswers(); }); break;
    case layout::Role::SupportAuthor: {
        auto *box = static_cast<QCheckBox *>(control.widget);
        onClick(box, [box] { answerSupport(*box); });
        break;
    }
    }
}

// The table puts each role on a control of its kind (checked as it compiles),
// and every click role on a button or the check box.
void Korvid::onClick(QWidget *control, const std::function<void()> &handler)
{
    connect(static_cast<QAbstractButton *>(control), &QAbstractButton::clicked, this,
            [this, handler] { runGuarded(handler, dialogs_.report); });
}

// The form's faces and sizes are its own: a desktop theme that sets another
// application font must not move a caption, so every property is set on
// every control. The bitmap strikes depend on the pixel density of the
// screen the window is on, so the fonts are chosen again only when that
// changes, not each time the window is shown.
void Korvid::applyFonts()
{
    const QScreen *screen = this->screen();
    const double density = screen->logicalDotsPerInchY() * screen->devicePixelRatio();
    if (density == fontDensity_)
        return;
    fontDensity_ = density;
    const auto fixed = [screen](const layout::Font &entry) {
        QFont font = songFont(entry.points, screen);
        font.setWeight(static_cast<QFont::Weight>(entry.weight));
        font.setItalic(entry.italic);
        font.setUnderline(entry.underline);
        font.setResolveMask(QFont::AllPropertiesResolved);
        return font;
    };
    setFont(fixed(kFormFont));
    for (const BuiltControl &control : controls_)
        control.widget->setFont(fixed(control.row->more.font.value_or(kFormFont)));
}

void Korvid::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (shown_ || event->spontaneous())
        return;
    shown_ = true;
    keepOnScreen();
    applyFonts();
    if (QWindow *window = windowHandle()) {
        window->installEventFilter(this);
        connect(window, &QWindow::screenChanged, this, &Korvid::followScreen);
        followScreen(window->screen());
    }
}

// The fonts follow the density of the screen the window is on, whether the
// window moves to another screen or the user rescales the one it is on;
// a rescaled screen may also be too small for the window where it stands.
void Korvid::followScreen(QScreen *screen)
{
    disconnect(densityFollowed_);
    if (screen) {
        densityFollowed_ = connect(screen, &QScreen::logicalDotsPerInchChanged, this, [this] {
            applyFonts();
            keepOnScreen();
        });
    }
    applyFonts();
}

// A window manager frames the window only after it is shown, often leaving
// the client area where it was: the frame is known by the time the window is
// exposed. Whenever the frame differs from the one the window was placed
// with, the window is kept on its screen again.
bool Korvid::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == windowHandle() && (event->type() == QEvent::Expose || event->type() == QEvent::Move)
        && windowHandle()->frameMargins() != placedWithFrame_)
        keepOnScreen();
    return QWidget::eventFilter(watched, event);
}

// The form's place, unless the window, frame included, would not lie wholly
// on the screen's available area there: then as near to it as it does.
void Korvid::keepOnScreen()
{
    if (windowHandle())
        placedWithFrame_ = windowHandle()->frameMargins();
    const QRect frame = frameGeometry();
    const QScreen *screen = QGuiApplication::screenAt(frame.center());
    if (!screen)
        screen = this->screen();
    const QRect area = screen->availableGeometry();
    const QPoint frameCorner(keptWithin(frame.left(), frame.width(), area.left(), area.width()),
                             keptWithin(frame.top(), frame.height(), area.top(), area.height()));
    if (frameCorner != frame.topLeft())
        move(frameCorner); // a window's position is its frame's
}

double Korvid::askNumber(const char *prompt) const
{
    const std::optional<QString> reply = dialogs_.ask(QString::fromUtf8(prompt));
    if (!reply)
        throw PromptCancelled{};
    return calc::leadingNumber(reply->toStdString());
}

void Korvid::freeFallTime()
{
    const double g = askNumber(kGravityPrompt);
    const double height = askNumber(kHeightPrompt);
    appendAnswer(calc::freeFallTime(g, height));
}

void Korvid::freeFallDistance()
{
    const double g = askNumber(kGravityPrompt);
    const double time = askNumber(kTimePrompt);
    appendAnswer(calc::freeFallDistance(g, time));
}

void Korvid::gravitation()
{
    const double r = askNumber(kDistancePrompt);
    const double centralMass = askNumber(kCentralMassPrompt);
    const double orbitingMass = askNumber(kOrbitingMassPrompt);
    appendAnswer(calc::gravitation(r, centralMass, orbitingMass));
}

void Korvid::appendAnswer(double value)
{
    answers_->append(QString::fromStdString(calc::formatAnswer(value)));
}

void Korvid::clearAnswers()
{
    answers_->clear();
}
