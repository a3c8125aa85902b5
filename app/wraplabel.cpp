#include "wraplabel.h"

#include "contrast.h"
#include "frame.h"
#include "wrappedtext.h"

#include <QPainter>

namespace {

// What is behind a control without a background of its own.
QColor surfaceBehind(const QWidget &widget)
{
    if (const auto *frame = dynamic_cast<const Frame *>(widget.parentWidget()))
        return frame->background();
    return widget.parentWidget() ? widget.parentWidget()->palette().color(QPalette::Window)
                                 : widget.palette().color(QPalette::Window);
}

} // namespace

void WrapLabel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QColor surface = autoFillBackground() ? palette().color(backgroundRole()) : surfaceBehind(*this);
    painter.setPen(readableOn(surface, palette().color(foregroundRole())));
    drawWrapped(painter, contentsRect(), alignment(), text());
}
