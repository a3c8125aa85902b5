#include "screenfollower.h"

#include <QGuiApplication>
#include <QScreen>
#include <QShowEvent>
#include <QWidget>
#include <QWindow>

#include <algorithm>

namespace {

#if QT_VERSION >= QT_VERSION_CHECK(6, 6, 0)
static_assert(ScreenFollower::devicePixelRatioChange == QEvent::DevicePixelRatioChange);
#endif

// Where a span of `length` starting at `start` lies wholly within `area`
// after as small a move as possible; one longer than the area starts where
// it starts.
int keptWithin(int start, int length, int areaStart, int areaLength)
{
    return std::max(areaStart, std::min(start, areaStart + areaLength - length));
}

} // namespace

ScreenFollower::ScreenFollower(QWidget &window, std::function<void(const QScreen &)> densityChanged)
    : QObject(&window), window_(window), densityChanged_(std::move(densityChanged))
{
    window_.installEventFilter(this);
    fitDensity();
}

bool ScreenFollower::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == &window_ && event->type() == QEvent::Show && !shown_ && !event->spontaneous()) {
        shown_ = true;
        keepOnScreen();
        fitDensity();
        if (QWindow *window = window_.windowHandle()) {
            window->installEventFilter(this);
            connect(window, &QWindow::screenChanged, this, &ScreenFollower::follow);
            follow(window->screen());
        }
    }
    // A window manager frames the window only after it is shown, often
    // leaving the client area where it was: the frame is known by the time
    // the window is exposed. Whenever the frame differs from the one the
    // window was placed with, the window is kept on its screen again.
    if (watched == window_.windowHandle() && (event->type() == QEvent::Expose || event->type() == QEvent::Move)
        && window_.windowHandle()->frameMargins() != placedWithFrame_)
        keepOnScreen();
    if (watched == window_.windowHandle() && event->type() == devicePixelRatioChange)
        rescaled();
    return QObject::eventFilter(watched, event);
}

void ScreenFollower::follow(QScreen *screen)
{
    disconnect(densityFollowed_);
    if (screen)
        densityFollowed_ = connect(screen, &QScreen::logicalDotsPerInchChanged, this, &ScreenFollower::rescaled);
    fitDensity();
}

void ScreenFollower::rescaled()
{
    fitDensity();
    keepOnScreen(); // a rescaled screen may be too small for the window where it stands
}

void ScreenFollower::fitDensity()
{
    const QScreen *screen = window_.screen();
    const double density = screen->logicalDotsPerInchY() * screen->devicePixelRatio();
    if (density == density_)
        return;
    density_ = density;
    densityChanged_(*screen);
}

// The window's place, unless the window, frame included, would not lie
// wholly on the screen's available area there: then as near to it as it does.
void ScreenFollower::keepOnScreen()
{
    if (window_.windowHandle())
        placedWithFrame_ = window_.windowHandle()->frameMargins();
    const QRect frame = window_.frameGeometry();
    const QScreen *screen = QGuiApplication::screenAt(frame.center());
    if (!screen)
        screen = window_.screen();
    const QRect area = screen->availableGeometry();
    const QPoint frameCorner(keptWithin(frame.left(), frame.width(), area.left(), area.width()),
                             keptWithin(frame.top(), frame.height(), area.top(), area.height()));
    if (frameCorner != frame.topLeft())
        window_.move(frameCorner); // a window's position is its frame's
}
