// grey_count SCREENSHOT X Y WIDTH HEIGHT [PICTURE...]: how many pixels of the desktop's greys lie
// in that rectangle of a screenshot (clipped to it). A neutral colour that the game's own
// pictures use is the art's, not the desktop's, unless it is one of the desktop's very own
// greys. Exit status 2 when a picture cannot be read.
#include "desktop_grey.h"

#include <QImage>
#include <QRect>
#include <QSet>
#include <QString>
#include <cstdio>

namespace {

QImage load(const char* path) {
    return QImage(QString::fromLocal8Bit(path)).convertToFormat(QImage::Format_RGB32);
}

int number(const char* text) {
    return QString::fromLatin1(text).toInt();
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 6)
        return 2;
    const QImage shot = load(argv[1]);
    if (shot.isNull())
        return 2;
    const QSet<QRgb> desktops = {qRgb(0xc0, 0xc0, 0xc0), qRgb(0x80, 0x80, 0x80),
                                 qRgb(0xf0, 0xf0, 0xf0), qRgb(0xd4, 0xd0, 0xc8),
                                 qRgb(0xa0, 0xa0, 0xa4)};
    QSet<QRgb> art;
    for (int n = 6; n < argc; ++n) {
        const QImage picture = load(argv[n]);
        if (picture.isNull())
            return 2;
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x)
                if (desktopGrey(picture.pixel(x, y)) && !desktops.contains(picture.pixel(x, y)))
                    art.insert(picture.pixel(x, y));
    }
    const QRect area = QRect(number(argv[2]), number(argv[3]), number(argv[4]), number(argv[5]))
                           .intersected(shot.rect());
    long count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            count += desktopGrey(shot.pixel(x, y)) && !art.contains(shot.pixel(x, y)) ? 1 : 0;
    std::printf("%ld\n", count);
    return 0;
}
