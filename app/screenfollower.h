#pragma once

#include <QEvent>
#include <QMargins>
#include <QObject>

#include <functional>

class QScreen;
class QWidget;

// Keeps a top-level window where it belongs on its screen: wholly on the
// screen's available area once shown, and again whenever a window manager
// frames it or the user rescales the screen. And it tells the window when to
// choose its fonts again: now, and whenever the window comes to a pixel
// density they were not chosen for, whether it moves to another screen or
// the user rescales the one it is on.
class ScreenFollower : public QObject {
public:
    ScreenFollower(QWidget &window, std::function<void(const QScreen &)> densityChanged);

    // How Qt 6.6 and later tell a window that the user rescaled its screen in
    // place: by this event alone, the screen's logical dots per inch staying
    // as they were. Its number, as Korvid built against an older Qt may run
    // on a newer one.
    static constexpr QEvent::Type devicePixelRatioChange = QEvent::Type(222);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void follow(QScreen *screen);
    void rescaled();
    void fitDensity();
    void keepOnScreen();

    QWidget &window_;
    std::function<void(const QScreen &)> densityChanged_;
    bool shown_ = false;
    double density_ = 0; // of the screen the fonts were chosen for: its dots per inch
    QMargins placedWithFrame_; // the frame the window was last kept on its screen with
    QMetaObject::Connection densityFollowed_; // of the screen the window is on
};
