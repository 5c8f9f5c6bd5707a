#include "blandaltman.h"

#include "ausgabeformat.h"
#include "bilddatei.h"

#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

constexpr double aussen = 24;
constexpr double titelHoehe = 40;
constexpr double feldHoehe = 400;
constexpr double links = 80;   // room for the value axis
constexpr double unten = 64;   // room for the mean axis and its label
constexpr double rechts = 150; // room for the lines' labels
constexpr double kopf = 30;    // the panel's title

// A step of 1, 2 or 5 times a power of ten giving about five ticks over the span.
double teilung(double spanne)
{
    const double roh = spanne / 5;
    const double zehner = std::pow(10.0, std::floor(std::log10(roh)));
    for (const double f : {1.0, 2.0, 5.0}) {
        if (f * zehner >= roh)
            return f * zehner;
    }
    return 10 * zehner;
}

struct Achse
{
    double von;
    double bis;
    double schritt;

    Achse(double minimum, double maximum)
    {
        if (maximum - minimum < 1e-9) {
            minimum -= 1;
            maximum += 1;
        }
        const double rand = (maximum - minimum) * 0.08;
        schritt = teilung(maximum - minimum + 2 * rand);
        von = std::floor((minimum - rand) / schritt) * schritt;
        bis = std::ceil((maximum + rand) / schritt) * schritt;
    }
    double anteil(double x) const { return (x - von) / (bis - von); }
    int stellen() const { return schritt >= 1 ? 0 : int(std::ceil(-std::log10(schritt))); }
};

} // namespace

BlandAltman::BlandAltman(const Sitzungsgroessen &groessen, const QString &titel)
    : groessen_(groessen), titel_(titel)
{
}

BlandAltman::Grenzen BlandAltman::grenzen(const Sitzungsgroessen::Groesse &g)
{
    const double n = double(g.werte.size());
    double summe = 0;
    for (const std::vector<double> &w : g.werte)
        summe += w[0] - w[1];
    const double mittel = n > 0 ? summe / n : 0.0;
    double quadrate = 0;
    for (const std::vector<double> &w : g.werte)
        quadrate += (w[0] - w[1] - mittel) * (w[0] - w[1] - mittel);
    return {mittel, n > 1 ? std::sqrt(quadrate / (n - 1)) : 0.0};
}

QSizeF BlandAltman::groesse() const
{
    const double zeilen = std::ceil(double(groessen_.groessen().size()) / 2.0);
    return QSizeF(Bilddatei::Breite, aussen * 2 + titelHoehe + zeilen * feldHoehe);
}

void BlandAltman::zeichnen(QPainter &p) const
{
    const QSizeF g = groesse();
    p.fillRect(QRectF(QPointF(0, 0), g), Qt::white);
    p.setRenderHint(QPainter::Antialiasing);
    p.setFont(Bilddatei::schrift(24));
    p.setPen(Qt::black);
    p.drawText(QRectF(aussen, aussen - 6, g.width() - 2 * aussen, titelHoehe),
               Qt::AlignLeft | Qt::AlignTop,
               titel_.isEmpty() ? QStringLiteral("Bland-Altman: erster gegen zweiten Rater je "
                                                 "Sitzung")
                                : titel_);
    const double breite = (g.width() - 2 * aussen) / 2;
    const std::vector<Sitzungsgroessen::Groesse> &alle = groessen_.groessen();
    for (size_t i = 0; i < alle.size(); ++i) {
        const QRectF r(aussen + double(i % 2) * breite,
                       aussen + titelHoehe + double(i / 2) * feldHoehe, breite, feldHoehe);
        feldZeichnen(p, r, alle[i]);
    }
}

