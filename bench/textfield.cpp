// The floor of any Qt window that shows Chinese text: the empty window plus
// one line edit holding a caption. Creating it starts the font system
// (fontconfig's configuration, Qt's font database, the first CJK face),
// which the empty window never does.
#include "form.h"

#include <QApplication>
#include <QLineEdit>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Text field"));
    window.setGeometry(form::toPixels(form::kWindow.clientArea));
    new QLineEdit(QStringLiteral("吐槽框（虽然作者看不到）"), &window);
    window.show();
    return QApplication::exec();
}
