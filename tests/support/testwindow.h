#pragma once

#include "korvid.h"

#include <QLineEdit>

#include <memory>

// A shown Korvid window for one test, with its controls found by name.
class TestWindow {
public:
    TestWindow();
    ~TestWindow();

    Korvid *window() const { return window_.get(); }

    template<typename T = QWidget>
    T *control(const char *name) const
    {
        auto *widget = window_->findChild<T *>(QLatin1String(name));
        if (!widget)
            qFatal("no control %s", name);
        return widget;
    }

    QLineEdit *answers() const { return control<QLineEdit>("Text2"); }

    // A left click in the middle of the control.
    void click(const char *name) const;

private:
    std::unique_ptr<Korvid> window_;
};
