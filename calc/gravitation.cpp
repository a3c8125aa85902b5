#include "gravitation.h"

#include "errors.h"

#include <cmath>

namespace calc {
namespace {

// A double's significand with an exponent of its own: products and
// quotients of these round to 53 bits like doubles but cannot overflow or
// underflow. The calculator's arithmetic always had that headroom for the
// masses; the square of the distance gets it too, so an astronomical
// distance gives the force it truly is rather than 0. The same on every
// processor, as only exact scaling by powers of two is left to the library.
struct WideDouble {
    double significand = 0.0; // 0, or 1/8 ≤ |significand| < 4
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

    WideDouble operator/(const WideDouble &divisor) const
    {
        return {significand / divisor.significand, exponent - divisor.exponent};
    }

    bool isZero() const { return significand == 0.0; }
    double narrowed() const { return std::ldexp(significand, exponent); }
};

// 6.67259 × 10^-11: both factors are the nearest doubles to their decimal
// values and the product is rounded once, by the compiler, so no library's
// power function can change a digit.
constexpr double kGravitationalConstant = 1e-11 * 6.67259;

} // namespace

double gravitation(double r, double centralMass, double orbitingMass)
{
    const double P =
        finiteOrOverflow((WideDouble::from(orbitingMass) * centralMass * kGravitationalConstant).narrowed());

    const WideDouble D = WideDouble::from(r) * r;
    if (D.isZero())
        throw RuntimeError(P == 0.0 ? ErrorCode::Overflow : ErrorCode::DivisionByZero);
    return finiteOrOverflow((WideDouble::from(P) / D).narrowed());
}

} // namespace calc
