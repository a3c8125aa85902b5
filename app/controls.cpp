#include "controls.h"

#include "layout.h"
#include "pictures.h"
#include "widgets.h"

#include <QApplication>
#include <QLabel>

namespace {

// A colour as the form stores it: &H00BBGGRR&, or with the top bit set the
// index of a system colour, taken from `system`.
QColor formColour(std::uint32_t value, const QPalette &system)
{
    if (value & 0x80000000u) {
        switch (value & 0xFFu) {
        case 5: return system.color(QPalette::Base); // window background
        case 8: return system.color(QPalette::Text); // window text
        case 15: return system.color(QPalette::Button); // button face
        case 18: return system.color(QPalette::ButtonText);
        default: return system.color(QPalette::Window);
        }
    }
    const auto channel = [value](int shift) { return static_cast<int>((value >> shift) & 0xFFu); };
    return {channel(0), channel(8), channel(16)};
}

QColor optionalColour(const std::optional<std::uint32_t> &value)
{
    return value ? formColour(*value, QApplication::palette()) : QColor();
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
    if (row.more.back || row.more.fore) {
        QPalette palette = label->palette();
        if (row.more.back) {
            palette.setColor(QPalette::Window, optionalColour(row.more.back));
            label->setAutoFillBackground(true);
        }
        if (row.more.fore)
            palette.setColor(QPalette::WindowText, optionalColour(row.more.fore));
        label->setPalette(palette);
    }
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
