#include "colours.h"

#include "form.h"

#include <QWidget>

namespace {

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

} // namespace

QColor fixedColour(const std::optional<std::uint32_t> &value)
{
    if (!value)
        return {};
    const auto channel = [value](int shift) { return static_cast<int>((*value >> shift) & 0xFFu); };
    return {channel(0), channel(8), channel(16)};
}

void setColour(QWidget &widget, Layer layer, std::uint32_t value)
{
    const bool background = layer == Layer::Background;
    if (value & form::kSystemColour) {
        background ? widget.setBackgroundRole(systemRole(value)) : widget.setForegroundRole(systemRole(value));
        return;
    }
    QPalette palette = widget.palette();
    palette.setColor(background ? widget.backgroundRole() : widget.foregroundRole(), fixedColour(value));
    widget.setPalette(palette);
}
