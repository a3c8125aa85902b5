#pragma once

#include <QColor>
#include <QGroupBox>

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
