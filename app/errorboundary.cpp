#include "errorboundary.h"

#include "calc/errors.h"

#include <QString>

#include <new>
#include <optional>

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

// "运行时错误 '11'：\n\n除数为零"
QString errorMessage(calc::ErrorCode code)
{
    return QStringLiteral("运行时错误 '%1'：\n\n%2").arg(static_cast<int>(code)).arg(describe(code));
}

} // namespace

void runGuarded(const std::function<void()> &handler, const std::function<void(const QString &)> &report)
{
    std::optional<calc::ErrorCode> failure;
    try {
        handler();
    } catch (const PromptCancelled &) {
        return;
    } catch (const calc::RuntimeError &error) {
        failure = error.code();
    } catch (const std::bad_alloc &) {
        failure = calc::ErrorCode::OutOfMemory;
    } catch (...) {
        failure = calc::ErrorCode::Internal;
    }
    if (!failure)
        return;
    // Reported after the handler has unwound, so no exception is alive while
    // a message box runs its own event loop.
    try {
        report(errorMessage(*failure));
    } catch (...) {
        // The message could not be shown either (memory ran out while the
        // box was built, say): the click ends here all the same, and the
        // window goes on.
    }
}
