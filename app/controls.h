#pragma once

class QWidget;

namespace layout {
struct Control;
}

// Creates the control a row describes inside `container`, with its looks;
// geometry, stacking, focus order and fonts are the builder's and the
// window's business.
QWidget *createControl(const layout::Control &row, QWidget *container);
