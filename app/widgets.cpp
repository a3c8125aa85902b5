#include "widgets.h"

#include <QAccessibleWidget>
#include <QClipboard>
#include <QFontInfo>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QStyleOptionButton>
#include <QStylePainter>
#include <QTextLayout>

#include <algorithm>
#include <cmath>
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

// WCAG's contrast ratio of two colours, 1 to 21.
qreal contrast(const QColor &a, const QColor &b)
{
    const auto luminance = [](const QColor &c) {
        const auto linear = [](qreal v) { return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
        return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
    };
    const qreal x = luminance(a) + 0.05;
    const qreal y = luminance(b) + 0.05;
    return std::max(x, y) / std::min(x, y);
}

// The form's surfaces keep their colours under any desktop theme, but a dark
// theme's text colour is light. A text that would be hard to read on its
// surface is drawn lighter or darker, keeping its hue, until it reads well
// (WCAG AA: 4.5:1). Readable texts keep their colour.
QColor readableOn(const QColor &surface, QColor text)
{
    constexpr qreal kReadable = 4.6; // 4.5, and a margin for the 8-bit channels
    const float step = surface.lightnessF() < 0.5F ? 0.02F : -0.02F;
    float lightness = text.lightnessF();
    while (contrast(text, surface) < kReadable) {
        const float next = std::clamp(lightness + step, 0.0F, 1.0F);
        if (next == lightness)
            break;
        lightness = next;
        text.setHslF(text.hslHueF(), text.hslSaturationF(), lightness);
    }
    return text;
}

// What is behind a control without a background of its own.
QColor surfaceBehind(const QWidget &widget)
{
    if (const auto *frame = dynamic_cast<const Frame *>(widget.parentWidget()))
        return frame->background();
    return widget.parentWidget() ? widget.parentWidget()->palette().color(QPalette::Window)
                                 : widget.palette().color(QPalette::Window);
}

// Lays `text` out in lines one em apart, wrapped to the width of `area` and
// aligned in it. Where the face needs more lines than `area` holds, the text
// is set slightly narrower to fit.
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

} // namespace

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
    const QColor surface = autoFillBackground() ? palette().color(backgroundRole()) : surfaceBehind(*this);
    painter.setPen(readableOn(surface, palette().color(foregroundRole())));
    drawWrapped(painter, contentsRect(), alignment(), text());
}

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

void installAccessibility()
{
    static const bool installed = (QAccessible::installFactory(formAccessible), true);
    Q_UNUSED(installed);
}

} // namespace

void markDecorative(QWidget &widget)
{
    widget.setProperty(kDecorative, true);
}

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
        painter.setPen(readableOn(background, text_.isValid() ? text_ : palette().color(QPalette::WindowText)));
        painter.drawText(QPointF(kIndent, em.baseline), title());
    }
}

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

TextBox::TextBox(const QString &text, QWidget *parent) : QLineEdit(text, parent)
{
    takeWholeText(*this); // results are appended for as long as the window is open
}

void TextBox::append(const QString &piece)
{
    deselect();
    end(false);
    insert(piece);
    lastAppended_ = piece;
}

void TextBox::keyPressEvent(QKeyEvent *event)
{
    if (event == QKeySequence::Copy && !hasSelectedText() && !lastAppended_.isEmpty()
        && text().endsWith(lastAppended_)) {
        QGuiApplication::clipboard()->setText(lastAppended_);
        return;
    }
    QLineEdit::keyPressEvent(event);
}

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
