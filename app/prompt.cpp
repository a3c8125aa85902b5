#include "prompt.h"

#include "widgets.h"

#include "calc/number.h"

#include <QInputDialog>
#include <QLineEdit>

double promptNumber(QWidget *parent, std::string_view prompt)
{
    QInputDialog dialog(parent);
    dialog.setWindowTitle(QStringLiteral("Korvid"));
    dialog.setLabelText(QString::fromUtf8(prompt.data(), static_cast<qsizetype>(prompt.size())));
    dialog.setInputMode(QInputDialog::TextInput);
    dialog.setOkButtonText(QStringLiteral("确定"));
    dialog.setCancelButtonText(QStringLiteral("取消"));
    if (auto *field = dialog.findChild<QLineEdit *>())
        takeWholeText(*field);
    if (dialog.exec() != QDialog::Accepted)
        throw PromptCancelled{};
    return calc::leadingNumber(dialog.textValue().toStdString());
}
