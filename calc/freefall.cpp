#include "freefall.h"

#include "errors.h"
#include "floats.h"

#include <cmath>

namespace calc {

float freeFallTime(double g, double height)
{
    const float h = roundToFloat(height);
    const float d = 2.0f * h;
    finiteOrOverflow(d); // a height beyond float range, or its double

    if (g == 0.0)
        throw RuntimeError(d == 0.0f ? ErrorCode::Overflow : ErrorCode::DivisionByZero);
    const double q = finiteOrOverflow(static_cast<double>(d) / g);
    if (q < 0.0) // g and h of opposite signs: no real root
        throw RuntimeError(ErrorCode::InvalidCall);

    // The correctly rounded q^0.5, the same on every C library.
    const double r = std::sqrt(q);
    return narrowToFloat(r);
}

float freeFallDistance(double g, double time)
{
    const float t = roundToFloat(time);
    finiteOrOverflow(t);

    // Left to right, each product a double, as users' earlier answers were made.
    double p = finiteOrOverflow(0.5 * g);
    p = finiteOrOverflow(p * t);
    p = finiteOrOverflow(p * t);
    return narrowToFloat(p);
}

} // namespace calc
