#pragma once

namespace calc {

// F = G·M·m / r², in doubles: P = (m × M) × G with a 53-bit significand but
// an exponent range wide enough that m × M may exceed a double as long as P
// does not, then F = P / r².
double gravitation(double r, double centralMass, double orbitingMass);

} // namespace calc
