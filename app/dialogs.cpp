#include "dialogs.h"

#include "metadata.h"
#include "widgets.h"

#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>

namespace {

const QString kTitle = QStringLiteral(KORVID_PRODUCT_NAME);
const QString kOk = QStringLiteral("确定");

std::optional<QString> askInDialog(QWidget *parent, const QString &prompt)
{
    QInputDialog dialog(parent);
    dialog.setWindowTitle(kTitle);
    dialog.setLabelText(prompt);
    dialog.setInputMode(QInputDialog::TextInput);
    dialog.setOkButtonText(kOk);
    dialog.setCancelButtonText(QStringLiteral("取消"));
    if (auto *field = dialog.findChild<QLineEdit *>())
        takeWholeText(*field);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.textValue();
}

void reportInBox(QWidget *parent, const QString &message)
{
    QMessageBox box(QMessageBox::Critical, kTitle, message, QMessageBox::NoButton, parent);
    box.addButton(kOk, QMessageBox::AcceptRole);
    box.exec();
}

} // namespace

Dialogs modalDialogs(QWidget *parent)
{
    return {[parent](const QString &prompt) { return askInDialog(parent, prompt); },
            [parent](const QString &message) { reportInBox(parent, message); }};
}
