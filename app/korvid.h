#pragma once

#include "dialogs.h"
#include "formbuilder.h"

#include <QWidget>

#include <functional>
#include <vector>

class TextBox;

// The calculator's one window. It builds every control from the form table
// and gives each control with a role in the calculator its behaviour.
class Korvid : public QWidget {
public:
    // `dialogsOver` gives, for this window, how its clicks ask for numbers
    // and report errors: modal dialogs over it, unless a test scripts them.
    explicit Korvid(const std::function<Dialogs(QWidget &window)> &dialogsOver = modalDialogs,
                    QWidget *parent = nullptr);

private:
    void wire(const BuiltControl &control);
    void onClick(QWidget *control, const std::function<void()> &handler);
    void applyFonts(const QScreen &screen);

    // Click handlers: each is one whole click, run inside the error boundary.
    // A calculation asks for its numbers, computes with the core and appends.
    void freeFallTime();
    void freeFallDistance();
    void gravitation();
    void clearAnswers();

    double askNumber(const char *prompt) const;
    void appendAnswer(double value);

    Dialogs dialogs_;
    std::vector<BuiltControl> controls_;
    TextBox *answers_ = nullptr;
};
