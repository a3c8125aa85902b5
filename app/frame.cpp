#include "frame.h"

#include "accessibility.h"
#include "contrast.h"
#include "wrappedtext.h"

#include <QPainter>

Frame::Frame(const QString &title, QColor background, QColor text, QWidget *parent)
    : QGroupBox(parent), background_(background), text_(text)
{
    installAccessibility();
    setTitle(title); // only now, as a Frame, is it known to screen readers
}

QColor Frame::background() const
{
    return background_.isValid() ? background_ : palette().color(QPalette::Window);
}

// Drawn flat, as the form's frames are: the exact background colour, an
// etched border whose top runs through the middle of the caption, and the
// caption on the background at the top left.
void Frame::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QColor background = this->background();
    painter.fillRect(rect(), background);

    const QFontMetricsF metrics(font());
    const LineMetrics line(font());
    const int top = static_cast<int>(line.size / 2);
    const QRect border = rect().adjusted(0, top, -1, -1);
    painter.setPen(palette().color(QPalette::Dark));
    painter.drawRect(border.adjusted(0, 0, -1, -1));
    painter.setPen(palette().color(QPalette::Light));
    painter.drawRect(border.adjusted(1, 1, 0, 0));

    if (!title().isEmpty()) {
        constexpr qreal kIndent = 8;
        painter.fillRect(QRectF(kIndent - 2, 0, metrics.horizontalAdvance(title()) + 4, line.size), background);
        painter.setPen(readableOn(background, text_.isValid() ? text_ : palette().color(QPalette::WindowText)));
        painter.drawText(QPointF(kIndent, line.baseline), title());
    }
}
