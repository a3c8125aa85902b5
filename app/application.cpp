#include "application.h"

#include <QApplication>
#include <QFont>
#include <QFontDatabase>
#include <QLibraryInfo>
#include <QStringList>
#include <QTranslator>

namespace {

// Song-style faces first, as the form was drawn in 宋体; then any CJK face,
// so a caption never shows as empty boxes.
QStringList songCandidates()
{
    return {
        QStringLiteral("SimSun"),
        QStringLiteral("NSimSun"),
        QStringLiteral("Noto Serif CJK SC"),
        QStringLiteral("Source Han Serif SC"),
        QStringLiteral("Source Han Serif CN"),
        QStringLiteral("AR PL UMing CN"),
        QStringLiteral("Noto Sans CJK SC"),
        QStringLiteral("Source Han Sans SC"),
        QStringLiteral("WenQuanYi Zen Hei"),
        QStringLiteral("WenQuanYi Micro Hei"),
        QStringLiteral("Droid Sans Fallback"),
    };
}

} // namespace

QString songFamily()
{
    // Asking for a family that is not installed costs a full fallback scan
    // on every font Qt resolves, so the substitute is looked up once.
    static const QString family = [] {
        const QStringList candidates = songCandidates();
        QFont::insertSubstitutions(QStringLiteral("宋体"), candidates);
        for (const QString &candidate : candidates) {
            if (QFontDatabase::hasFamily(candidate))
                return candidate;
        }
        return QStringLiteral("宋体");
    }();
    return family;
}

void prepareApplication(QApplication &app)
{
    QApplication::setApplicationName(QStringLiteral("Korvid"));

    // The form's controls all use 宋体 9 pt unless they say otherwise.
    QApplication::setFont(QFont(songFamily(), 9));

    // Qt's own texts (the text fields' context menus) in Chinese too, when
    // the translations are installed.
    auto *translator = new QTranslator(&app);
    if (translator->load(QStringLiteral("qtbase_zh_CN"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(translator);
    else
        delete translator;
}
