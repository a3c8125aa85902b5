#pragma once

class QWidget;

namespace form {
struct Control;
}

// Creates the control a row describes inside `container`, with its looks;
// geometry, stacking, focus order and fonts are the builder's and the
// window's business.
QWidget *createControl(const form::Control &row, QWidget *container);
