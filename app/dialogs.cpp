#include "dialogs.h"

#include "fonts.h"
#include "metadata.h"
#include "textbox.h"

#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>

namespace {

const QString kTitle = QStringLiteral(KORVID_PRODUCT_NAME);
const QString kOk = QStringLiteral("确定");

// The form's face, as it fits the screen the dialog opens on, over its
// parent: bitmaps only where that screen's density has their sizes.
void useFormFont(QDialog &dialog, const QWidget &parent)
{
    dialog.setFont(formFont(form::kDefaultFont, parent.screen()));
}

std::optional<QString> askInDialog(QWidget &parent, const QString &prompt)
{
    QInputDialog dialog(&parent);
    dialog.setWindowTitle(kTitle);
    dialog.setLabelText(prompt);
    dialog.setInputMode(QInputDialog::TextInput);
    dialog.setOkButtonText(kOk);
    dialog.setCancelButtonText(QStringLiteral("取消"));
    useFormFont(dialog, parent);
    if (auto *field = dialog.findChild<QLineEdit *>())
        takeWholeText(*field);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.textValue();
}

void reportInBox(QWidget &parent, const QString &message)
{
    QMessageBox box(QMessageBox::Critical, kTitle, message, QMessageBox::NoButton, &parent);
    box.addButton(kOk, QMessageBox::AcceptRole);
    useFormFont(box, parent);
    box.exec();
}

} // namespace

Dialogs modalDialogs(QWidget &parent)
{
    return {[&parent](const QString &prompt) { return askInDialog(parent, prompt); },
            [&parent](const QString &message) { reportInBox(parent, message); }};
}
