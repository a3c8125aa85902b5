#pragma once

namespace calc {

// F = G·M·m / r², in doubles: P = (m × M) × G and r² with a 53-bit
// significand but an exponent range wide enough that m × M and r² may lie
// beyond a double, then F = P / r², each step rounded as a double would be.
double gravitation(double r, double centralMass, double orbitingMass);

} // namespace calc
