#include "fonts.h"

#include <QFont>
#include <QFontDatabase>
#include <QScreen>
#include <QStringList>

namespace {

struct SongFace {
    const char *family;
    // Windows lists its faces by the names they have in the user's
    // language; these are its Simplified Chinese ones.
    const char *chinese;
    bool bitmapStrikes; // embedded bitmaps for the small sizes, as 宋体 has
};

// Faces that carry 宋体's metrics (half-width Latin) and its hand-tuned
// 11–16 px bitmaps first, then other Song-style faces, then any CJK face,
// so a caption never shows as empty boxes.
constexpr SongFace kSongFaces[] = {
    {"SimSun", "宋体", true},
    {"NSimSun", "新宋体", true},
    {"AR PL UMing CN", nullptr, true},
    {"Noto Serif CJK SC", nullptr, false},
    {"Source Han Serif SC", nullptr, false},
    {"Source Han Serif CN", nullptr, false},
    {"Microsoft YaHei", "微软雅黑", false}, // every Windows 10 and 11 has it, with or without 宋体
    {"Noto Sans CJK SC", nullptr, false},
    {"Source Han Sans SC", nullptr, false},
    {"WenQuanYi Zen Hei", nullptr, false},
    {"WenQuanYi Micro Hei", nullptr, false},
    {"Droid Sans Fallback", nullptr, false},
};

// The device pixel sizes drawn from the 11 to 16 px strikes: a face is set
// at whole pixel sizes, so a size within half a pixel of a strike comes to it.
constexpr double kSmallestStrike = 10.5;
constexpr double kLargestStrike = 16.5;

struct ChosenFace {
    QString family; // by the name this system lists it under
    bool bitmapStrikes;
};

const ChosenFace &songFace()
{
    // Asking for a family that is not installed costs a full fallback scan
    // on every font Qt resolves, so the substitute is looked up once, in the
    // list of installed families (QFontDatabase::hasFamily would have
    // fontconfig resolve each missing name as an alias, at a cost of about a
    // fifth of the whole start-up). A face is found by either of its names.
    static const ChosenFace face = [] {
        QStringList candidates;
        for (const SongFace &candidate : kSongFaces) {
            candidates << QString::fromUtf8(candidate.family);
            if (candidate.chinese)
                candidates << QString::fromUtf8(candidate.chinese);
        }
        QFont::insertSubstitutions(QStringLiteral("宋体"), candidates);
        const QStringList installed = QFontDatabase::families();
        for (const SongFace &candidate : kSongFaces) {
            for (const char *name : {candidate.family, candidate.chinese}) {
                if (name && installed.contains(QString::fromUtf8(name)))
                    return ChosenFace{QString::fromUtf8(name), candidate.bitmapStrikes};
            }
        }
        return ChosenFace{QStringLiteral("宋体"), false};
    }();
    return face;
}

} // namespace

QFont formFont(const form::Font &entry, const QScreen *screen)
{
    const ChosenFace &face = songFace();
    QFont font(face.family);
    font.setPointSizeF(entry.points);
    font.setWeight(static_cast<QFont::Weight>(entry.weight));
    font.setItalic(entry.italic);
    font.setUnderline(entry.underline);
    // Bitmap glyphs are crisp at these sizes and far cheaper to load than
    // CJK outlines, which dominate the start-up otherwise. On a high-density
    // screen the same points need more pixels than the bitmaps have.
    const double pixels = screen ? entry.points / 72 * screen->logicalDotsPerInchY() * screen->devicePixelRatio() : 0;
    if (face.bitmapStrikes && pixels >= kSmallestStrike && pixels <= kLargestStrike)
        font.setStyleStrategy(QFont::NoAntialias);
    font.setResolveMask(QFont::AllPropertiesResolved);
    return font;
}
