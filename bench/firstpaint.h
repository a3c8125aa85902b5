#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QTimer>
#include <QWidget>

// For the start-up benchmark's own builds only: ends the program once
// `window` has painted for the first time, so an instruction count covers
// exactly the start-up.
inline void quitAfterFirstPaint(QWidget *window)
{
    struct Watcher : QObject {
        bool eventFilter(QObject *, QEvent *event) override
        {
            if (event->type() == QEvent::Paint && !quitting) {
                quitting = true; // after this paint and the flush of the same update
                QTimer::singleShot(0, QCoreApplication::instance(), &QCoreApplication::quit);
            }
            return false;
        }
        bool quitting = false;
    };
    window->installEventFilter(new Watcher);
}
