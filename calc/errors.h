#pragma once

#include <exception>

namespace calc {

// The run-time errors a calculation can end in. The numbers are the ones
// users of the Chinese desktop know from run-time error boxes, so they are
// kept as they are.
enum class ErrorCode {
    InvalidCall = 5, // 无效的过程调用或参数
    Overflow = 6, // 溢出
    OutOfMemory = 7, // 内存不足
    DivisionByZero = 11, // 除数为零
    Internal = 51, // 内部错误
};

// Thrown by the calculations; the window catches it where clicks reach the
// handlers and reports it, so one bad input never ends the program.
class RuntimeError : public std::exception {
public:
    explicit RuntimeError(ErrorCode code) noexcept : code_(code) {}

    ErrorCode code() const noexcept { return code_; }
    int number() const noexcept { return static_cast<int>(code_); }

    // The Chinese description, UTF-8.
    const char *what() const noexcept override;

private:
    ErrorCode code_;
};

} // namespace calc
