#include "wrappedtext.h"

#include <QFontInfo>
#include <QFontMetricsF>
#include <QPainter>
#include <QTextLayout>

#include <algorithm>

LineMetrics::LineMetrics(const QFont &font, QPaintDevice *device) : size(QFontInfo(font).pixelSize())
{
    const QFontMetricsF metrics(font, device);
    baseline = metrics.ascent() - (metrics.height() - size) / 2;
}

namespace {

// Where its face is wider than 宋体, a caption is set narrower to fit rather
// than lose a line below the control's edge: in steps of 3 %, so it is never
// much narrower than it needs, and four at the most (to 88 %), beyond which
// its characters look squeezed.
constexpr qreal kStep = 0.03;
constexpr int kMostSteps = 4;

int layOut(QTextLayout &layout, qreal width, const LineMetrics &spacing)
{
    layout.beginLayout();
    int lines = 0;
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        line.setPosition(QPointF(0, lines * spacing.size + spacing.baseline - line.ascent()));
        ++lines;
    }
    layout.endLayout();
    return lines;
}

} // namespace

void drawWrapped(QPainter &painter, const QRectF &area, Qt::Alignment alignment, const QString &text)
{
    const QFont font = painter.font();
    const LineMetrics spacing(font, painter.device());

    QTextLayout layout(text, font, painter.device());
    QTextOption option(alignment & Qt::AlignHorizontal_Mask);
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);

    const int room = std::max(1, static_cast<int>(area.height() / spacing.size));
    qreal stretch = 1.0;
    int lines = layOut(layout, area.width(), spacing);
    for (int step = 0; lines > room && step < kMostSteps; ++step) {
        stretch -= kStep;
        lines = layOut(layout, area.width() / stretch, spacing);
    }

    qreal top = area.top();
    if (alignment & Qt::AlignVCenter)
        top += (area.height() - lines * spacing.size) / 2;
    else if (alignment & Qt::AlignBottom)
        top += area.height() - lines * spacing.size;
    painter.save();
    painter.translate(area.left(), top);
    painter.scale(stretch, 1.0);
    layout.draw(&painter, QPointF(0, 0));
    painter.restore();
}
