#include "seitensatz.h"

#include "ereignisabgleich.h"
#include "kreuztabelle.h"

#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>

#include <algorithm>

namespace {

constexpr double links = 20;
constexpr double oben = 18;
constexpr double unten = 277; // lowest line of content, above the footer
constexpr double seitenhoehe = 297;
constexpr double zeilenabstand = 1.35;

} // namespace

Seitensatz::Seitensatz(QPagedPaintDevice &geraet, QPainter &p, const QString &fusszeile)
    : geraet_(geraet), p_(p), fusszeile_(fusszeile), y_(oben)
{
    fusszeileZeichnen();
}

QFont Seitensatz::schrift(double punkt, bool fett)
{
    QFont f(QStringLiteral("Liberation Sans"));
    f.setStyleHint(QFont::SansSerif);
    f.setPointSizeF(punkt);
    f.setBold(fett);
    return f;
}

double Seitensatz::einheit() const
{
    return geraet_.logicalDpiX() / 25.4;
}

bool Seitensatz::passt(double hoeheMm) const
{
    return y_ + hoeheMm <= unten;
}

void Seitensatz::platzSchaffen(double hoeheMm)
{
    if (!passt(hoeheMm) && y_ > oben)
        neueSeite();
}

void Seitensatz::neueSeite()
{
    geraet_.newPage();
    ++seite_;
    y_ = oben;
    fusszeileZeichnen();
}

void Seitensatz::fusszeileZeichnen()
{
    text(links, seitenhoehe - 14, Breite, 5,
         fusszeile_ + QStringLiteral("  –  Seite %1").arg(seite_), schrift(7.5), Qt::AlignHCenter);
}

double Seitensatz::texthoehe(const QString &text, const QFont &f, double breiteMm) const
{
    const QFontMetricsF fm(f, &geraet_);
    const QRectF r = fm.boundingRect(QRectF(0, 0, breiteMm * einheit(), 1e6),
                                     Qt::TextWordWrap | Qt::AlignLeft, text);
    return r.height() / einheit();
}

void Seitensatz::text(double xMm, double yMm, double breiteMm, double hoeheMm, const QString &text,
                      const QFont &f, int ausrichtung)
{
    const double e = einheit();
    p_.setFont(f);
    p_.setPen(Qt::black);
    p_.drawText(QRectF(xMm * e, yMm * e, breiteMm * e, hoeheMm * e), ausrichtung | Qt::TextWordWrap,
                text);
}

void Seitensatz::ueberschrift(const QString &inhalt, int stufe)
{
    anfangen(0);
    if (stufe != 1) {
        offen_ = inhalt;
        return;
    }
    const QFont f = schrift(15, true);
    const double h = texthoehe(inhalt, f, Breite);
    text(links, y_, Breite, h + 1, inhalt, f, Qt::AlignLeft | Qt::AlignTop);
    y_ += h + 4;
}

void Seitensatz::anfangen(double hoeheMm)
{
    if (offen_.isEmpty()) {
        platzSchaffen(hoeheMm);
        return;
    }
    const QFont f = schrift(11, true);
    const double h = texthoehe(offen_, f, Breite);
    platzSchaffen(3 + h + 2 + hoeheMm);
    if (y_ > oben)
        y_ += 3;
    text(links, y_, Breite, h + 1, offen_, f, Qt::AlignLeft | Qt::AlignTop);
    y_ += h + 2;
    offen_.clear();
}

void Seitensatz::absatz(const QString &inhalt, double punkt)
{
    const QFont f = schrift(punkt);
    const double h = texthoehe(inhalt, f, Breite);
    anfangen(std::min(h, unten - oben - 20));
    text(links, y_, Breite, h + 1, inhalt, f, Qt::AlignLeft | Qt::AlignTop);
    y_ += h + 2;
}

void Seitensatz::tabelle(const QList<QStringList> &zeilen, const QList<double> &anteile,
                         const QList<bool> &rechts)
{
    if (zeilen.isEmpty())
        return;
    const QFont normal = schrift(8);
    const QFont fett = schrift(7.5, true);
    const double zeile = QFontMetricsF(normal, &geraet_).height() / einheit() * zeilenabstand;
    const double e = einheit();
    const auto zeichnen = [&](const QStringList &z, bool kopf) {
        if (z.size() == 1 && !kopf) {
            p_.setPen(QPen(Qt::black, 0.2 * e));
            p_.drawLine(QPointF(links * e, y_ * e), QPointF((links + Breite) * e, y_ * e));
            p_.setFont(fett);
            p_.drawText(QRectF((links + 0.5) * e, y_ * e, (Breite - 1) * e, zeile * e),
                        Qt::AlignVCenter | Qt::AlignLeft, z[0]);
            y_ += zeile;
            return;
        }
        double x = links;
        for (qsizetype i = 0; i < z.size() && i < anteile.size(); ++i) {
            const double w = Breite * anteile[i];
            const QFont &f = kopf ? fett : normal;
            const QString t =
                QFontMetricsF(f, &geraet_).elidedText(z[i], Qt::ElideRight, (w - 1.5) * e);
            const bool r = i < rechts.size() && rechts[i];
            p_.setFont(f);
            p_.setPen(Qt::black);
            p_.drawText(QRectF((x + 0.5) * e, y_ * e, (w - 1.5) * e, zeile * e),
                        Qt::AlignVCenter | (r ? Qt::AlignRight : Qt::AlignLeft), t);
            x += w;
        }
        y_ += zeile;
        p_.setPen(QPen(kopf ? Qt::black : QColor(190, 190, 190), kopf ? 0.3 * e : 0.15 * e));
        p_.drawLine(QPointF(links * e, y_ * e), QPointF((links + Breite) * e, y_ * e));
    };
    anfangen(zeile * std::min<qsizetype>(zeilen.size(), 4));
    zeichnen(zeilen[0], true);
    for (qsizetype r = 1; r < zeilen.size(); ++r) {
        if (!passt(zeile)) {
            neueSeite();
            zeichnen(zeilen[0], true);
        }
        zeichnen(zeilen[r], false);
    }
    y_ += 2;
}

