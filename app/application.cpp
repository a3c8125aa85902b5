#include "application.h"

#include "fonts.h"
#include "metadata.h"

#include <QApplication>
#include <QFileInfo>
#include <QFont>
#include <QLibraryInfo>
#include <QTranslator>

#ifdef Q_OS_WIN
#include <qt_windows.h>

#include <vector>
#endif

void beforeQtStarts()
{
#ifdef Q_OS_WIN
    // Qt's plugins come from the program's own folder alone: a
    // QT_PLUGIN_PATH or QT_QPA_PLATFORM_PLUGIN_PATH left by another Qt
    // program would otherwise be searched first, for plugins that may not
    // fit this Qt. The font engine comes with the program too, in qt.conf.
    std::vector<wchar_t> path(MAX_PATH);
    DWORD length = 0;
    while ((length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()))) == path.size())
        path.resize(path.size() * 2);
    if (length > 0)
        QCoreApplication::setLibraryPaths({QFileInfo(QString::fromWCharArray(path.data(), length)).absolutePath()});
    qunsetenv("QT_QPA_PLATFORM_PLUGIN_PATH");

    // Held, never closed, until the process ends: the installer and the
    // uninstaller do not replace files that are in use.
    CreateMutexW(nullptr, FALSE, L"Global\\" KORVID_APP_ID);
#endif
}

void prepareApplication(QApplication &app)
{
    QApplication::setApplicationName(QStringLiteral(KORVID_PRODUCT_NAME));
    // Lets a Wayland compositor find the desktop entry, and with it the icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(KORVID_APP_ID));

    // What no window sets for itself (the text fields' context menus) is
    // drawn in the form's face too.
    QApplication::setFont(formFont(layout::kDefaultFont, QGuiApplication::primaryScreen()));

    // Qt's own texts (the text fields' context menus) in Chinese too, when
    // the translations are installed.
    auto *translator = new QTranslator(&app);
    if (translator->load(QStringLiteral("qtbase_zh_CN"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(translator);
    else
        delete translator;
}
