#include "errorboundary.h"

#include "prompt.h"

#include "calc/errors.h"

#include <QMessageBox>

#include <new>
#include <optional>

QString errorMessage(const calc::RuntimeError &error)
{
    return QStringLiteral("运行时错误 '%1'：\n\n%2").arg(error.number()).arg(QString::fromUtf8(error.what()));
}

void runGuarded(QWidget *window, const std::function<void()> &handler)
{
    std::optional<calc::RuntimeError> failure;
    try {
        handler();
    } catch (const PromptCancelled &) {
        return;
    } catch (const calc::RuntimeError &error) {
        failure = error;
    } catch (const std::bad_alloc &) {
        failure = calc::RuntimeError(calc::ErrorCode::OutOfMemory);
    } catch (const std::exception &) {
        failure = calc::RuntimeError(calc::ErrorCode::Internal);
    }
    if (!failure)
        return;

    // Shown after the handler has unwound, so no exception is alive while
    // the message box runs its own event loop.
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Korvid"), errorMessage(*failure), QMessageBox::NoButton,
                    window);
    box.addButton(QStringLiteral("确定"), QMessageBox::AcceptRole);
    box.exec();
}
