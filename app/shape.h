#pragma once

#include <QColor>
#include <QWidget>

// A filled, outlined rectangle drawn on its container's surface. It takes
// no clicks; what lies over it gets them.
class Shape : public QWidget {
public:
    Shape(QColor fill, QColor border, QWidget *parent);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QColor fill_;
    QColor border_;
};
