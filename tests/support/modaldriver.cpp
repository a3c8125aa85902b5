#include "modaldriver.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QInputDialog>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QTest>

#include <algorithm>
#include <utility>

namespace {

const char *const kHandled = "modalDriverHandled";

bool isAscii(const QString &text)
{
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 0x80; });
}

} // namespace

ModalDriver *ModalDriver::newest_ = nullptr;

ModalDriver::ModalDriver() : previous_(std::exchange(newest_, this))
{
    timer_.setInterval(5);
    connect(&timer_, &QTimer::timeout, this, &ModalDriver::poll);
    timer_.start();
}

ModalDriver::~ModalDriver()
{
    newest_ = previous_;
}

void ModalDriver::add(Kind kind, std::function<void(QWidget *)> act)
{
    steps_.push_back({kind, std::move(act)});
}

void ModalDriver::fillAndConfirm(std::function<void(QLineEdit *)> fill)
{
    add(Kind::Input, [this, fill = std::move(fill)](QWidget *dialog) {
        auto *field = dialog->findChild<QLineEdit *>();
        if (!field) {
            failures_ << QStringLiteral("input dialog without an edit field");
            return;
        }
        fill(field);
        pressButton(dialog, QStringLiteral("确定"));
    });
}

ModalDriver &ModalDriver::reply(const QString &text)
{
    fillAndConfirm([this, text](QLineEdit *field) {
        if (!field->text().isEmpty())
            failures_ << QStringLiteral("edit field did not start empty: ") + field->text();
        if (isAscii(text)) {
            QTest::keyClicks(field, text);
        } else { // as an input method commits what the user composed
            QInputMethodEvent composed;
            composed.setCommitString(text);
            QApplication::sendEvent(field, &composed);
        }
    });
    return *this;
}

ModalDriver &ModalDriver::paste(const QString &text)
{
    fillAndConfirm([this, text](QLineEdit *field) {
        QGuiApplication::clipboard()->setText(text);
        QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
        if (field->text() != text)
            failures_ << QStringLiteral("the field holds %1 characters of the %2 pasted")
                             .arg(field->text().size())
                             .arg(text.size());
    });
    return *this;
}

ModalDriver &ModalDriver::type(const QString &text)
{
    add(Kind::Input, [this, text](QWidget *dialog) {
        // A busy machine may show the dialog before it has been activated
        // (isActiveWindow() already says yes for a modal dialog then).
        (void)QTest::qWaitFor([dialog] { return QApplication::activeWindow() == dialog; }, 5000);
        QWidget *focus = QApplication::focusWidget();
        if (!focus || focus->window() != dialog) {
            failures_ << QStringLiteral("the input dialog has no keyboard focus");
            return;
        }
        QTest::keyClicks(focus, text);
        QTest::keyClick(focus, Qt::Key_Return);
    });
    return *this;
}

ModalDriver &ModalDriver::cancel()
{
    add(Kind::Input, [this](QWidget *dialog) { pressButton(dialog, QStringLiteral("取消")); });
    return *this;
}

ModalDriver &ModalDriver::escape()
{
    add(Kind::Input, [](QWidget *dialog) { QTest::keyClick(dialog, Qt::Key_Escape); });
    return *this;
}

ModalDriver &ModalDriver::close()
{
    add(Kind::Input, [](QWidget *dialog) { dialog->close(); });
    return *this;
}

ModalDriver &ModalDriver::acknowledge()
{
    add(Kind::Message, [this](QWidget *dialog) { pressButton(dialog, QStringLiteral("确定")); });
    return *this;
}

void ModalDriver::pressButton(QWidget *dialog, const QString &caption)
{
    const auto buttons = dialog->findChildren<QAbstractButton *>();
    const auto button = std::find_if(buttons.begin(), buttons.end(), [&caption](const QAbstractButton *b) {
        return b->text() == caption && b->isVisible();
    });
    if (button != buttons.end())
        QTest::mouseClick(*button, Qt::LeftButton);
    else
        failures_ << QStringLiteral("no button \"%1\" in \"%2\"").arg(caption, dialog->windowTitle());
}

void ModalDriver::poll()
{
    QWidget *modal = QApplication::activeModalWidget();
    if (this != newest_ || !modal || modal->property(kHandled).toBool())
        return;
    modal->setProperty(kHandled, true);

    const auto *input = qobject_cast<QInputDialog *>(modal);
    const auto *message = qobject_cast<QMessageBox *>(modal);
    const Kind kind = input ? Kind::Input : Kind::Message;
    const QString description = input     ? QStringLiteral("input %1 %2").arg(input->windowTitle(), input->labelText())
                                : message ? QStringLiteral("message %1 %2").arg(message->windowTitle(), message->text())
                                          : QStringLiteral("dialog %1").arg(modal->windowTitle());
    seen_ << description;

    if (steps_.empty() || (!input && !message) || steps_.front().kind != kind) {
        failures_ << QStringLiteral("unexpected ") + description;
        if (auto *dialog = qobject_cast<QDialog *>(modal))
            dialog->reject();
        else
            modal->close();
        return;
    }
    const Step step = std::move(steps_.front());
    steps_.pop_front();
    step.act(modal);
    if (modal->isVisible()) { // the step did not close it; don't leave the test blocked
        failures_ << QStringLiteral("still open after its step: ") + description;
        if (auto *dialog = qobject_cast<QDialog *>(modal))
            dialog->reject();
    }
}

QString ModalDriver::report() const
{
    QString text = QStringLiteral("dialogs seen: [%1]").arg(seen_.join(QStringLiteral("; ")));
    if (!steps_.empty())
        text += QStringLiteral("; %1 scripted dialog(s) never came").arg(steps_.size());
    if (!failures_.isEmpty())
        text += QStringLiteral("; failures: ") + failures_.join(QStringLiteral("; "));
    return text;
}
