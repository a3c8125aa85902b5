// The floor any Qt Widgets program reaches: one empty window of Korvid's
// size, nothing else.
#include <QApplication>
#include <QWidget>

#ifdef KORVID_EXIT_AFTER_FIRST_PAINT
#include "firstpaint.h"
#endif

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Empty"));
    window.setGeometry(98, 229, 906, 639);
#ifdef KORVID_EXIT_AFTER_FIRST_PAINT
    quitAfterFirstPaint(&window);
#endif
    window.show();
    return QApplication::exec();
}
