#pragma once

#include <Qt>

class QFont;
class QPaintDevice;
class QPainter;
class QRectF;
class QString;

// Captions on the form were written for 宋体, whose lines are exactly one em
// apart; CJK faces on Linux have far more leading, so captions are set with
// 宋体's spacing to fit the controls they were written for.

// Lines one em apart, each centred inside the face's own, taller line box.
struct LineMetrics {
    explicit LineMetrics(const QFont &font, QPaintDevice *device = nullptr);

    qreal size;
    qreal baseline; // from the top of the line
};

// Lays `text` out in lines one em apart, wrapped to the width of `area` and
// aligned in it. Where the face needs more lines than `area` holds, the text
// is set slightly narrower to fit.
void drawWrapped(QPainter &painter, const QRectF &area, Qt::Alignment alignment, const QString &text);
