#pragma once

#include <QCheckBox>

// A check box that toggles on a click anywhere in its area, not only on the
// box and the caption's text, and whose caption starts close to the box, so
// a long caption keeps its end in the room the form gives it.
class CheckBox : public QCheckBox {
public:
    using QCheckBox::QCheckBox;

protected:
    bool hitButton(const QPoint &pos) const override;
    void paintEvent(QPaintEvent *event) override;
};
