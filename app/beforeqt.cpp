#include "beforeqt.h"

#include <QtGlobal>

#ifdef Q_OS_WIN
#include "metadata.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <qt_windows.h>

#include <vector>
#endif

void beforeQtStarts()
{
#ifdef Q_OS_WIN
    // A QT_PLUGIN_PATH or QT_QPA_PLATFORM_PLUGIN_PATH left by another Qt
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
