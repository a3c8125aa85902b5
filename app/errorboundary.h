#pragma once

#include <functional>

class QString;
class QWidget;

namespace calc {
class RuntimeError;
}

// Runs the handler of one click. Whatever error the handler meets ends that
// click only: it is reported here in a modal message box over `window`, and
// the program goes on. Nothing is thrown past this point into Qt's event loop.
void runGuarded(QWidget *window, const std::function<void()> &handler);

// "运行时错误 '11'：\n\n除数为零"
QString errorMessage(const calc::RuntimeError &error);
