#include "application.h"

#include "fonts.h"
#include "metadata.h"

#include <QApplication>
#include <QFont>
#include <QLibraryInfo>
#include <QTranslator>

void prepareApplication(QApplication &app)
{
    QApplication::setApplicationName(QStringLiteral(KORVID_PRODUCT_NAME));
    // Lets a Wayland compositor find the desktop entry, and with it the icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(KORVID_APP_ID));

    // What no window sets for itself, the text fields' context menus, is
    // drawn in the form's face too, and in Chinese where Qt's translations
    // are installed.
    QApplication::setFont(formFont(form::kDefaultFont, QGuiApplication::primaryScreen()));
    auto *translator = new QTranslator(&app);
    if (translator->load(QStringLiteral("qtbase_zh_CN"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(translator);
    else
        delete translator;
}
