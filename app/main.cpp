#include "application.h"
#include "beforeqt.h"
#include "korvid.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    beforeQtStarts();
    QApplication app(argc, argv);
    prepareApplication(app);

    Korvid window;
    window.show();
    return QApplication::exec();
}
