#include "number.h"

#include "errors.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <string>
#include <system_error>

namespace calc {
namespace {

// Reads the reply one character at a time, folding the full-width forms a
// Chinese input method produces onto their ASCII counterparts. Characters
// the grammar has no use for read as '\0', which ends the number.
class Reader {
public:
    explicit Reader(std::string_view text) : text_(text) {}

    char peek() const { return current().ascii; }
    void next() { pos_ += current().length; }

private:
    struct Char {
        char ascii;
        std::size_t length;
    };

    Char current() const
    {
        if (pos_ >= text_.size())
            return {'\0', 0};
        const auto byte = [this](std::size_t i) {
            return pos_ + i < text_.size() ? static_cast<unsigned char>(text_[pos_ + i]) : 0u;
        };
        const unsigned b0 = byte(0);
        if (b0 < 0x80)
            return {static_cast<char>(b0), 1};
        const unsigned b1 = byte(1);
        const unsigned b2 = byte(2);
        if (b0 == 0xE3 && b1 == 0x80 && b2 == 0x80) // U+3000 ideographic space
            return {' ', 3};
        if (b0 == 0xEF && b1 == 0xBC) { // U+FF00..U+FF3F
            if (b2 >= 0x90 && b2 <= 0x99)
                return {static_cast<char>('0' + (b2 - 0x90)), 3};
            switch (b2) {
            case 0x8B: return {'+', 3};
            case 0x8D: return {'-', 3};
            case 0x8E: return {'.', 3};
            case 0xA4: return {'D', 3};
            case 0xA5: return {'E', 3};
            default: break;
            }
        }
        if (b0 == 0xEF && b1 == 0xBD && (b2 == 0x84 || b2 == 0x85)) // U+FF44, U+FF45: full-width d and e
            return {static_cast<char>('d' + (b2 - 0x84)), 3};
        return {'\0', 1};
    }

    std::string_view text_;
    std::size_t pos_ = 0;
};

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}
bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

// Exponents are summed with the digit count, so they saturate well inside
// int64 and far outside any double's range.
constexpr std::int64_t kExponentLimit = 1'000'000'000'000;

std::int64_t saturatingAdd(std::int64_t a, std::int64_t b)
{
    const std::int64_t sum = a + b; // both operands are within ±2·10^12 or a digit count
    if (sum > kExponentLimit)
        return kExponentLimit;
    if (sum < -kExponentLimit)
        return -kExponentLimit;
    return sum;
}

} // namespace

double leadingNumber(std::string_view reply)
{
    Reader in(reply);
    while (isBlank(in.peek()))
        in.next();

    bool negative = false;
    if (in.peek() == '+' || in.peek() == '-') {
        negative = in.peek() == '-';
        in.next();
    }

    // The value is 0.<digits> × 10^magnitude; leading zeros only move the
    // magnitude, so the digits handed on are always normalised.
    std::string digits = "0.";
    bool anyDigit = false;
    std::int64_t magnitude = 0;
    for (; isDigit(in.peek()); in.next()) {
        anyDigit = true;
        if (digits.size() > 2 || in.peek() != '0') {
            digits += in.peek();
            magnitude = saturatingAdd(magnitude, 1);
        }
    }
    if (in.peek() == '.') {
        in.next();
        for (; isDigit(in.peek()); in.next()) {
            anyDigit = true;
            if (digits.size() > 2 || in.peek() != '0')
                digits += in.peek();
            else
                magnitude = saturatingAdd(magnitude, -1);
        }
    }
    if (!anyDigit)
        return 0.0;

    const char marker = in.peek();
    if (marker == 'e' || marker == 'E' || marker == 'd' || marker == 'D') {
        in.next();
        bool negativeExponent = false;
        if (in.peek() == '+' || in.peek() == '-') {
            negativeExponent = in.peek() == '-';
            in.next();
        }
        // An exponent marker without digits is simply where the number ends.
        std::int64_t exponent = 0;
        for (; isDigit(in.peek()); in.next())
            exponent = std::min(exponent * 10 + (in.peek() - '0'), kExponentLimit);
        magnitude = saturatingAdd(magnitude, negativeExponent ? -exponent : exponent);
    }

    const double zero = negative ? -0.0 : 0.0;
    if (digits.size() == 2)
        return zero;
    // Beyond these the outcome is certain and the exponent need not be printed.
    if (magnitude > 309)
        throw RuntimeError(ErrorCode::Overflow);
    if (magnitude < -324)
        return zero;

    digits += 'e';
    digits += std::to_string(magnitude);
    double value = 0.0;
    const auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (ec == std::errc::result_out_of_range) {
        if (magnitude > 0)
            throw RuntimeError(ErrorCode::Overflow);
        return zero;
    }
    if (ec != std::errc())
        throw RuntimeError(ErrorCode::Internal); // the text above is always well-formed
    return negative ? -value : value;
}

} // namespace calc
