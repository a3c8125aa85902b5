#pragma once

#include <string_view>

namespace calc {

// The number a typed reply begins with, as the prompts read it:
// leading blanks (ASCII white space and the ideographic space) are skipped,
// full-width digits, signs, point and exponent letters read as ASCII, then
//   [+-] digits [. digits] [(e|E|d|D) [+-] digits]
// is taken and the rest ignored. "." is the decimal point in every locale.
// A reply that does not begin with a number is 0.
// Throws RuntimeError(Overflow) for a number beyond double range; a number too
// small for a double becomes a subnormal or 0.
// `reply` is UTF-8; bytes that are not part of a recognised character end the
// number like any other unknown character.
double leadingNumber(std::string_view reply);

} // namespace calc
