#include "contrast.h"

#include <algorithm>
#include <cmath>

qreal contrast(const QColor &a, const QColor &b)
{
    const auto luminance = [](const QColor &c) {
        const auto linear = [](qreal v) { return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
        return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF()) + 0.05;
    };
    const qreal x = luminance(a);
    const qreal y = luminance(b);
    return std::max(x, y) / std::min(x, y);
}

QColor readableOn(const QColor &surface, QColor text)
{
    constexpr qreal kReadable = 4.6; // 4.5, and a margin for the 8-bit channels
    const float step = surface.lightnessF() < 0.5F ? 0.02F : -0.02F;
    float lightness = text.lightnessF();
    while (contrast(text, surface) < kReadable) {
        const float next = std::clamp(lightness + step, 0.0F, 1.0F);
        if (next == lightness)
            break;
        lightness = next;
        text.setHslF(text.hslHueF(), text.hslSaturationF(), lightness);
    }
    return text;
}
