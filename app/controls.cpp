#include "controls.h"

#include "accessibility.h"
#include "checkbox.h"
#include "colours.h"
#include "form.h"
#include "frame.h"
#include "pictures.h"
#include "shape.h"
#include "textbox.h"
#include "wrapbutton.h"
#include "wraplabel.h"

#include <QLabel>

namespace {

QWidget *createTextBox(const form::Control &row, QWidget *container)
{
    auto *box = new TextBox(QString::fromUtf8(row.text), container);
    box->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    box->setReadOnly(row.properties.readOnly);
    return box;
}

QWidget *createLabel(const form::Control &row, QWidget *container)
{
    auto *label = new WrapLabel(QString::fromUtf8(row.text), container);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    if (row.properties.back) {
        setColour(*label, Layer::Background, *row.properties.back);
        label->setAutoFillBackground(true);
    }
    if (row.properties.fore)
        setColour(*label, Layer::Text, *row.properties.fore);
    return label;
}

QWidget *createImage(const form::Control &row, QWidget *container)
{
    auto *image = new QLabel(container);
    image->setPixmap(QPixmap::fromImage(picture(row.properties.picture)));
    return image;
}

} // namespace

QWidget *createControl(const form::Control &row, QWidget *container)
{
    const QString text = QString::fromUtf8(row.text);
    QWidget *widget = nullptr;
    switch (row.kind) {
    case form::Kind::Button: {
        auto *button = new WrapButton(text, container);
        button->setAutoDefault(true); // Enter clicks the focused button, as Space does
        widget = button;
        break;
    }
    case form::Kind::TextBox: widget = createTextBox(row, container); break;
    case form::Kind::CheckBox: widget = new CheckBox(text, container); break;
    case form::Kind::Frame:
        widget = new Frame(text, fixedColour(row.properties.back), fixedColour(row.properties.fore), container);
        break;
    case form::Kind::Image: widget = createImage(row, container); break;
    case form::Kind::Label: widget = createLabel(row, container); break;
    case form::Kind::Shape:
        widget = new Shape(fixedColour(row.properties.back), fixedColour(row.properties.fore), container);
        break;
    }
    // A control with a caption is read out by its caption, whatever the
    // caption says now. The others are named here: a text box in a frame
    // would otherwise be read out with the frame's caption.
    if (row.properties.accessibleName)
        widget->setAccessibleName(QString::fromUtf8(row.properties.accessibleName));
    if (row.properties.decorative)
        markDecorative(*widget);
    return widget;
}