void Seitensatz::raster(const std::vector<std::pair<QString, const Kreuztabelle *>> &tabellen,
                        const QString &legende)
{
    const QString leer = Ereignisabgleich::segmentierungKuerzel().last();
    const double e = einheit();
    const double luecke = 8;
    const double breiteJe =
        (Breite - luecke * double(tabellen.size() - 1)) / double(tabellen.size());
    int groesste = 1;
    for (const auto &t : tabellen)
        groesste = std::max(groesste, t.second->kategorien());
    const double zelle = std::min(breiteJe / (groesste + 1.6), 9.0);
    const double kopf = 5;
    const double hoehe = kopf + zelle * (groesste + 1) + 2;
    anfangen(hoehe + 8);
    double x0 = links;
    for (const auto &[titel, t] : tabellen) {
        text(x0, y_, breiteJe, kopf, titel, schrift(8, true), Qt::AlignLeft | Qt::AlignTop);
        const double oben0 = y_ + kopf;
        const double links0 = x0 + zelle * 1.6;
        const QFont f = schrift(6.5);
        for (int k = 1; k <= t->kategorien(); ++k) {
            text(links0 + (k - 1) * zelle, oben0, zelle, zelle, t->kuerzel(k), f,
                 Qt::AlignHCenter | Qt::AlignBottom);
            text(x0, oben0 + k * zelle, zelle * 1.5, zelle, t->kuerzel(k), f,
                 Qt::AlignRight | Qt::AlignVCenter);
        }
        for (int a = 1; a <= t->kategorien(); ++a) {
            const qint64 zeile = t->zeilensumme(a);
            for (int b = 1; b <= t->kategorien(); ++b) {
                // "ohne" against "ohne" cannot occur: left blank, not framed as agreement.
                if (a == b && t->kuerzel(a) == leer)
                    continue;
                const qint64 n = t->anzahl(a, b);
                const double anteil = zeile > 0 ? double(n) / double(zeile) : 0.0;
                const int grau = int(255 - 215 * anteil);
                const QRectF r((links0 + (b - 1) * zelle) * e, (oben0 + a * zelle) * e, zelle * e,
                               zelle * e);
                p_.fillRect(r, QColor(grau, grau, grau));
                p_.setPen(QPen(QColor(150, 150, 150), 0.1 * e));
                p_.drawRect(r);
                if (n == 0)
                    continue;
                // Large pooled counts shrink to fit their cell rather than spill over.
                const QString zahl = QString::number(n);
                QFont f = schrift(6);
                const double breite = QFontMetricsF(f, &geraet_).horizontalAdvance(zahl);
                if (breite > r.width() * 0.9)
                    f.setPointSizeF(6 * r.width() * 0.9 / breite);
                p_.setFont(f);
                p_.setPen(grau < 130 ? Qt::white : Qt::black);
                p_.drawText(r, Qt::AlignCenter, zahl);
            }
        }
        // The diagonal, where the raters agree, framed in black.
        p_.setPen(QPen(Qt::black, 0.35 * e));
        for (int k = 1; k <= t->kategorien(); ++k)
            if (t->kuerzel(k) != leer)
                p_.drawRect(QRectF((links0 + (k - 1) * zelle) * e, (oben0 + k * zelle) * e,
                                   zelle * e, zelle * e));
        x0 += breiteJe + luecke;
    }
    y_ += hoehe;
    absatz(legende, 7.5);
}

void Seitensatz::bild(const std::function<void(QPainter &)> &zeichnen, const QSizeF &groesse)
{
    const double breiteMm = Breite;
    const double hoeheMm = groesse.height() * breiteMm / groesse.width();
    anfangen(hoeheMm);
    const double e = einheit();
    p_.save();
    p_.translate(links * e, y_ * e);
    p_.scale(breiteMm * e / groesse.width(), breiteMm * e / groesse.width());
    zeichnen(p_);
    p_.restore();
    y_ += hoeheMm + 2;
}
