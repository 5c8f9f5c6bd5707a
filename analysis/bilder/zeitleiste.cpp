#include "zeitleiste.h"

#include "ausgabeformat.h"
#include "bilddatei.h"
#include "einschaetzung.h"
#include "formatierung.h"
#include "palette.h"
#include "raterabschnitte.h"
#include "raternamen.h"
#include "sichtbar.h"

#include <QFileInfo>
#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>

namespace {

// At 17 cm wide the 18-unit text comes out at about 8 pt.
constexpr double aussen = 24;
constexpr double bandHoehe = 40;
constexpr double bandAbstand = 14;
constexpr double achseHoehe = 58;
constexpr double legendeZeile = 30;
constexpr double feld = 18;
constexpr double titelHoehe = 40;

const QColor abweichungFarbe(34, 34, 34);
const QColor linienFarbe(90, 90, 90);
const QColor schraffurFarbe(120, 120, 120);

QFont schrift(int groesse = 18)
{
    return Bilddatei::schrift(groesse);
}

QString mmss(qint64 us)
{
    const qint64 s = us / 1000000;
    return zweistellig(int(s / 60)) + QLatin1Char(':') + zweistellig(int(s % 60));
}

qint64 teilung(qint64 dauer)
{
    static const qint64 schritte[] = {1, 2, 5, 10, 15, 30, 60, 120, 300, 600, 900, 1800, 3600};
    for (const qint64 s : schritte) {
        if (dauer / (s * 1000000) <= 10)
            return s * 1000000;
    }
    return 7200 * qint64(1000000);
}

struct Legendeneintrag
{
    QColor farbe;
    QString text;
    bool schraffiert;
};

// Diagonal lines computed by hand: pattern brushes come out black in some SVG viewers.
void schraffieren(QPainter &p, const QRectF &r, const QColor &farbe)
{
    p.save();
    p.setPen(QPen(farbe, 1));
    for (double c = r.left() + r.top() + 4; c < r.right() + r.bottom(); c += 6) {
        const double x0 = std::max(r.left(), c - r.bottom());
        const double x1 = std::min(r.right(), c - r.top());
        if (x1 > x0)
            p.drawLine(QPointF(x0, c - x0), QPointF(x1, c - x1));
    }
    p.restore();
}

} // namespace

struct Zeitleiste::Masse
{
    double links;  // left edge of the bands, after the labels
    double rechts; // right edge
    double oben;   // top of the first band, below the title
    double achseOben;
    double legendeOben;
    double hoehe;
    qint64 von;
    qint64 bis;
    std::vector<Legendeneintrag> legende;
    std::vector<double> legendeX;
    std::vector<int> legendeZeileVon;

    // Times outside the window (a negative shift, say) are drawn at its edges.
    double x(qint64 us) const
    {
        const qint64 t = std::clamp(us, von, bis);
        return links + (rechts - links) * double(t - von) / double(bis - von);
    }
    double bandOben(int index) const { return oben + index * (bandHoehe + bandAbstand); }
};

Zeitleiste::Zeitleiste(std::vector<Sitzung> sitzungen, qint64 versatzB,
                       const Zeitleistenoptionen &optionen)
    : sitzungen_(std::move(sitzungen)), versatzB_(versatzB), optionen_(optionen),
      namen_(optionen.namen.size() == qsizetype(sitzungen_.size()) ? optionen.namen
                                                                   : raterNamen(sitzungen_)),
      von_(std::max<qint64>(optionen.von, 0))
{
    bis_ = Sitzung::spaetestesEnde(sitzungen_);
    if (optionen.bis >= 0)
        bis_ = optionen.bis;
    bis_ = std::max<qint64>(bis_, von_ + 1000000);
}

int Zeitleiste::baender() const
{
    return int(sitzungen_.size()) + (sitzungen_.size() == 2 ? 1 : 0);
}

