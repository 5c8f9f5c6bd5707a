// Build-time tool: renders the program's SVG icon to a square bitmap of the given size, so the
// package ships the bitmap sizes without another rendering package. A target ending in .png
// gets a PNG file; one ending in .rgba gets the bare pixels (RGBA, premultiplied, row by row),
// which the program turns into its window icon without loading any image format plugin.
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QString>
#include <QSvgRenderer>

#include <cstdio>

namespace {

bool punkteSchreiben(const QImage &bild, const QString &ziel)
{
    const QImage rgba = bild.convertToFormat(QImage::Format_RGBA8888_Premultiplied);
    QFile datei(ziel);
    if (!datei.open(QIODevice::WriteOnly))
        return false;
    for (int zeile = 0; zeile < rgba.height(); ++zeile) {
        const qint64 laenge = qint64(rgba.width()) * 4;
        if (datei.write(reinterpret_cast<const char *>(rgba.constScanLine(zeile)), laenge) !=
            laenge)
            return false;
    }
    return datei.flush();
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc != 4) {
        std::fprintf(stderr, "Aufruf: svgrastern BILD.svg PIXEL ZIEL.png|ZIEL.rgba\n");
        return 2;
    }
    const QString quelle = QString::fromLocal8Bit(argv[1]);
    const QString ziel = QString::fromLocal8Bit(argv[3]);
    bool ok = false;
    const int pixel = QString::fromLatin1(argv[2]).toInt(&ok);
    if (!ok || pixel < 1 || pixel > 4096) {
        std::fprintf(stderr, "svgrastern: ungültige Größe %s\n", argv[2]);
        return 2;
    }
    QSvgRenderer svg(quelle);
    if (!svg.isValid()) {
        std::fprintf(stderr, "svgrastern: %s ist kein lesbares SVG\n", argv[1]);
        return 1;
    }
    QImage bild(pixel, pixel, QImage::Format_ARGB32_Premultiplied);
    bild.fill(Qt::transparent);
    QPainter maler(&bild);
    svg.render(&maler);
    maler.end();
    const bool geschrieben = ziel.endsWith(QLatin1String(".rgba")) ? punkteSchreiben(bild, ziel)
                                                                   : bild.save(ziel, "PNG");
    if (!geschrieben) {
        std::fprintf(stderr, "svgrastern: %s kann nicht geschrieben werden\n", argv[3]);
        return 1;
    }
    return 0;
}
