#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <cstdint>
#include <map>
#include <vector>

// Compiles the generated Windows resource script with MinGW's resource
// compiler and reads the compiled resources back: what a Windows build
// would carry in its executable.
class VersionResourceTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void fixedVersion();
    void strings_data();
    void strings();
    void translation();
    void icon();

private:
    struct Resource {
        int type;
        int language;
        QByteArray data;
    };
    const Resource *find(int type) const;

    QTemporaryDir dir_;
    std::vector<Resource> resources_;
    std::map<QString, QString> strings_; // "080404B0/CompanyName" → value
    std::vector<std::uint16_t> translation_;
};

namespace {

constexpr int kIcon = 3;
constexpr int kGroupIcon = 14;
constexpr int kVersion = 16;

std::uint32_t u16(const QByteArray &data, qsizetype at)
{
    return static_cast<std::uint8_t>(data[at]) | static_cast<std::uint8_t>(data[at + 1]) << 8;
}

std::uint32_t u32(const QByteArray &data, qsizetype at)
{
    return u16(data, at) | u16(data, at + 2) << 16;
}

qsizetype align4(qsizetype at)
{
    return (at + 3) & ~qsizetype(3);
}

// A zero-terminated UTF-16 string at `at`; `at` moves past it.
QString utf16(const QByteArray &data, qsizetype &at)
{
    QString text;
    for (; at + 1 < data.size() && u16(data, at) != 0; at += 2)
        text.append(QChar(static_cast<char16_t>(u16(data, at))));
    at += 2;
    return text;
}

// A resource type or name: an ordinal after 0xFFFF, or a string.
int typeOrName(const QByteArray &data, qsizetype &at)
{
    if (u16(data, at) == 0xFFFF) {
        const int ordinal = static_cast<int>(u16(data, at + 2));
        at += 4;
        return ordinal;
    }
    utf16(data, at);
    return -1;
}

} // namespace

void VersionResourceTest::initTestCase()
{
    if (QStringLiteral(KORVID_WINDRES).isEmpty())
        QFAIL("MinGW's resource compiler was not found; install binutils-mingw-w64-x86-64");
    QVERIFY(dir_.isValid());
    const QString res = dir_.filePath(QStringLiteral("korvid.res"));
    QProcess windres;
    windres.start(QStringLiteral(KORVID_WINDRES),
                  {QStringLiteral("--preprocessor=cpp"), QStringLiteral("-i"), QStringLiteral(KORVID_RC),
                   QStringLiteral("-O"), QStringLiteral("res"), QStringLiteral("-o"), res});
    QVERIFY(windres.waitForFinished(30000));
    QVERIFY2(windres.exitCode() == 0, windres.readAllStandardError().constData());

    QFile file(res);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray all = file.readAll();
    for (qsizetype at = 0; at + 32 <= all.size();) {
        const auto dataSize = static_cast<qsizetype>(u32(all, at));
        const auto headerSize = static_cast<qsizetype>(u32(all, at + 4));
        qsizetype field = at + 8;
        const int type = typeOrName(all, field);
        typeOrName(all, field);
        field = align4(field);
        const int language = static_cast<int>(u16(all, field + 6));
        if (dataSize > 0)
            resources_.push_back({type, language, all.mid(at + headerSize, dataSize)});
        at = align4(at + headerSize + dataSize);
    }

    // The version information is a tree of {length, value length, type, key,
    // value, children}; collect its strings and the translation.
    const Resource *version = find(kVersion);
    QVERIFY(version);
    const QByteArray &data = version->data;
    std::vector<QString> path;
    const auto walk = [&](auto &&self, qsizetype at) -> void {
        const qsizetype end = at + u16(data, at);
        const qsizetype valueLength = u16(data, at + 2);
        const bool text = u16(data, at + 4) == 1;
        qsizetype cursor = at + 6;
        const QString key = utf16(data, cursor);
        cursor = align4(cursor);
        if (text && valueLength > 0 && path.size() == 3) { // root, StringFileInfo, table
            qsizetype value = cursor;
            strings_[path[2] + QLatin1Char('/') + key] = utf16(data, value);
        } else if (key == QLatin1String("Translation")) {
            for (qsizetype i = 0; i < valueLength; i += 2)
                translation_.push_back(static_cast<std::uint16_t>(u16(data, cursor + i)));
        }
        cursor = align4(cursor + (text ? 2 * valueLength : valueLength));
        path.push_back(key);
        while (cursor < end) {
            self(self, cursor);
            cursor = align4(cursor + u16(data, cursor));
        }
        path.pop_back();
    };
    walk(walk, 0);
}

