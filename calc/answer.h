#pragma once

#include <string>

namespace calc {

// The answer box's text for a value: its decimal expansion taken to 15
// significant digits, then rounded half away from zero at the seventh
// decimal and printed as -?[0-9]+\.[0-9]{7}, without grouping. A negative
// value that rounds to zero prints without its sign.
// 15 digits are as many as a double keeps of any decimal number; the digits
// after them belong to the binary value (0.15 is 0.1499999999999999944…),
// and the answers users compare with were rounded without them, so
// 0.00000015 shows as 0.0000002.
// A float is formatted by passing it widened to double, which is exact.
// Throws RuntimeError(Overflow) for an infinite or NaN value.
std::string formatAnswer(double value);

} // namespace calc
