// Draws Korvid's window icon and the author's portrait. The pictures are
// committed; run this again after changing a drawing:
//   cmake --build --preset release --target korvid-art
//   build/release/tools/korvid-art resources
#include <QCoreApplication>
#include <QDir>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cstdio>

namespace {

// 48 × 48, opaque: a planet with a moon on its orbit, for a physics calculator.
QImage drawIcon()
{
    QImage image(48, 48, QImage::Format_RGB32);
    image.fill(QColor(0xF0, 0xF0, 0xF0));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);

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

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s RESOURCE-DIRECTORY\n", argv[0]);
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    const QImage icon = drawIcon();
    const bool ok = icon.save(out.filePath(QStringLiteral("korvid.png")), "PNG")
        && drawPortrait().save(out.filePath(QStringLiteral("portrait.jpg")), "JPEG", 92);
    if (!ok)
        std::fprintf(stderr, "could not write the pictures to %s\n", argv[1]);
    return ok ? 0 : 1;
}
