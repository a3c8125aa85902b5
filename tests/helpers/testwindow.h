#pragma once

#include "korvid.h"

#include <QLineEdit>
#include <QTest>

#include <memory>
#include <optional>

// A shown Korvid window whose dialogs are scripted: each prompt takes the
// next reply (nothing, or none left, stands for 取消); prompts and error
// messages are recorded in the order the user would have seen them. With
// RealErrorBox, errors show in the window's own message box instead.
class TestWindow {
public:
    enum Errors { ScriptedErrors, RealErrorBox };

    explicit TestWindow(Errors errors = ScriptedErrors)
    {
        Dialogs dialogs{[this](const QString &prompt) {
                            seen << prompt;
                            return replies.isEmpty() ? std::nullopt : replies.takeFirst();
                        },
                        [this](const QString &message) { seen << "error: " + message; }};
        if (errors == RealErrorBox)
            dialogs.report = nullptr;
        window_ = std::make_unique<Korvid>(std::move(dialogs));
        window_->show();
        if (!QTest::qWaitForWindowExposed(window_.get()))
            qFatal("the window was never shown");
    }

    Korvid *window() const { return window_.get(); }

    template<typename T = QWidget>
    T *control(const char *name) const
    {
        return window_->findChild<T *>(QLatin1String(name));
    }
    QLineEdit *answers() const { return control<QLineEdit>("Text2"); }

    // A left click in the middle of the control.
    void click(const char *name) const { QTest::mouseClick(control(name), Qt::LeftButton); }

    QList<std::optional<QString>> replies;
    QStringList seen; // the prompts, and "error: " and each message

private:
    std::unique_ptr<Korvid> window_;
};
