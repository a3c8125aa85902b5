#include "errormessage.h"

namespace {

QString describe(calc::ErrorCode code)
{
    switch (code) {
    case calc::ErrorCode::InvalidCall: return QStringLiteral("无效的过程调用或参数");
    case calc::ErrorCode::Overflow: return QStringLiteral("溢出");
    case calc::ErrorCode::OutOfMemory: return QStringLiteral("内存不足");
    case calc::ErrorCode::DivisionByZero: return QStringLiteral("除数为零");
    case calc::ErrorCode::Internal: break;
    }
    return QStringLiteral("内部错误");
}

} // namespace

QString errorMessage(calc::ErrorCode code)
{
    return QStringLiteral("运行时错误 '%1'：\n\n%2").arg(static_cast<int>(code)).arg(describe(code));
}