void BlandAltman::feldZeichnen(QPainter &p, const QRectF &r,
                               const Sitzungsgroessen::Groesse &g) const
{
    p.setFont(Bilddatei::schrift(20));
    p.setPen(Qt::black);
    const QString name =
        g.name + (g.einheit.isEmpty() ? QString() : QStringLiteral(" (%1)").arg(g.einheit));
    p.drawText(QRectF(r.left() + links, r.top(), r.width() - links, kopf),
               Qt::AlignLeft | Qt::AlignTop,
               QStringLiteral("%1, %2 Sitzungen").arg(name).arg(g.werte.size()));
    const QRectF f(r.left() + links, r.top() + kopf, r.width() - links - rechts,
                   r.height() - kopf - unten);
    p.setPen(QPen(Qt::black, 1.2));
    p.drawRect(f);
    if (g.werte.empty() || groessen_.rater() < 2)
        return;

    const Grenzen b = grenzen(g);
    double xMin = 1e300, xMax = -1e300, yMin = b.mittel - 1.96 * b.sd,
           yMax = b.mittel + 1.96 * b.sd;
    for (const std::vector<double> &w : g.werte) {
        const double m = (w[0] + w[1]) / 2;
        xMin = std::min(xMin, m);
        xMax = std::max(xMax, m);
        yMin = std::min(yMin, w[0] - w[1]);
        yMax = std::max(yMax, w[0] - w[1]);
    }
    const Achse x(xMin, xMax);
    const Achse y(std::min(yMin, 0.0), std::max(yMax, 0.0));
    const auto punkt = [&](double a, double d) {
        return QPointF(f.left() + x.anteil(a) * f.width(), f.bottom() - y.anteil(d) * f.height());
    };

    p.setFont(Bilddatei::schrift(16));
    for (double t = x.von; t <= x.bis + x.schritt / 2; t += x.schritt) {
        const QPointF q = punkt(t, y.von);
        p.drawLine(q, q + QPointF(0, 5));
        p.drawText(QRectF(q.x() - 40, q.y() + 6, 80, 20), Qt::AlignHCenter | Qt::AlignTop,
                   dezimal(t, x.stellen()));
    }
    for (double t = y.von; t <= y.bis + y.schritt / 2; t += y.schritt) {
        const QPointF q = punkt(x.von, t);
        p.drawLine(q, q - QPointF(5, 0));
        p.drawText(QRectF(q.x() - links, q.y() - 10, links - 8, 20),
                   Qt::AlignRight | Qt::AlignVCenter, dezimal(t, y.stellen()));
    }
    p.drawText(QRectF(f.left(), f.bottom() + 28, f.width(), 24), Qt::AlignHCenter | Qt::AlignTop,
               QStringLiteral("Mittel beider Rater"));
    p.save();
    p.translate(r.left() + 12, f.center().y());
    p.rotate(-90);
    p.drawText(QRectF(-f.height() / 2, -10, f.height(), 24), Qt::AlignHCenter | Qt::AlignTop,
               QStringLiteral("erster − zweiter"));
    p.restore();

    // Bias solid, limits dashed, zero dotted: apart without colour.
    const int stellen = std::max(x.stellen(), y.stellen()) + 1;
    const auto linie = [&](double wert, Qt::PenStyle stil, const QString &text) {
        p.setPen(QPen(Qt::black, 1.6, stil));
        p.drawLine(punkt(x.von, wert), punkt(x.bis, wert));
        p.setPen(Qt::black);
        p.setFont(Bilddatei::schrift(15));
        p.drawText(QRectF(f.right() + 6, punkt(x.von, wert).y() - 10, rechts - 6, 20),
                   Qt::AlignLeft | Qt::AlignVCenter, text);
    };
    linie(0, Qt::DotLine, QString());
    linie(b.mittel, Qt::SolidLine, QStringLiteral("Mittel %1").arg(dezimal(b.mittel, stellen)));
    // Without any spread the limits would only hide the bias.
    if (b.sd > 0) {
        linie(b.mittel + 1.96 * b.sd, Qt::DashLine,
              QStringLiteral("+%1 SD %2")
                  .arg(dezimal(1.96, 2), dezimal(b.mittel + 1.96 * b.sd, stellen)));
        linie(b.mittel - 1.96 * b.sd, Qt::DashLine,
              QStringLiteral("−%1 SD %2")
                  .arg(dezimal(1.96, 2), dezimal(b.mittel - 1.96 * b.sd, stellen)));
    }
    p.setPen(QPen(Qt::black, 1.4));
    p.setBrush(Qt::NoBrush);
    for (const std::vector<double> &w : g.werte)
        p.drawEllipse(punkt((w[0] + w[1]) / 2, w[0] - w[1]), 4.5, 4.5);
}

bool BlandAltman::speichern(const QString &datei, QString &fehler) const
{
    return Bilddatei::speichern(
        datei, groesse(), titel_.isEmpty() ? QStringLiteral("Bland-Altman") : titel_,
        [this](QPainter &p) { zeichnen(p); }, fehler);
}
