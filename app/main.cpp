#include "application.h"
#include "korvid.h"

#include <QApplication>

#ifdef KORVID_EXIT_AFTER_FIRST_PAINT // the start-up benchmark's build only
#include "firstpaint.h"
#endif

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    prepareApplication(app);

    Korvid window;
#ifdef KORVID_EXIT_AFTER_FIRST_PAINT
    quitAfterFirstPaint(&window);
#endif
    window.show();
    return QApplication::exec();
}
