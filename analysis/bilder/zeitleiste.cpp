#include "zeitleiste.h"

#include "ausgabeformat.h"
#include "einschaetzung.h"
#include "formatierung.h"

#include <QFileInfo>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QSaveFile>
#include <QSvgGenerator>

#include <algorithm>

namespace {

// At the width of a printed page (16 cm) the 18 px text comes out at about 7.5 pt.
constexpr double breite = 1100;
constexpr double aussen = 24;
constexpr double bandHoehe = 40;
constexpr double bandAbstand = 14;
constexpr double achseHoehe = 58;
constexpr double legendeZeile = 30;
constexpr double feld = 18;
constexpr int pngFaktor = 3; // about 500 dpi at the width of a page

// Colour-blind-safe hues for the two solution-focused codes and their counterparts, greys for
// the unclear codes and the pause, so that the important contrasts survive grey print.
QColor farbe(int kategorie)
{
    switch (kategorie) {
    case TL:
        return QColor(0, 114, 178);
    case TNL:
        return QColor(213, 94, 0);
    case TU:
        return QColor(110, 110, 110);
    case KL:
        return QColor(86, 180, 233);
    case KNL:
        return QColor(230, 159, 0);
    case KU:
        return QColor(175, 175, 175);
    case NIX:
        return QColor(232, 232, 232);
    default:
        return QColor(Qt::white);
    }
}

const QColor abweichungFarbe(34, 34, 34);
const QColor linienFarbe(90, 90, 90);
const QColor schraffurFarbe(120, 120, 120);

QFont schrift()
{
    QFont f(QStringLiteral("Liberation Sans"));
    f.setStyleHint(QFont::SansSerif);
    f.setPixelSize(18);
    return f;
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

bool nichtGeschrieben(const QSaveFile &f, QString &fehler)
{
    fehler =
        QStringLiteral("%1: kann nicht geschrieben werden (%2)").arg(f.fileName(), f.errorString());
    return false;
}

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
    double links;  // left edge of the bands, after the file names
    double rechts; // right edge
    double achseOben;
    double legendeOben;
    double hoehe;
    std::vector<Legendeneintrag> legende;
    std::vector<double> legendeX;
    std::vector<int> legendeZeileVon;

    // Times before 00:00 (a negative shift) are drawn at 00:00.
    double x(qint64 us, qint64 dauer) const
    {
        return links + (rechts - links) * double(std::max<qint64>(us, 0)) / double(dauer);
    }
    double bandOben(int index) const { return aussen + index * (bandHoehe + bandAbstand); }
};

Zeitleiste::Zeitleiste(std::vector<Sitzung> sitzungen, qint64 versatzB)
    : sitzungen_(std::move(sitzungen)), versatzB_(versatzB)
{
    for (const Sitzung &s : sitzungen_)
        dauer_ = std::max(dauer_, s.ende());
    dauer_ = std::max<qint64>(dauer_, 1000000);
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
    m.rechts = breite - aussen - 8;
    m.achseOben = m.bandOben(baender()) - bandAbstand + 6;
    m.legendeOben = m.achseOben + achseHoehe;

    for (int k = TL; k <= NIX; ++k)
        m.legende.push_back({farbe(k),
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
        if (x > aussen && x + w > breite - aussen) {
            x = aussen;
            ++zeile;
        }
        m.legendeX.push_back(x);
        m.legendeZeileVon.push_back(zeile);
        x += w;
    }
    m.hoehe = m.legendeOben + (zeile + 1) * legendeZeile + aussen - 6;
    return m;
}

QSize Zeitleiste::groesse() const
{
    return QSize(int(breite), int(masse().hoehe));
}

void Zeitleiste::zeichnen(QPainter &p) const
{
    const Masse m = masse();
    p.save();
    p.fillRect(QRectF(0, 0, breite, m.hoehe), Qt::white);
    p.setFont(schrift());
    for (size_t i = 0; i < sitzungen_.size(); ++i)
        bandZeichnen(p, m, i);
    if (sitzungen_.size() == 2)
        abweichungZeichnen(p, m);
    achseZeichnen(p, m);
    legendeZeichnen(p, m);
    p.restore();
}

QString Zeitleiste::beschriftung(size_t index) const
{
    const QString name = QFileInfo(sitzungen_[index].datei()).fileName();
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
        const double x0 = m.x(e.beginn, dauer_);
        const double x1 = m.x(e.ende, dauer_);
        p.fillRect(QRectF(x0, oben, std::max(x1 - x0, 0.5), bandHoehe), farbe(e.kategorie));
    }
    p.setPen(QPen(linienFarbe, 1));
    p.setBrush(Qt::NoBrush);
    const double x0 = m.x(s.beginn(), dauer_);
    p.drawRect(QRectF(x0, oben, m.x(s.ende(), dauer_) - x0, bandHoehe));
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
        return QRectF(m.x(t0, dauer_), mitte, m.x(t1, dauer_) - m.x(t0, dauer_), hoehe);
    };
    if (std::min(a.beginn(), b.beginn()) < von)
        schraffieren(p, streifen(std::min(a.beginn(), b.beginn()), von), schraffurFarbe);
    if (std::max(a.ende(), b.ende()) > bis)
        schraffieren(p, streifen(bis, std::max(a.ende(), b.ende())), schraffurFarbe);
    for (const auto &[t0, t1] : abweichungen(a, b)) {
        QRectF r = streifen(t0, t1);
        r.setWidth(std::max(r.width(), 0.5));
        p.fillRect(r, abweichungFarbe);
    }
    p.setPen(QPen(linienFarbe, 1));
    const double y = oben + bandHoehe / 2;
    if (bis > von)
        p.drawLine(QPointF(m.x(von, dauer_), y), QPointF(m.x(bis, dauer_), y));
}

