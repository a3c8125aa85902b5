// Draws Korvid's icon (48 × 48 for the window, 256 × 256 for desktops, and
// every size Windows shows an executable at, with transparent corners) and
// the author's portrait. The pictures are committed; run this again after
// changing a drawing:
//   cmake --build --preset release --target korvid-art
//   build/release/tools/korvid-art resources
#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cstdint>
#include <cstdio>

namespace {

// Drawn on a 48-unit grid: a planet with a moon on its orbit, for a physics
// calculator. Opaque, or with transparent corners.
QImage drawIcon(int size, bool opaque = true)
{
    QImage image(size, size, opaque ? QImage::Format_RGB32 : QImage::Format_ARGB32_Premultiplied);
    image.fill(opaque ? QColor(0xF0, 0xF0, 0xF0) : QColor(Qt::transparent));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 48.0, size / 48.0);

    QLinearGradient sky(0, 0, 0, 48);
    sky.setColorAt(0, QColor(0x21, 0x96, 0xF3));
    sky.setColorAt(1, QColor(0x0D, 0x3C, 0x8C));
    p.setPen(Qt::NoPen);
    p.setBrush(sky);
    p.drawRoundedRect(QRectF(1, 1, 46, 46), 9, 9);

    QRadialGradient planet(QPointF(20, 20), 14);
    planet.setColorAt(0, QColor(0xFF, 0xE0, 0x82));
    planet.setColorAt(1, QColor(0xF5, 0x7C, 0x00));
    p.setBrush(planet);
    p.drawEllipse(QPointF(24, 25), 11, 11);

    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0x80, 0xFF, 0xFF), 2));
    p.save();
    p.translate(24, 25);
    p.rotate(-25);
    p.drawEllipse(QPointF(0, 0), 20, 7);
    p.restore();

    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(40, 16), 3.5, 3.5);
    return image;
}

// 69 × 74: a grinning face with big glasses and a tuft of hair.
QImage drawPortrait()
{
    QImage image(69, 74, QImage::Format_RGB32);
    image.fill(QColor(0xDD, 0xEE, 0xFF));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);

    p.setBrush(QColor(0x3B, 0x5B, 0x92)); // shirt
    p.drawEllipse(QRectF(6, 58, 57, 40));

    p.setBrush(QColor(0xF6, 0xD2, 0xB0)); // face and ears
    p.drawEllipse(QRectF(14, 12, 41, 50));
    p.drawEllipse(QRectF(9, 33, 9, 12));
    p.drawEllipse(QRectF(51, 33, 9, 12));

    p.setBrush(QColor(0x2A, 0x21, 0x1C)); // hair
    QPainterPath hair;
    hair.moveTo(13, 34);
    hair.cubicTo(10, 6, 58, 2, 56, 34);
    hair.cubicTo(50, 20, 30, 24, 22, 17);
    hair.cubicTo(20, 24, 16, 28, 13, 34);
    p.drawPath(hair);
    p.drawEllipse(QRectF(31, 2, 8, 10)); // the tuft

    p.setPen(QPen(QColor(0x20, 0x20, 0x20), 2)); // glasses
    p.setBrush(QColor(0xFF, 0xFF, 0xFF));
    p.drawEllipse(QRectF(17, 31, 15, 12));
    p.drawEllipse(QRectF(37, 31, 15, 12));
    p.drawLine(QPointF(32, 37), QPointF(37, 37));

    p.setPen(Qt::NoPen); // eyes glancing sideways
    p.setBrush(QColor(0x20, 0x20, 0x20));
    p.drawEllipse(QPointF(28, 38), 2.2, 2.2);
    p.drawEllipse(QPointF(48, 38), 2.2, 2.2);

    p.setPen(QPen(QColor(0x8A, 0x2B, 0x1E), 2)); // a sly grin
    p.setBrush(Qt::NoBrush);
    QPainterPath grin;
    grin.moveTo(25, 50);
    grin.quadTo(36, 59, 47, 48);
    p.drawPath(grin);

    p.setPen(Qt::NoPen); // blushing cheeks
    p.setBrush(QColor(0xF0, 0x90, 0x90));
    p.drawEllipse(QRectF(17, 45, 6, 4));
    p.drawEllipse(QRectF(46, 45, 6, 4));
    return image;
}

template<typename T>
void put(QByteArray &out, T value) // little-endian
{
    for (std::size_t i = 0; i < sizeof(T); ++i)
        out.append(static_cast<char>((static_cast<std::uint64_t>(value) >> (8 * i)) & 0xFF));
}

// An .ico with an image for each size Windows shows an executable at, 32-bit
// with alpha; the largest stored as PNG, as Windows expects from Vista on.
bool saveIco(const QString &path)
{
    constexpr int kSizes[] = {16, 20, 24, 32, 40, 48, 64, 256};
    constexpr int kCount = sizeof kSizes / sizeof kSizes[0];
    QByteArray header;
    QByteArray images;
    put<std::uint16_t>(header, 0); // ICONDIR
    put<std::uint16_t>(header, 1); // icon
    put<std::uint16_t>(header, kCount);
    for (const int size : kSizes) {
        const QImage icon = drawIcon(size, false).convertToFormat(QImage::Format_ARGB32);
        QByteArray data;
        if (size == 256) {
            QBuffer buffer(&data);
            buffer.open(QIODevice::WriteOnly);
            icon.save(&buffer, "PNG");
        } else {
            put<std::uint32_t>(data, 40); // BITMAPINFOHEADER
            put<std::int32_t>(data, size);
            put<std::int32_t>(data, 2 * size); // colours and mask
            put<std::uint16_t>(data, 1);
            put<std::uint16_t>(data, 32);
            for (int i = 0; i < 6; ++i) // compression, sizes, resolution, palette: none
                put<std::uint32_t>(data, 0);
            for (int y = size - 1; y >= 0; --y) // bottom-up BGRA, as ARGB32 lies in memory
                data.append(reinterpret_cast<const char *>(icon.constScanLine(y)), qsizetype(size) * 4);
            data.append(qsizetype(size) * ((size + 31) / 32) * 4, '\0'); // the mask: alpha says it all
        }
        put<std::uint8_t>(header, static_cast<std::uint8_t>(size % 256)); // ICONDIRENTRY; 0 is 256
        put<std::uint8_t>(header, static_cast<std::uint8_t>(size % 256));
        put<std::uint8_t>(header, 0); // no palette
        put<std::uint8_t>(header, 0);
        put<std::uint16_t>(header, 1); // planes
        put<std::uint16_t>(header, 32); // bits per pixel
        put<std::uint32_t>(header, static_cast<std::uint32_t>(data.size()));
        put<std::uint32_t>(header, static_cast<std::uint32_t>(6 + 16 * kCount + images.size()));
        images += data;
    }
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(header + images) == header.size() + images.size();
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s RESOURCE-DIRECTORY\n", argv[0]);
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    const QImage icon = drawIcon(48);
    const bool ok = icon.save(out.filePath(QStringLiteral("korvid.png")), "PNG")
                    && saveIco(out.filePath(QStringLiteral("korvid.ico")))
                    && drawIcon(256).save(out.filePath(QStringLiteral("korvid-256.png")), "PNG")
                    && drawPortrait().save(out.filePath(QStringLiteral("portrait.jpg")), "JPEG", 92);
    if (!ok)
        std::fprintf(stderr, "could not write the pictures to %s\n", argv[1]);
    return ok ? 0 : 1;
}
