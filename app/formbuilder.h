#pragma once

#include "form.h"

#include <span>
#include <vector>

class QWidget;

struct BuiltControl {
    const form::Control *row;
    QWidget *widget;
};

// Builds the rows on `window`, each inside its container, at its place, in
// its stacking order and focus order, and gives the first control in the
// focus order the focus. Returns the controls in table order.
std::vector<BuiltControl> buildForm(QWidget &window, std::span<const form::Control> rows);
