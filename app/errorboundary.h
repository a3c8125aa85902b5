#pragma once

#include <functional>

class QString;

// Thrown when the user cancels or closes an input dialog: the calculation
// stops there, quietly, with nothing appended. It unwinds the click from
// wherever the handler asked, as an error does, so a handler reads as what
// it does (ask, compute, append) with no check after each reply.
struct PromptCancelled {};

// Runs the handler of one click. Whatever the handler throws, of any type,
// ends that click only: its message goes to `report`, and the program goes
// on. Nothing is thrown past this point into Qt's event loop, not even by
// `report` itself.
void runGuarded(const std::function<void()> &handler, const std::function<void(const QString &)> &report);
