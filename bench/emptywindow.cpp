// The floor any Qt Widgets program reaches: one empty window of Korvid's
// size, nothing else.
#include "form.h"

#include <QApplication>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Empty"));
    window.setGeometry(form::toPixels(form::kWindow.clientArea));
    window.show();
    return QApplication::exec();
}
