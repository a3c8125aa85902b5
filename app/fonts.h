#pragma once

#include "form.h"

class QFont;
class QScreen;

// A font entry of the form, drawn as on the Chinese desktop: "宋体", or the
// nearest face installed, at the entry's points, weight and style, whatever
// font a desktop theme sets for the application. Sizes that come to the
// face's embedded bitmaps on `screen` are drawn from those bitmaps, all
// others as antialiased outlines.
QFont formFont(const form::Font &entry, const QScreen *screen);
