#pragma once

#include <QImage>

#include <string_view>

// The program's pictures, decoded at build time from resources/ (see
// tools/embed.cpp): "portrait" (69 × 74) and "icon" (48 × 48). The image
// shares the program's own memory; a null image for an unknown name.
QImage picture(std::string_view name);
