#pragma once

#include <string_view>

class QWidget;

// Thrown when the user cancels or closes an input dialog: the calculation
// stops there, quietly, with nothing appended.
struct PromptCancelled {};

// Asks for one number in a modal input dialog and returns the number the
// reply begins with (an empty reply is 0). Throws PromptCancelled, or
// calc::RuntimeError for a number beyond double range.
double promptNumber(QWidget *parent, std::string_view prompt);
