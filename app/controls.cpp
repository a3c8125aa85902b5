#include "controls.h"

#include "accessibility.h"
#include "checkbox.h"
#include "frame.h"
#include "layout.h"
#include "pictures.h"
#include "shape.h"
#include "textbox.h"
#include "wrapbutton.h"
#include "wraplabel.h"

#include <QLabel>

namespace {

// A colour as the form stores it: &H00BBGGRR&. With the top bit set it is
// not a colour but the index of a system colour, which is the desktop's
// palette role and changes with its theme.
QColor fixedColour(std::uint32_t value)
{
    const auto channel = [value](int shift) { return static_cast<int>((value >> shift) & 0xFFu); };
    return {channel(0), channel(8), channel(16)};
}

QPalette::ColorRole systemRole(std::uint32_t value)
{
    switch (value & 0xFFu) {
    case 5: return QPalette::Base; // window background
    case 8: return QPalette::Text; // window text
    case 15: return QPalette::Button; // button face
    case 18: return QPalette::ButtonText;
    default: return QPalette::Window;
    }
}

QColor optionalColour(const std::optional<std::uint32_t> &value)
{
    return value ? fixedColour(*value) : QColor();
}

// Paints `widget` with a colour of the form: a fixed one in its palette, a
// system one by its role, so that it follows the desktop's theme while the
// window is open.
void colour(QWidget &widget, std::uint32_t value, bool background)
{
    if (value & layout::kSystemColour) {
        background ? widget.setBackgroundRole(systemRole(value)) : widget.setForegroundRole(systemRole(value));
        return;
    }
    QPalette palette = widget.palette();
    palette.setColor(background ? widget.backgroundRole() : widget.foregroundRole(), fixedColour(value));
    widget.setPalette(palette);
}

QWidget *createTextBox(const layout::Control &row, QWidget *container)
{
    auto *box = new TextBox(QString::fromUtf8(row.text), container);
    box->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    box->setReadOnly(row.more.readOnly);
    return box;
}

QWidget *createLabel(const layout::Control &row, QWidget *container)
{
    auto *label = new WrapLabel(QString::fromUtf8(row.text), container);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    if (row.more.back) {
        colour(*label, *row.more.back, true);
        label->setAutoFillBackground(true);
    }
    if (row.more.fore)
        colour(*label, *row.more.fore, false);
    return label;
}

QWidget *createImage(const layout::Control &row, QWidget *container)
{
    auto *image = new QLabel(container);
    image->setPixmap(QPixmap::fromImage(picture(row.more.picture)));
    return image;
}

} // namespace

QWidget *createControl(const layout::Control &row, QWidget *container)
{
    const QString text = QString::fromUtf8(row.text);
    QWidget *widget = nullptr;
    switch (row.kind) {
    case layout::Kind::Button: {
        auto *button = new WrapButton(text, container);
        button->setAutoDefault(true); // Enter clicks the focused button, as Space does
        widget = button;
        break;
    }
    case layout::Kind::TextBox: widget = createTextBox(row, container); break;
    case layout::Kind::CheckBox: widget = new CheckBox(text, container); break;
    case layout::Kind::Frame:
        widget = new Frame(text, optionalColour(row.more.back), optionalColour(row.more.fore), container);
        break;
    case layout::Kind::Image: widget = createImage(row, container); break;
    case layout::Kind::Label: widget = createLabel(row, container); break;
    case layout::Kind::Shape:
        widget = new Shape(optionalColour(row.more.back), optionalColour(row.more.fore), container);
        break;
    }
    // A control with a caption is read out by its caption, whatever the
    // caption says now. The others are named here: a text box in a frame
    // would otherwise be read out with the frame's caption.
    if (row.more.accessibleName)
        widget->setAccessibleName(QString::fromUtf8(row.more.accessibleName));
    if (row.more.decorative)
        markDecorative(*widget);
    return widget;
}
