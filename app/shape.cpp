#include "shape.h"

#include "accessibility.h"

#include <QPainter>

Shape::Shape(QColor fill, QColor border, QWidget *parent) : QWidget(parent), fill_(fill), border_(border)
{
    installAccessibility();
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void Shape::paintEvent(QPaintEvent *)
{
    // A border one logical pixel wide at every scale.
    QPainter painter(this);
    painter.fillRect(rect(), border_);
    painter.fillRect(rect().adjusted(1, 1, -1, -1), fill_);
}
