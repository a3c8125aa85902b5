#pragma once

namespace calc {

// Rounds to the nearest float; beyond float range the result is ±infinity
// (a plain conversion of such a value is undefined behaviour in C++).
float roundToFloat(double value);

// roundToFloat, but a finite value beyond float range is an overflow error.
float narrowToFloat(double value);

} // namespace calc
