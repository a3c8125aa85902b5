#include "errors.h"

namespace calc {

const char *RuntimeError::what() const noexcept
{
    switch (code_) {
    case ErrorCode::InvalidCall: return "无效的过程调用或参数";
    case ErrorCode::Overflow: return "溢出";
    case ErrorCode::OutOfMemory: return "内存不足";
    case ErrorCode::DivisionByZero: return "除数为零";
    case ErrorCode::Internal: break;
    }
    return "内部错误";
}

} // namespace calc
