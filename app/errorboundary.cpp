#include "errorboundary.h"

#include "errormessage.h"

#include <cstdio>
#include <new>
#include <optional>

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
        // window goes on, but not without a word, where one can be written
        // without building anything more.
        std::fputs("Korvid: a run-time error could not be reported\n", stderr);
    }
}
