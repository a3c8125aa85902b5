#pragma once

#include <string_view>

namespace calc {

inline constexpr std::string_view kDistancePrompt = "两天体（或物体）间的距离为(单位m)：";
inline constexpr std::string_view kCentralMassPrompt = "中心天体（或物体）的质量为(单位kg)：";
inline constexpr std::string_view kOrbitingMassPrompt = "围绕天体（或物体）的质量为(单位kg)：";

// F = G·M·m / r², in doubles: P = (m × M) × G with a 53-bit significand but
// an exponent range wide enough that m × M may exceed a double as long as P
// does not, then F = P / r².
double gravitation(double r, double centralMass, double orbitingMass);

} // namespace calc
