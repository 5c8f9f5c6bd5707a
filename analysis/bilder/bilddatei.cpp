#include "bilddatei.h"

#include "atomaredatei.h"
#include "sichtbar.h"

#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <QSvgGenerator>

#include <cmath>

namespace {

constexpr double pngDpi = 300;

} // namespace

QFont Bilddatei::schrift(int groesse)
{
    QFont f(QStringLiteral("Liberation Sans"));
    f.setStyleHint(QFont::SansSerif);
    f.setPixelSize(groesse);
    return f;
}

bool Bilddatei::speichern(const QString &datei, const QSizeF &groesse, const QString &titel,
                          const Zeichnen &zeichnen, QString &fehler)
{
    return datei.endsWith(QLatin1String(".svg"), Qt::CaseInsensitive)
               ? svg(datei, groesse, titel, zeichnen, fehler)
               : png(datei, groesse, zeichnen, fehler);
}

bool Bilddatei::png(const QString &datei, const QSizeF &g, const Zeichnen &zeichnen,
                    QString &fehler)
{
    // 17 cm at 300 dpi; the picture states its resolution, so it prints at that width.
    const double faktor = BreiteMillimeter / 25.4 * pngDpi / Breite;
    QImage bild(int(std::lround(g.width() * faktor)), int(std::lround(g.height() * faktor)),
                QImage::Format_RGB32);
    const int punkteJeMeter = int(std::lround(pngDpi / 0.0254));
    bild.setDotsPerMeterX(punkteJeMeter);
    bild.setDotsPerMeterY(punkteJeMeter);
    bild.fill(Qt::white);
    {
        QPainter p(&bild);
        p.setRenderHint(QPainter::TextAntialiasing);
        p.scale(faktor, faktor);
        zeichnen(p);
    }
    QBuffer puffer;
    puffer.open(QIODevice::WriteOnly);
    if (!bild.save(&puffer, "PNG")) {
        fehler = QStringLiteral("%1: das PNG-Bild ließ sich nicht erzeugen").arg(sichtbar(datei));
        return false;
    }
    return schreiben(datei, puffer.data(), fehler);
}

bool Bilddatei::svg(const QString &datei, const QSizeF &g, const QString &titel,
                    const Zeichnen &zeichnen, QString &fehler)
{
    // The generator states width and height in millimetres as size * 25.4 / resolution:
    // 1700 "pixels" at 254 dpi make 170 mm, the drawing keeps its own units in the viewBox.
    const double mm = BreiteMillimeter / Breite;
    QBuffer puffer;
    puffer.open(QIODevice::WriteOnly);
    QSvgGenerator svg;
    svg.setOutputDevice(&puffer);
    svg.setResolution(254);
    svg.setSize(
        QSize(int(std::lround(g.width() * mm * 10)), int(std::lround(g.height() * mm * 10))));
    svg.setViewBox(QRectF(QPointF(0, 0), g));
    svg.setTitle(titel);
    {
        QPainter p(&svg);
        zeichnen(p);
    }
    return schreiben(datei, puffer.data(), fehler);
}

bool Bilddatei::schreiben(const QString &datei, const QByteArray &inhalt, QString &fehler)
{
    // Whole in memory first: a writer that streams into the file may lose a short write on a
    // full disk without noticing, a single checked write cannot.
    QString grund;
    if (AtomareDatei::schreibenAtomar(datei, inhalt, &grund))
        return true;
    fehler = QStringLiteral("%1: kann nicht geschrieben werden (%2)").arg(sichtbar(datei), grund);
    return false;
}
