#pragma once

class QWidget;

// Makes screen readers read the form's own frames and shapes as the form
// means them; called by each, and effective once.
void installAccessibility();

// Marks a frame or a shape that is only drawn to be looked at, such as a
// hairline: screen readers pass over it, as over any decoration.
void markDecorative(QWidget &widget);
