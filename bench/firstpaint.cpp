// Korvid's start-up as the shipped program makes it, ending after the
// window's first paint, for instruction counts.
#include "firstpaint.h"
#include "application.h"
#include "korvid.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    prepareApplication(app);

    Korvid window;
    quitAfterFirstPaint(&window);
    window.show();
    return QApplication::exec();
}
