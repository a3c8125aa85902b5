#include "prompt.h"

#include "calc/number.h"

#include <QInputDialog>
#include <QLineEdit>

#include <limits>

double promptNumber(QWidget *parent, std::string_view prompt)
{
    QInputDialog dialog(parent);
    dialog.setWindowTitle(QStringLiteral("Korvid"));
    dialog.setLabelText(QString::fromUtf8(prompt.data(), static_cast<qsizetype>(prompt.size())));
    dialog.setInputMode(QInputDialog::TextInput);
    dialog.setOkButtonText(QStringLiteral("确定"));
    dialog.setCancelButtonText(QStringLiteral("取消"));
    // The field would cut a pasted reply at 32767 characters, and with it an
    // exponent that follows a long mantissa: take the reply whole.
    if (auto *field = dialog.findChild<QLineEdit *>())
        field->setMaxLength(std::numeric_limits<int>::max());
    if (dialog.exec() != QDialog::Accepted)
        throw PromptCancelled{};
    return calc::leadingNumber(dialog.textValue().toStdString());
}
