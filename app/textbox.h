#pragma once

#include <QLineEdit>

// A text box that holds text of any length. Results are appended to it; with
// nothing selected, the copy shortcut copies the last result appended.
class TextBox : public QLineEdit {
public:
    TextBox(const QString &text, QWidget *parent);

    // Appends at the end, as typing there would, so screen readers hear of
    // the new text alone.
    void append(const QString &piece);

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    QString lastAppended_;
};

// Lets a line edit hold text of any length. Qt's default limit of 32767
// characters cuts what goes beyond it, silently: appended results, or a
// pasted reply and the exponent at its end.
void takeWholeText(QLineEdit &field);
