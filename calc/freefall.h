#pragma once

namespace calc {

// Free fall from rest. The calculator has always held the height, the time
// and both results in single precision, and users compare its digits with
// earlier answers, so the float steps are part of the result.

// t = (2h / g)^0.5 from g (a double) and the height reply.
float freeFallTime(double g, double height);

// h = ((0.5 · g) · t) · t from g (a double) and the time reply.
float freeFallDistance(double g, double time);

} // namespace calc
