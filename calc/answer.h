#pragma once

#include <string>

namespace calc {

// The answer box's text for a value: its decimal expansion taken to 15
// significant digits, then rounded half away from zero at the seventh
// decimal and printed as -?[0-9]+\.[0-9]{7}, without grouping. A negative
// value that rounds to zero prints without its sign.
// A float is formatted by passing it widened to double, which is exact.
// Throws RuntimeError(Overflow) for an infinite or NaN value.
std::string formatAnswer(double value);

} // namespace calc