const VersionResourceTest::Resource *VersionResourceTest::find(int type) const
{
    for (const Resource &resource : resources_) {
        if (resource.type == type)
            return &resource;
    }
    return nullptr;
}

void VersionResourceTest::fixedVersion()
{
    const Resource *version = find(kVersion);
    QCOMPARE(version->language, 0x0804);
    // VS_FIXEDFILEINFO after the "VS_VERSION_INFO" key: signature, then
    // structure, file and product versions.
    const QByteArray &data = version->data;
    const qsizetype fixed = align4(6 + 2 * (15 + 1));
    QCOMPARE(u32(data, fixed), 0xFEEF04BDu);
    QCOMPARE(u32(data, fixed + 8), 0x00010001u); // file 1.1
    QCOMPARE(u32(data, fixed + 12), 0x00000000u); // .0.0
    QCOMPARE(u32(data, fixed + 16), 0x00010001u); // product 1.1
    QCOMPARE(u32(data, fixed + 20), 0x00000000u);
}

void VersionResourceTest::strings_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("expected");

    QTest::newRow("ProductName") << "ProductName"
                                 << "Korvid";
    QTest::newRow("FileVersion") << "FileVersion"
                                 << "1.01";
    QTest::newRow("ProductVersion") << "ProductVersion"
                                    << "1.01";
    QTest::newRow("InternalName") << "InternalName" << QStringLiteral("Korvid理科计算器 V1.1.0 中文版");
    QTest::newRow("OriginalFilename") << "OriginalFilename" << QStringLiteral("Korvid理科计算器 V1.1.0 中文版.exe");
    QTest::newRow("CompanyName") << "CompanyName" << QStringLiteral("青柚工作室");
}

void VersionResourceTest::strings()
{
    QFETCH(QString, key);
    QFETCH(QString, expected);
    const auto found = strings_.find(QStringLiteral("080404B0/") + key);
    QVERIFY2(found != strings_.end(), qPrintable(key + QStringLiteral(" is not in the 080404B0 block")));
    QCOMPARE(found->second, expected);
    QCOMPARE(strings_.size(), std::size_t(6)); // and nothing else
}

void VersionResourceTest::translation()
{
    QCOMPARE(translation_, (std::vector<std::uint16_t>{0x0804, 0x04B0}));
}

void VersionResourceTest::icon()
{
    const Resource *group = find(kGroupIcon);
    const Resource *image = find(kIcon);
    QVERIFY(group && image);
    QCOMPARE(u16(group->data, 4), 1u); // one image: 48 × 48, 24 bits
    QCOMPARE(static_cast<std::uint8_t>(group->data[6]), std::uint8_t(48));
    QCOMPARE(static_cast<std::uint8_t>(group->data[7]), std::uint8_t(48));
    QCOMPARE(u16(group->data, 12), 24u);
    // The image is a bitmap of the colours over the transparency mask.
    QCOMPARE(u32(image->data, 0), 40u);
    QCOMPARE(u32(image->data, 4), 48u);
    QCOMPARE(u32(image->data, 8), 96u);
    QCOMPARE(u16(image->data, 14), 24u);
}

QTEST_APPLESS_MAIN(VersionResourceTest)
#include "tst_versionresource.moc"
