#include "wrappedtext.h"

#include <QFontInfo>
#include <QFontMetricsF>
#include <QPainter>
#include <QTextLayout>

#include <algorithm>

Em::Em(const QFont &font, QPaintDevice *device) : size(QFontInfo(font).pixelSize())
{
    const QFontMetricsF metrics(font, device);
    baseline = metrics.ascent() - (metrics.height() - size) / 2;
}

namespace {

// The narrowest a caption is set to make it fit where its face is wider than
// 宋体, rather than losing a line below the control's edge.
constexpr qreal kNarrowest = 0.85;

int layOut(QTextLayout &layout, qreal width, const Em &em)
{
    layout.beginLayout();
    int lines = 0;
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        line.setPosition(QPointF(0, lines * em.size + em.baseline - line.ascent()));
        ++lines;
    }
    layout.endLayout();
    return lines;
}

} // namespace

void drawWrapped(QPainter &painter, const QRectF &area, Qt::Alignment alignment, const QString &text)
{
    const QFont font = painter.font();
    const Em em(font, painter.device());

    QTextLayout layout(text, font, painter.device());
    QTextOption option(alignment & Qt::AlignHorizontal_Mask);
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);

    const int room = std::max(1, static_cast<int>(area.height() / em.size));
    qreal stretch = 1.0;
    int lines = layOut(layout, area.width(), em);
    while (lines > room && stretch - 0.03 >= kNarrowest) {
        stretch -= 0.03;
        lines = layOut(layout, area.width() / stretch, em);
    }

    qreal top = area.top();
    if (alignment & Qt::AlignVCenter)
        top += (area.height() - lines * em.size) / 2;
    else if (alignment & Qt::AlignBottom)
        top += area.height() - lines * em.size;
    painter.save();
    painter.translate(area.left(), top);
    painter.scale(stretch, 1.0);
    layout.draw(&painter, QPointF(0, 0));
    painter.restore();
}
