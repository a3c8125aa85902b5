#include "testwindow.h"

#include <QTest>

TestWindow::TestWindow() : window_(std::make_unique<Korvid>())
{
    window_->show();
    if (!QTest::qWaitForWindowExposed(window_.get()))
        qFatal("the window was never shown");
}

TestWindow::~TestWindow() = default;

void TestWindow::click(const char *name) const
{
    QWidget *widget = control(name);
    QTest::mouseClick(widget, Qt::LeftButton, {}, widget->rect().center());
}
