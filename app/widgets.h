#pragma once

#include <QCheckBox>
#include <QColor>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

// The few widgets the form needs beyond Qt's own. Captions on the form were
// written for 宋体, whose lines are exactly one em apart; CJK faces on Linux
// have far more leading, so wrapped captions are set with 宋体's spacing to
// fit the controls they were written for.

// A push button whose caption wraps onto as many centred lines as it needs.
class WrapButton : public QPushButton {
public:
    using QPushButton::QPushButton;

protected:
    void paintEvent(QPaintEvent *event) override;
};

// A label whose caption wraps within its width, from the top left.
class WrapLabel : public QLabel {
public:
    using QLabel::QLabel;

protected:
    void paintEvent(QPaintEvent *event) override;
};

// A captioned frame that paints its own background, so the colour stays with
// the frame and the controls inside keep their own look.
class Frame : public QGroupBox {
public:
    Frame(const QString &title, QColor background, QColor text, QWidget *parent);

    QColor background() const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QColor background_;
    QColor text_;
};

// A check box that toggles on a click anywhere in its area, not only on the
// box and the caption's text, and whose caption starts close to the box, so
// a long caption keeps its end in the room the form gives it.
class CheckBox : public QCheckBox {
public:
    using QCheckBox::QCheckBox;

protected:
    bool hitButton(const QPoint &pos) const override;
    void paintEvent(QPaintEvent *event) override;
};

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

// A filled, outlined rectangle drawn on its container's surface. It takes
// no clicks; what lies over it gets them.
class Shape : public QWidget {
public:
    Shape(QColor fill, QColor border, QWidget *parent);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QColor fill_;
    QColor border_;
};

// Marks a frame or a shape that is only drawn to be looked at, such as a
// hairline: screen readers pass over it, as over any decoration.
void markDecorative(QWidget &widget);

// Lets a line edit hold text of any length. Qt's default limit of 32767
// characters cuts what goes beyond it, silently: appended results, or a
// pasted reply and the exponent at its end.
void takeWholeText(QLineEdit &field);
