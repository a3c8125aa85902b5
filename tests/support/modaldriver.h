#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>

#include <deque>
#include <functional>

class QLineEdit;
class QWidget;

// Answers the modal dialogs that a click opens, one scripted step for each,
// from a timer inside the dialog's own event loop. Any dialog nobody
// scripted is recorded as a failure and closed, so a test never hangs.
// Of several drivers alive at once, the newest answers.
//
//   ModalDriver driver;
//   driver.reply("9.8").reply("20");
//   QTest::mouseClick(button, Qt::LeftButton);
//   QVERIFY2(driver.finished(), qPrintable(driver.report()));
class ModalDriver : public QObject {
public:
    ModalDriver();
    ~ModalDriver() override;

    // Input dialog: type `text` into the field, press 确定.
    ModalDriver &reply(const QString &text);
    // Input dialog: paste `text` from the clipboard with Ctrl+V, press 确定.
    ModalDriver &paste(const QString &text);
    // Input dialog: type `text` on the keyboard, press Enter.
    ModalDriver &type(const QString &text);
    // Input dialog: press 取消.
    ModalDriver &cancel();
    // Input dialog: press Escape.
    ModalDriver &escape();
    // Input dialog: close it as the window manager's close button does.
    ModalDriver &close();
    // Message box: press 确定.
    ModalDriver &acknowledge();

    // Every step was used and nothing unexpected happened.
    bool finished() const { return steps_.empty() && failures_.isEmpty(); }
    // "input Korvid 重力加速度为(单位m/s^2)：" or "message Korvid 运行时错误 …", one
    // entry per dialog seen, in order.
    const QStringList &seen() const { return seen_; }
    QString report() const;

private:
    enum class Kind { Input, Message };
    struct Step {
        Kind kind;
        std::function<void(QWidget *)> act;
    };

    void poll();
    void add(Kind kind, std::function<void(QWidget *)> act);
    // Input dialog: `fill` its edit field, then press 确定.
    void fillAndConfirm(std::function<void(QLineEdit *)> fill);
    void pressButton(QWidget *dialog, const QString &caption);

    static ModalDriver *newest_;
    ModalDriver *previous_;
    QTimer timer_;
    std::deque<Step> steps_;
    QStringList seen_;
    QStringList failures_;
};
