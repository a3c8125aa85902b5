#include "floats.h"

#include "errors.h"

#include <cmath>
#include <limits>

namespace calc {
namespace {

// Halfway between FLT_MAX and the next power of two: from here on a value
// rounds to infinity (FLT_MAX's significand is odd, so the tie goes up).
constexpr double kFloatOverflow = 0x1.ffffffp127;

} // namespace

float roundToFloat(double value)
{
    if (std::isnan(value))
        return std::numeric_limits<float>::quiet_NaN();
    const double magnitude = std::fabs(value);
    float rounded = std::numeric_limits<float>::infinity();
    if (magnitude < kFloatOverflow)
        rounded = magnitude > std::numeric_limits<float>::max() ? std::numeric_limits<float>::max()
                                                                : static_cast<float>(magnitude);
    return std::signbit(value) ? -rounded : rounded;
}

float narrowToFloat(double value)
{
    const float narrowed = roundToFloat(value);
    finiteOrOverflow(narrowed);
    return narrowed;
}

} // namespace calc
