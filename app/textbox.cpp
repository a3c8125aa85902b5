#include "textbox.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>

#include <limits>

void takeWholeText(QLineEdit &field)
{
    field.setMaxLength(std::numeric_limits<int>::max());
}

TextBox::TextBox(const QString &text, QWidget *parent) : QLineEdit(text, parent)
{
    takeWholeText(*this); // results are appended for as long as the window is open
}

void TextBox::append(const QString &piece)
{
    deselect();
    end(false);
    insert(piece);
    lastAppended_ = piece;
}

void TextBox::keyPressEvent(QKeyEvent *event)
{
    if (event == QKeySequence::Copy && !hasSelectedText() && !lastAppended_.isEmpty()
        && text().endsWith(lastAppended_)) {
        QGuiApplication::clipboard()->setText(lastAppended_);
        return;
    }
    QLineEdit::keyPressEvent(event);
}
