// Build-time tool: renders the program's SVG icon to a square bitmap of the given size, so the
// package ships the bitmap sizes without another rendering package. A target ending in .png
// gets a PNG file; one ending in .rgba gets the bare pixels (RGBA, premultiplied, row by row),
// which the program turns into its window icon without loading any image format plugin. One
// ending in .ico gets a Windows icon of the sizes given as a list (16,32,48,256).
#include <QBuffer>
#include <QDataStream>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QString>
#include <QSvgRenderer>

#include <cstdio>
#include <vector>

namespace {

QImage rastern(QSvgRenderer &svg, int pixel)
{
    QImage bild(pixel, pixel, QImage::Format_ARGB32_Premultiplied);
    bild.fill(Qt::transparent);
    QPainter maler(&bild);
    svg.render(&maler);
    maler.end();
    return bild;
}

// An icon entry below 256 px as the device-independent bitmap every Windows version reads:
// double height for the colour and the (unused, all-opaque) AND mask, rows bottom-up.
QByteArray dibEintrag(const QImage &bild)
{
    const QImage bgra = bild.convertToFormat(QImage::Format_ARGB32);
    const int n = bgra.width();
    const int maskenzeile = (n + 31) / 32 * 4;
    QByteArray daten;
    QDataStream aus(&daten, QIODevice::WriteOnly);
    aus.setByteOrder(QDataStream::LittleEndian);
    aus << quint32(40) << qint32(n) << qint32(2 * n) << quint16(1) << quint16(32) << quint32(0)
        << quint32(n * n * 4 + maskenzeile * n) << qint32(0) << qint32(0) << quint32(0)
        << quint32(0);
    for (int zeile = n - 1; zeile >= 0; --zeile)
        aus.writeRawData(reinterpret_cast<const char *>(bgra.constScanLine(zeile)), n * 4);
    daten.append(QByteArray(maskenzeile * n, '\0'));
    return daten;
}

// 256 px as PNG, as Windows expects it for that size (a bitmap would be 256 KiB).
QByteArray pngEintrag(const QImage &bild)
{
    QBuffer puffer;
    puffer.open(QIODevice::WriteOnly);
    bild.save(&puffer, "PNG");
    return puffer.data();
}

bool icoSchreiben(QSvgRenderer &svg, const std::vector<int> &groessen, const QString &ziel)
{
    std::vector<QByteArray> eintraege;
    for (int g : groessen) {
        const QImage bild = rastern(svg, g);
        eintraege.push_back(g >= 256 ? pngEintrag(bild) : dibEintrag(bild));
    }
    QByteArray daten;
    QDataStream aus(&daten, QIODevice::WriteOnly);
    aus.setByteOrder(QDataStream::LittleEndian);
    aus << quint16(0) << quint16(1) << quint16(groessen.size());
    quint32 versatz = 6 + 16 * quint32(groessen.size());
    for (size_t i = 0; i < groessen.size(); ++i) {
        const quint8 kante = groessen[i] >= 256 ? 0 : quint8(groessen[i]); // 0 means 256
        aus << kante << kante << quint8(0) << quint8(0) << quint16(1) << quint16(32)
            << quint32(eintraege[i].size()) << versatz;
        versatz += quint32(eintraege[i].size());
    }
    for (const QByteArray &e : eintraege)
        daten.append(e);
    QFile datei(ziel);
    return datei.open(QIODevice::WriteOnly) && datei.write(daten) == daten.size() && datei.flush();
}

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
        std::fprintf(stderr,
                     "Aufruf: svgrastern BILD.svg PIXEL[,PIXEL...] ZIEL.png|ZIEL.rgba|ZIEL.ico\n");
        return 2;
    }
    const QString quelle = QString::fromLocal8Bit(argv[1]);
    const QString ziel = QString::fromLocal8Bit(argv[3]);
    const bool ico = ziel.endsWith(QLatin1String(".ico"));
    const QStringList liste = QString::fromLatin1(argv[2]).split(QLatin1Char(','));
    std::vector<int> groessen;
    for (const QString &teil : liste) {
        bool ok = false;
        const int pixel = teil.toInt(&ok);
        if (!ok || pixel < 1 || pixel > 4096 || (ico && pixel > 256) ||
            (!ico && liste.size() > 1)) {
            std::fprintf(stderr, "svgrastern: ungültige Größe %s\n", argv[2]);
            return 2;
        }
        groessen.push_back(pixel);
    }
    QSvgRenderer svg(quelle);
    if (!svg.isValid()) {
        std::fprintf(stderr, "svgrastern: %s ist kein lesbares SVG\n", argv[1]);
        return 1;
    }
    bool geschrieben = false;
    if (ico)
        geschrieben = icoSchreiben(svg, groessen, ziel);
    else if (ziel.endsWith(QLatin1String(".rgba")))
        geschrieben = punkteSchreiben(rastern(svg, groessen.front()), ziel);
    else
        geschrieben = rastern(svg, groessen.front()).save(ziel, "PNG");
    if (!geschrieben) {
        std::fprintf(stderr, "svgrastern: %s kann nicht geschrieben werden\n", argv[3]);
        return 1;
    }
    return 0;
}
