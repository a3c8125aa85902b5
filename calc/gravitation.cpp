#include "gravitation.h"

#include "errors.h"

#include <cmath>

namespace calc {
namespace {

// A double's significand with an exponent of its own: products of these
// round to 53 bits like doubles but cannot overflow or underflow. The
// calculator's arithmetic always had that headroom for the masses, so
// astronomical masses keep working the same on every processor.
struct WideDouble {
    double significand = 0.0; // 0, or 0.125 ≤ |significand| < 1
    int exponent = 0;

    static WideDouble from(double value)
    {
        WideDouble wide;
        wide.significand = std::frexp(value, &wide.exponent);
        return wide;
    }

    WideDouble operator*(double factor) const
    {
        const WideDouble f = from(factor);
        return {significand * f.significand, exponent + f.exponent};
    }

    double narrowed() const { return std::ldexp(significand, exponent); }
};

} // namespace

double gravitation(double r, double centralMass, double orbitingMass)
{
    const double G = std::pow(10.0, -11.0) * 6.67259;

    const double P = finiteOrOverflow((WideDouble::from(orbitingMass) * centralMass * G).narrowed());

    // r², correctly rounded; beyond double range it is infinite and the force
    // is 0, which it truly is to seven decimals.
    const double D = r * r;
    if (D == 0.0)
        throw RuntimeError(P == 0.0 ? ErrorCode::Overflow : ErrorCode::DivisionByZero);
    return finiteOrOverflow(P / D);
}

} // namespace calc
