#include "accessibility.h"

#include "frame.h"
#include "shape.h"

#include <QAccessibleWidget>

namespace {

constexpr const char *kDecorative = "korvidDecorative";

// Qt reads a frame inside another frame by the outer frame's caption; a
// frame is read by its own, whatever it says now. A decoration says nothing
// and is not there for screen readers, whatever caption it carries. Qt keeps
// an interface once made, so both are decided each time they are asked.
class FormAccessible : public QAccessibleWidget {
public:
    FormAccessible(QWidget *widget, QAccessible::Role role) : QAccessibleWidget(widget, role) {}

    QString text(QAccessible::Text t) const override
    {
        if (decorative())
            return {};
        const auto *frame = qobject_cast<const QGroupBox *>(widget());
        if (frame && t == QAccessible::Name && frame->accessibleName().isEmpty())
            return frame->title();
        return QAccessibleWidget::text(t);
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.invisible = state.invisible || decorative();
        return state;
    }

private:
    bool decorative() const { return widget()->property(kDecorative).toBool(); }
};

QAccessibleInterface *formAccessible(const QString &, QObject *object)
{
    if (auto *frame = dynamic_cast<Frame *>(object))
        return new FormAccessible(frame, QAccessible::Grouping);
    if (auto *shape = dynamic_cast<Shape *>(object))
        return new FormAccessible(shape, QAccessible::Graphic);
    return nullptr;
}

} // namespace

void installAccessibility()
{
    static const bool installed = (QAccessible::installFactory(formAccessible), true);
    Q_UNUSED(installed);
}

void markDecorative(QWidget &widget)
{
    widget.setProperty(kDecorative, true);
}
