#pragma once

#include <QColor>

// WCAG's contrast ratio of two colours, from 1 (the same) to 21 (black on
// white).
qreal contrast(const QColor &a, const QColor &b);

// The form's surfaces keep their colours under any desktop theme, but a dark
// theme's text colour is light. A text that would be hard to read on its
// surface is drawn lighter or darker, keeping its hue, until it reads well
// (WCAG AA: 4.5:1). Readable texts keep their colour.
QColor readableOn(const QColor &surface, QColor text);
