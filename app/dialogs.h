#pragma once

#include <QString>

#include <functional>
#include <optional>

class QWidget;

// How the window talks with its user in the middle of a click: it asks for
// the replies a calculation needs and reports the error a click ended in.
struct Dialogs {
    // The reply typed for `prompt`, or nothing when the user cancelled.
    std::function<std::optional<QString>(const QString &prompt)> ask;
    // Shows `message` until the user acknowledges it.
    std::function<void(const QString &message)> report;
};

// An input dialog and a critical message box over `parent`, titled with the
// program's name, with 确定 and 取消.
Dialogs modalDialogs(QWidget &parent);
