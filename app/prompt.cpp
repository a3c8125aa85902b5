#include "prompt.h"

#include "calc/number.h"

#include <QInputDialog>

double promptNumber(QWidget *parent, std::string_view prompt)
{
    QInputDialog dialog(parent);
    dialog.setWindowTitle(QStringLiteral("Korvid"));
    dialog.setLabelText(QString::fromUtf8(prompt.data(), static_cast<qsizetype>(prompt.size())));
    dialog.setInputMode(QInputDialog::TextInput);
    dialog.setOkButtonText(QStringLiteral("确定"));
    dialog.setCancelButtonText(QStringLiteral("取消"));
    if (dialog.exec() != QDialog::Accepted)
        throw PromptCancelled{};
    return calc::leadingNumber(dialog.textValue().toStdString());
}