Zeitleiste::Masse Zeitleiste::masse() const
{
    const QFontMetricsF fm(schrift());
    Masse m;
    double namen = fm.horizontalAdvance(QStringLiteral("Abweichung"));
    for (size_t i = 0; i < sitzungen_.size(); ++i)
        namen = std::max(namen, fm.horizontalAdvance(beschriftung(i)));
    m.links = aussen + std::min(namen, 260.0) + 12;
    m.rechts = Breite - aussen - 8;
    m.oben = aussen + (optionen_.titel.isEmpty() ? 0.0 : titelHoehe);
    m.von = von_;
    m.bis = bis_;
    m.achseOben = m.bandOben(baender()) - bandAbstand + 6;
    m.legendeOben = m.achseOben + achseHoehe;

    for (int k = TL; k <= NIX; ++k)
        m.legende.push_back({kategorieFarbe(k),
                             EinschaetzungKuerzel[k] + QStringLiteral("  ") + EinschaetzungName[k],
                             false});
    if (sitzungen_.size() == 2) {
        m.legende.push_back({abweichungFarbe, QStringLiteral("A und B weichen ab"), false});
        m.legende.push_back({schraffurFarbe, QStringLiteral("nur von einem bewertet"), true});
    }
    double x = aussen;
    int zeile = 0;
    for (const Legendeneintrag &e : m.legende) {
        const double w = feld + 8 + fm.horizontalAdvance(e.text) + 28;
        if (x > aussen && x + w > Breite - aussen) {
            x = aussen;
            ++zeile;
        }
        m.legendeX.push_back(x);
        m.legendeZeileVon.push_back(zeile);
        x += w;
    }
    m.hoehe = optionen_.legende ? m.legendeOben + (zeile + 1) * legendeZeile + aussen - 6
                                : m.legendeOben + 6;
    return m;
}

QSizeF Zeitleiste::groesse() const
{
    return QSizeF(Breite, masse().hoehe);
}

void Zeitleiste::zeichnen(QPainter &p) const
{
    const Masse m = masse();
    p.save();
    p.fillRect(QRectF(0, 0, Breite, m.hoehe), Qt::white);
    titelZeichnen(p);
    p.setFont(schrift());
    for (size_t i = 0; i < sitzungen_.size(); ++i)
        bandZeichnen(p, m, i);
    if (sitzungen_.size() == 2)
        abweichungZeichnen(p, m);
    achseZeichnen(p, m);
    if (optionen_.legende)
        legendeZeichnen(p, m);
    p.restore();
}

void Zeitleiste::titelZeichnen(QPainter &p) const
{
    if (optionen_.titel.isEmpty())
        return;
    QFont f = schrift(24);
    f.setBold(true);
    p.setFont(f);
    p.setPen(Qt::black);
    const QFontMetricsF fm(f);
    p.drawText(QRectF(aussen, aussen - 6, Breite - 2 * aussen, titelHoehe),
               Qt::AlignLeft | Qt::AlignTop,
               fm.elidedText(optionen_.titel, Qt::ElideRight, Breite - 2 * aussen));
}

QString Zeitleiste::beschriftung(size_t index) const
{
    const QString name = index < size_t(namen_.size())
                             ? namen_[qsizetype(index)]
                             : QFileInfo(sitzungen_[index].datei()).fileName();
    if (index == 1 && versatzB_ != 0)
        return name + QStringLiteral(" (") + versatzText(versatzB_) + QLatin1Char(')');
    return name;
}

void Zeitleiste::bandZeichnen(QPainter &p, const Masse &m, size_t index) const
{
    const Sitzung &s = sitzungen_[index];
    const double oben = m.bandOben(int(index));
    const QFontMetricsF fm(p.font());
    const QString name = fm.elidedText(beschriftung(index), Qt::ElideMiddle, m.links - aussen - 12);
    p.setPen(Qt::black);
    p.drawText(QRectF(aussen, oben, m.links - aussen - 12, bandHoehe),
               Qt::AlignRight | Qt::AlignVCenter, name);
    if (s.einheiten().empty()) {
        p.setPen(linienFarbe);
        p.drawText(QRectF(m.links + 8, oben, m.rechts - m.links, bandHoehe),
                   Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("keine Sinneinheit"));
    }
    for (const Einheit &e : s.einheiten()) {
        if (e.ende <= m.von || e.beginn >= m.bis)
            continue;
        const double x0 = m.x(e.beginn);
        const double x1 = m.x(e.ende);
        p.fillRect(QRectF(x0, oben, std::max(x1 - x0, 0.5), bandHoehe),
                   kategorieFarbe(e.kategorie));
    }
    p.setPen(QPen(linienFarbe, 1));
    p.setBrush(Qt::NoBrush);
    const double x0 = m.x(s.beginn());
    if (m.x(s.ende()) > x0)
        p.drawRect(QRectF(x0, oben, m.x(s.ende()) - x0, bandHoehe));
}

