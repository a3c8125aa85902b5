#include "answer.h"

#include "errors.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>

namespace calc {
namespace {

constexpr int kSignificant = 15;
constexpr int kDecimals = 7;

// Every double's exact decimal expansion has at most 767 significant digits,
// so with this precision the digits below are the value itself, unrounded.
constexpr int kExactPrecision = 766;

constexpr std::uint64_t pow10(int n)
{
    std::uint64_t p = 1;
    while (n-- > 0)
        p *= 10;
    return p;
}

} // namespace

std::string formatAnswer(double value)
{
    finiteOrOverflow(value);

    // d.ddd…e±x: the exact expansion of |value|.
    std::array<char, kExactPrecision + 16> exact{};
    const auto printed = std::to_chars(exact.data(), exact.data() + exact.size(), std::fabs(value),
                                       std::chars_format::scientific, kExactPrecision);
    // "d." then the digits, then 'e' and a signed exponent.
    const char *sign = exact.data() + kExactPrecision + 3;
    int exponent = 0;
    std::from_chars(sign + 1, printed.ptr, exponent);
    if (*sign == '-')
        exponent = -exponent;

    // The first 15 significant digits as an integer, rounded half away from
    // zero on the exact remainder: the 16th digit alone decides it.
    auto significand = static_cast<std::uint64_t>(exact[0] - '0');
    for (int i = 1; i < kSignificant; ++i)
        significand = significand * 10 + static_cast<std::uint64_t>(exact[i + 1] - '0');
    if (exact[kSignificant + 1] >= '5') {
        ++significand;
        if (significand == pow10(kSignificant)) {
            significand /= 10;
            ++exponent;
        }
    }

    // value ≈ significand × 10^(exponent - 14); count it in units of 10^-7.
    const int scale = exponent - (kSignificant - 1) + kDecimals;
    std::string units;
    if (scale >= 0) {
        units = std::to_string(significand);
        if (significand != 0)
            units.append(static_cast<std::size_t>(scale), '0');
    } else if (scale >= -kSignificant) {
        const std::uint64_t divisor = pow10(-scale);
        std::uint64_t whole = significand / divisor;
        if ((significand % divisor) * 2 >= divisor)
            ++whole;
        units = std::to_string(whole);
    } else {
        units.assign(1, '0'); // below half a unit of the seventh decimal
    }

    if (units.size() <= kDecimals)
        units.insert(0, kDecimals + 1 - units.size(), '0');
    units.insert(units.size() - kDecimals, 1, '.');
    if (std::signbit(value) && units.find_first_not_of("0.") != std::string::npos)
        units.insert(0, 1, '-');
    return units;
}

} // namespace calc
