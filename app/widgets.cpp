#include "widgets.h"

#include <QFontInfo>
#include <QPainter>
#include <QStyleOptionButton>
#include <QStylePainter>
#include <QTextLayout>

#include <algorithm>
#include <limits>

namespace {

// Lines one em apart, each centred inside the face's own, taller line box.
struct Em {
    explicit Em(const QFont &font, QPaintDevice *device = nullptr) : size(QFontInfo(font).pixelSize())
    {
        const QFontMetricsF metrics(font, device);
        baseline = metrics.ascent() - (metrics.height() - size) / 2;
    }
    qreal size;
    qreal baseline; // from the top of the line
};

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

void takeWholeText(QLineEdit &field)
{
    field.setMaxLength(std::numeric_limits<int>::max());
}

void WrapButton::paintEvent(QPaintEvent *)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    const QString caption = option.text;
    option.text.clear();
    painter.drawControl(QStyle::CE_PushButton, option);

    QRect area = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
    if (isDown())
        area.translate(style()->pixelMetric(QStyle::PM_ButtonShiftHorizontal, &option, this),
                       style()->pixelMetric(QStyle::PM_ButtonShiftVertical, &option, this));
    painter.setPen(option.palette.color(QPalette::ButtonText));
    drawWrapped(painter, area, Qt::AlignCenter, caption);
}

void WrapLabel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setPen(palette().color(foregroundRole()));
    drawWrapped(painter, contentsRect(), alignment(), text());
}

Frame::Frame(const QString &title, QColor background, QColor text, QWidget *parent)
    : QGroupBox(title, parent), background_(background), text_(text)
{
}

// Drawn flat, as the form's frames are: the exact background colour, an
// etched border whose top runs through the middle of the caption, and the
// caption on the background at the top left.
void Frame::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QColor background = background_.isValid() ? background_ : palette().color(QPalette::Window);
    painter.fillRect(rect(), background);

    const QFontMetricsF metrics(font());
    const Em em(font());
    const int top = static_cast<int>(em.size / 2);
    const QRect border = rect().adjusted(0, top, -1, -1);
    painter.setPen(palette().color(QPalette::Dark));
    painter.drawRect(border.adjusted(0, 0, -1, -1));
    painter.setPen(palette().color(QPalette::Light));
    painter.drawRect(border.adjusted(1, 1, 0, 0));

    if (!title().isEmpty()) {
        constexpr qreal kIndent = 8;
        painter.fillRect(QRectF(kIndent - 2, 0, metrics.horizontalAdvance(title()) + 4, em.size), background);
        painter.setPen(text_.isValid() ? text_ : palette().color(QPalette::WindowText));
        painter.drawText(QPointF(kIndent, em.baseline), title());
    }
}

bool CheckBox::hitButton(const QPoint &pos) const
{
    return rect().contains(pos);
}

Shape::Shape(QColor fill, QColor border, QWidget *parent) : QWidget(parent), fill_(fill), border_(border)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void Shape::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), fill_);
    painter.setPen(border_);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}
