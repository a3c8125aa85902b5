// The cost of one more result while the answer box holds many: the whole
// click of the distance button, with its replies scripted, the mean of 200
// clicks from 100, 1,000 and 10,000 results held on.
#include "application.h"
#include "korvid.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>

#include <chrono>
#include <cstdio>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    prepareApplication(app);

    bool secondReply = false;
    Dialogs scripted{[&secondReply](const QString &) -> std::optional<QString> {
                         secondReply = !secondReply;
                         return secondReply ? QStringLiteral("10") : QStringLiteral("3");
                     },
                     [](const QString &message) { std::fprintf(stderr, "%s\n", qPrintable(message)); }};
    Korvid window([&scripted](QWidget &) { return scripted; });
    window.show();
    auto *distance = window.findChild<QAbstractButton *>(QStringLiteral("Command2"));
    auto *answers = window.findChild<QLineEdit *>(QStringLiteral("Text2"));

    constexpr int kTimed = 200;
    int held = 0;
    std::printf("results held      ms per append\n");
    for (const int target : {100, 1000, 10000}) {
        for (; held < target; ++held)
            distance->click();
        const auto start = std::chrono::steady_clock::now();
        for (int i = 0; i < kTimed; ++i)
            distance->click();
        QApplication::processEvents();
        const std::chrono::duration<double, std::milli> spent = std::chrono::steady_clock::now() - start;
        held += kTimed;
        std::printf("%6d to %6d   %13.3f\n", target, target + kTimed, spent.count() / kTimed);
    }
    // Every click appended one "45.0000000".
    return answers->text().size() == qsizetype{held} * 10 ? 0 : 1;
}
