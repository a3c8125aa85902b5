#include "application.h"

#include "metadata.h"

#include <QApplication>
#include <QFont>
#include <QFontDatabase>
#include <QLibraryInfo>
#include <QScreen>
#include <QStringList>
#include <QTranslator>

namespace {

struct SongFace {
    const char *family;
    bool bitmapStrikes; // embedded bitmaps for the small sizes, as 宋体 has
};

// Faces that carry 宋体's metrics (half-width Latin) and its hand-tuned
// 11–16 px bitmaps first, then other Song-style faces, then any CJK face,
// so a caption never shows as empty boxes.
constexpr SongFace kSongFaces[] = {
    {"SimSun", true},
    {"NSimSun", true},
    {"AR PL UMing CN", true},
    {"Noto Serif CJK SC", false},
    {"Source Han Serif SC", false},
    {"Source Han Serif CN", false},
    {"Microsoft YaHei", false}, // every Windows 10 and 11 has it, with or without 宋体
    {"Noto Sans CJK SC", false},
    {"Source Han Sans SC", false},
    {"WenQuanYi Zen Hei", false},
    {"WenQuanYi Micro Hei", false},
    {"Droid Sans Fallback", false},
};

// The sizes the bitmap strikes cover, in device pixels.
constexpr double kSmallestStrike = 10.5;
constexpr double kLargestStrike = 16.5;

const SongFace &songFace()
{
    // Asking for a family that is not installed costs a full fallback scan
    // on every font Qt resolves, so the substitute is looked up once, in the
    // list of installed families (QFontDatabase::hasFamily would have
    // fontconfig resolve each missing name as an alias, at a cost of about a
    // fifth of the whole start-up).
    static const SongFace &face = []() -> const SongFace & {
        QStringList candidates;
        for (const SongFace &candidate : kSongFaces)
            candidates << QString::fromLatin1(candidate.family);
        QFont::insertSubstitutions(QStringLiteral("宋体"), candidates);
        const QStringList installed = QFontDatabase::families();
        for (const SongFace &candidate : kSongFaces) {
            if (installed.contains(QLatin1String(candidate.family)))
                return candidate;
        }
        static const SongFace substituted{"宋体", false};
        return substituted;
    }();
    return face;
}

QString songFamily()
{
    return QString::fromUtf8(songFace().family);
}

} // namespace

QFont songFont(double points, const QScreen *screen)
{
    QFont font(songFamily());
    font.setPointSizeF(points);
    // Bitmap glyphs are crisp at these sizes and far cheaper to load than
    // CJK outlines, which dominate the start-up otherwise. On a high-density
    // screen the same points need more pixels than the bitmaps have.
    const double pixels = screen ? points / 72 * screen->logicalDotsPerInchY() * screen->devicePixelRatio() : 0;
    if (songFace().bitmapStrikes && pixels >= kSmallestStrike && pixels <= kLargestStrike)
        font.setStyleStrategy(QFont::NoAntialias);
    return font;
}

void choosePlatform()
{
#ifdef Q_OS_WIN
    // Qt's FreeType engine draws every caption whole, the small sizes from
    // the face's bitmaps, and measures captions as the Linux build does. The
    // GDI engine, as Wine provides it, loses glyphs (the check box's ！) and
    // wraps the largest captions; DirectWrite smooths the small sizes instead
    // of using the bitmaps.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "windows:fontengine=freetype");
#endif
}

void prepareApplication(QApplication &app)
{
    QApplication::setApplicationName(QStringLiteral(KORVID_PRODUCT_NAME));
    // Lets a Wayland compositor find the desktop entry, and with it the icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(KORVID_APP_ID));

    // The dialogs speak 宋体 9 pt, as the form does.
    QApplication::setFont(songFont(9, QGuiApplication::primaryScreen()));

    // Qt's own texts (the text fields' context menus) in Chinese too, when
    // the translations are installed.
    auto *translator = new QTranslator(&app);
    if (translator->load(QStringLiteral("qtbase_zh_CN"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(translator);
    else
        delete translator;
}
