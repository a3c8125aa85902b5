#pragma once

#include <QColor>

#include <cstdint>
#include <optional>

class QWidget;

// The form's colours (see form::kSystemColour) as Qt paints them.

// A fixed colour; an unset one is invalid, for the widget's own to show.
QColor fixedColour(const std::optional<std::uint32_t> &value);

enum class Layer { Background, Text };

// Paints a layer of `widget` in a colour of the form: a fixed one in its
// palette, a system one by its palette role, so that it follows the
// desktop's theme while the window is open.
void setColour(QWidget &widget, Layer layer, std::uint32_t value);
