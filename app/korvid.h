#pragma once

#include <QWidget>

class QCheckBox;
class QLineEdit;

// The calculator's one window. It builds every control from the form table,
// wires the few controls that do something to their handlers, and owns the
// answer box that the calculations append to.
class Korvid : public QWidget {
public:
    explicit Korvid(QWidget *parent = nullptr);

    // Appends a result to the answer box, formatted with seven decimals and
    // with no separator from what the box holds already.
    void appendAnswer(double value);

private:
    void buildForm();
    void wireHandlers();

    // Click handlers: each is one whole click, run inside the error boundary.
    // A calculation asks for its numbers, computes with the core and appends.
    void freeFallTime();
    void freeFallDistance();
    void gravitation();
    void clearAnswer();
    void supportClicked();

    QLineEdit *answerBox_ = nullptr;
    QCheckBox *supportBox_ = nullptr;
};
