#pragma once

#include <QColor>

#include <cstdint>

class QPalette;
class QWidget;

namespace layout {
struct Control;
}

// A colour as the form stores it: &H00BBGGRR&, or with the top bit set the
// index of a system colour, taken from `system`.
QColor formColour(std::uint32_t value, const QPalette &system);

// Creates the control a row describes inside `container`, with its looks;
// geometry, stacking and focus order are the window's business.
QWidget *createControl(const layout::Control &row, QWidget *container);