void Zeitleiste::abweichungZeichnen(QPainter &p, const Masse &m) const
{
    const double oben = m.bandOben(2);
    const double hoehe = bandHoehe * 0.6;
    const double mitte = oben + (bandHoehe - hoehe) / 2;
    p.setPen(Qt::black);
    p.drawText(QRectF(aussen, oben, m.links - aussen - 12, bandHoehe),
               Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("Abweichung"));

    const Sitzung &a = sitzungen_[0];
    const Sitzung &b = sitzungen_[1];
    const qint64 von = std::max(a.beginn(), b.beginn());
    const qint64 bis = std::min(a.ende(), b.ende());
    const auto streifen = [&](qint64 t0, qint64 t1) {
        return QRectF(m.x(t0), mitte, m.x(t1) - m.x(t0), hoehe);
    };
    if (std::min(a.beginn(), b.beginn()) < von)
        schraffieren(p, streifen(std::min(a.beginn(), b.beginn()), von), schraffurFarbe);
    if (std::max(a.ende(), b.ende()) > bis)
        schraffieren(p, streifen(bis, std::max(a.ende(), b.ende())), schraffurFarbe);
    for (const auto &[t0, t1] : Raterabschnitte(sitzungen_).abweichungen()) {
        if (t1 <= m.von || t0 >= m.bis)
            continue;
        QRectF r = streifen(t0, t1);
        r.setWidth(std::max(r.width(), 0.5));
        p.fillRect(r, abweichungFarbe);
    }
    p.setPen(QPen(linienFarbe, 1));
    const double y = oben + bandHoehe / 2;
    if (m.x(bis) > m.x(von))
        p.drawLine(QPointF(m.x(von), y), QPointF(m.x(bis), y));
}

void Zeitleiste::achseZeichnen(QPainter &p, const Masse &m) const
{
    const double y = m.achseOben;
    p.setPen(QPen(Qt::black, 1));
    p.drawLine(QPointF(m.links, y), QPointF(m.rechts, y));
    const qint64 schritt = teilung(m.bis - m.von);
    for (qint64 t = (m.von + schritt - 1) / schritt * schritt; t <= m.bis; t += schritt) {
        const double x = m.x(t);
        p.drawLine(QPointF(x, y), QPointF(x, y + 6));
        p.drawText(QRectF(x - 50, y + 8, 100, 22), Qt::AlignHCenter | Qt::AlignTop, mmss(t));
    }
    QString achse = QStringLiteral("Zeit (mm:ss)");
    if (optionen_.von > 0 || optionen_.bis >= 0)
        achse += QStringLiteral(", Ausschnitt %1 bis %2").arg(zeitText(m.von), zeitText(m.bis));
    p.drawText(QRectF(m.links, y + 30, m.rechts - m.links, 22), Qt::AlignHCenter | Qt::AlignTop,
               achse);
}

void Zeitleiste::legendeZeichnen(QPainter &p, const Masse &m) const
{
    for (size_t i = 0; i < m.legende.size(); ++i) {
        const Legendeneintrag &e = m.legende[i];
        const double y = m.legendeOben + m.legendeZeileVon[i] * legendeZeile;
        const QRectF kasten(m.legendeX[i], y + 3, feld, feld);
        p.fillRect(kasten, e.schraffiert ? QColor(Qt::white) : e.farbe);
        if (e.schraffiert)
            schraffieren(p, kasten, e.farbe);
        p.setPen(QPen(linienFarbe, 1));
        p.setBrush(Qt::NoBrush);
        p.drawRect(kasten);
        p.setPen(Qt::black);
        p.drawText(QRectF(m.legendeX[i] + feld + 8, y, Breite, feld + 6),
                   Qt::AlignLeft | Qt::AlignVCenter, e.text);
    }
}

bool Zeitleiste::speichern(const QString &datei, QString &fehler) const
{
    return Bilddatei::speichern(
        datei, groesse(),
        optionen_.titel.isEmpty() ? QStringLiteral("Zeitleiste") : optionen_.titel,
        [this](QPainter &p) { zeichnen(p); }, fehler);
}

bool Zeitleiste::schreiben(const QString &datei, const QByteArray &inhalt, QString &fehler)
{
    return Bilddatei::schreiben(datei, inhalt, fehler);
}
