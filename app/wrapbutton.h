#pragma once

#include <QPushButton>

// A push button whose caption wraps onto as many centred lines as it needs.
class WrapButton : public QPushButton {
public:
    using QPushButton::QPushButton;

protected:
    void paintEvent(QPaintEvent *event) override;
};