void Zeitleiste::achseZeichnen(QPainter &p, const Masse &m) const
{
    const double y = m.achseOben;
    p.setPen(QPen(Qt::black, 1));
    p.drawLine(QPointF(m.links, y), QPointF(m.rechts, y));
    const qint64 schritt = teilung(dauer_);
    for (qint64 t = 0; t <= dauer_; t += schritt) {
        const double x = m.x(t, dauer_);
        p.drawLine(QPointF(x, y), QPointF(x, y + 6));
        p.drawText(QRectF(x - 50, y + 8, 100, 22), Qt::AlignHCenter | Qt::AlignTop, mmss(t));
    }
    p.drawText(QRectF(m.links, y + 30, m.rechts - m.links, 22), Qt::AlignHCenter | Qt::AlignTop,
               QStringLiteral("Zeit (mm:ss)"));
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
        p.drawText(QRectF(m.legendeX[i] + feld + 8, y, breite, feld + 6),
                   Qt::AlignLeft | Qt::AlignVCenter, e.text);
    }
}

std::vector<std::pair<qint64, qint64>> Zeitleiste::abweichungen(const Sitzung &a, const Sitzung &b)
{
    std::vector<std::pair<qint64, qint64>> ergebnis;
    const std::vector<Einheit> &ea = a.einheiten();
    const std::vector<Einheit> &eb = b.einheiten();
    size_t i = 0;
    size_t j = 0;
    // Walk the merged boundaries; each stretch lies inside one unit of each session.
    while (i < ea.size() && j < eb.size()) {
        const qint64 von = std::max(ea[i].beginn, eb[j].beginn);
        const qint64 bis = std::min(ea[i].ende, eb[j].ende);
        if (bis > von && ea[i].kategorie != eb[j].kategorie) {
            if (!ergebnis.empty() && ergebnis.back().second == von)
                ergebnis.back().second = bis;
            else
                ergebnis.emplace_back(von, bis);
        }
        if (ea[i].ende <= eb[j].ende)
            ++i;
        else
            ++j;
    }
    return ergebnis;
}

bool Zeitleiste::speichern(const QString &datei, QString &fehler) const
{
    return datei.endsWith(QLatin1String(".svg"), Qt::CaseInsensitive) ? svgSpeichern(datei, fehler)
                                                                      : pngSpeichern(datei, fehler);
}

bool Zeitleiste::pngSpeichern(const QString &datei, QString &fehler) const
{
    const QSize g = groesse();
    QImage bild(g * pngFaktor, QImage::Format_RGB32);
    bild.setDevicePixelRatio(pngFaktor);
    bild.fill(Qt::white);
    {
        QPainter p(&bild);
        p.setRenderHint(QPainter::TextAntialiasing);
        zeichnen(p);
    }
    QSaveFile f(datei);
    if (!f.open(QIODevice::WriteOnly))
        return nichtGeschrieben(f, fehler);
    if (!bild.save(&f, "PNG")) {
        f.cancelWriting();
        return nichtGeschrieben(f, fehler);
    }
    return f.commit() || nichtGeschrieben(f, fehler);
}

bool Zeitleiste::svgSpeichern(const QString &datei, QString &fehler) const
{
    QSaveFile f(datei);
    if (!f.open(QIODevice::WriteOnly))
        return nichtGeschrieben(f, fehler);
    const QSize g = groesse();
    QSvgGenerator svg;
    svg.setOutputDevice(&f);
    svg.setSize(g);
    svg.setViewBox(QRect(QPoint(0, 0), g));
    svg.setTitle(QStringLiteral("Zeitleiste"));
    {
        QPainter p(&svg);
        zeichnen(p);
    }
    return f.commit() || nichtGeschrieben(f, fehler);
}
