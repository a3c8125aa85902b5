#pragma once

#include <cmath>
#include <exception>

namespace calc {

// The run-time errors a calculation can end in. The numbers are the ones
// users of the Chinese desktop know from run-time error boxes, so they are
// kept as they are; the window says what each one means.
enum class ErrorCode {
    InvalidCall = 5,
    Overflow = 6,
    OutOfMemory = 7,
    DivisionByZero = 11,
    Internal = 51,
};

// Thrown by the calculations; the window catches it where clicks reach the
// handlers and reports it, so one bad input never ends the program.
class RuntimeError : public std::exception {
public:
    explicit RuntimeError(ErrorCode code) noexcept : code_(code) {}

    ErrorCode code() const noexcept { return code_; }

    const char *what() const noexcept override { return "calc::RuntimeError"; }

private:
    ErrorCode code_;
};

// Every step of a calculation that can leave the range of its type ends the
// calculation with an overflow, rather than carrying ±infinity or NaN on.
inline double finiteOrOverflow(double value)
{
    if (!std::isfinite(value))
        throw RuntimeError(ErrorCode::Overflow);
    return value;
}

} // namespace calc
