#include "checkbox.h"

#include "contrast.h"

#include <QStyleOptionButton>
#include <QStylePainter>

bool CheckBox::hitButton(const QPoint &pos) const
{
    return rect().contains(pos);
}

// The box as the style draws it, the caption 2 px after it as on the Chinese
// desktop, not after the style's wider gap.
void CheckBox::paintEvent(QPaintEvent *)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    const QRect box = style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option, this);
    option.rect = box;
    painter.drawPrimitive(QStyle::PE_IndicatorCheckBox, option);

    constexpr int kGap = 2;
    const QRect caption = rect().adjusted(box.right() + 1 + kGap, 0, 0, 0);
    painter.setPen(readableOn(palette().color(QPalette::Window), palette().color(QPalette::WindowText)));
    painter.drawText(caption, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, text());
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = painter.boundingRect(caption, Qt::AlignLeft | Qt::AlignVCenter, text()).adjusted(-1, 0, 1, 0);
        painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
    }
}
