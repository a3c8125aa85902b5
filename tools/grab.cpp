// Saves what an X window shows as a PNG: used to picture Korvid under a
// virtual X server, where there is no one to look at the screen. A window
// of one colour only has not been painted yet, and is not saved. The whole
// screen is saved as it is, to show what a failing test saw.
//   korvid-grab WINDOW-ID FILE.png
//   korvid-grab --screen FILE.png
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>

#include <cstdio>

namespace {

bool painted(const QImage &image)
{
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) != image.pixel(0, 0))
                return true;
        }
    }
    return false;
}

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s WINDOW-ID|--screen FILE.png\n", argv[0]);
        return 2;
    }
    const bool wholeScreen = QByteArray(argv[1]) == "--screen";
    bool ok = wholeScreen;
    const WId window = wholeScreen ? 0 : QByteArray(argv[1]).toULongLong(&ok, 0);
    QScreen *screen = QGuiApplication::primaryScreen();
    if (!ok || !screen) {
        std::fprintf(stderr, "%s: no such window or no screen\n", argv[0]);
        return 1;
    }
    const QImage shot = screen->grabWindow(window).toImage();
    if ((!wholeScreen && !painted(shot)) || !shot.save(QString::fromLocal8Bit(argv[2]), "PNG")) {
        std::fprintf(stderr, "%s: could not grab window %s, or nothing is painted there yet\n", argv[0], argv[1]);
        return 1;
    }
    return 0;
}
