// Build-time tool: renders the program's SVG icon to a square PNG of the given size, so the
// package ships the bitmap sizes without another rendering package.
#include <QImage>
#include <QPainter>
#include <QString>
#include <QSvgRenderer>

#include <cstdio>

int main(int argc, char *argv[])
{
    if (argc != 4) {
        std::fprintf(stderr, "Aufruf: svgnachpng BILD.svg BILD.png PIXEL\n");
        return 2;
    }
    const QString quelle = QString::fromLocal8Bit(argv[1]);
    const QString ziel = QString::fromLocal8Bit(argv[2]);
    bool ok = false;
    const int pixel = QString::fromLatin1(argv[3]).toInt(&ok);
    if (!ok || pixel < 1 || pixel > 4096) {
        std::fprintf(stderr, "svgnachpng: ungültige Größe %s\n", argv[3]);
        return 2;
    }
    QSvgRenderer svg(quelle);
    if (!svg.isValid()) {
        std::fprintf(stderr, "svgnachpng: %s ist kein lesbares SVG\n", argv[1]);
        return 1;
    }
    QImage bild(pixel, pixel, QImage::Format_ARGB32_Premultiplied);
    bild.fill(Qt::transparent);
    QPainter maler(&bild);
    svg.render(&maler);
    maler.end();
    if (!bild.save(ziel, "PNG")) {
        std::fprintf(stderr, "svgnachpng: %s kann nicht geschrieben werden\n", argv[2]);
        return 1;
    }
    return 0;
}
