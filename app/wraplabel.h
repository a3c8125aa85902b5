#pragma once

#include <QLabel>

// A label whose caption wraps within its width, from the top left.
class WrapLabel : public QLabel {
public:
    using QLabel::QLabel;

protected:
    void paintEvent(QPaintEvent *event) override;
};
