#include "kreuztabelle.h"

#include "einschaetzung.h"

namespace {

// Built once: a bootstrap makes a table in every resample.
const QStringList &bewertungsKuerzel()
{
    static const QStringList k = [] {
        QStringList l;
        for (int i = TL; i <= NIX; ++i)
            l << EinschaetzungKuerzel[i];
        return l;
    }();
    return k;
}

} // namespace

Kreuztabelle::Kreuztabelle() : Kreuztabelle(bewertungsKuerzel()) {}

Kreuztabelle::Kreuztabelle(const QStringList &kuerzel)
    : kuerzel_(kuerzel), q_(int(kuerzel.size())), n_(size_t(q_) * size_t(q_), 0),
      zeilen_(size_t(q_), 0), spalten_(size_t(q_), 0)
{
}

QString Kreuztabelle::kuerzel(int kategorie) const
{
    return gueltig(kategorie) ? kuerzel_[kategorie - 1] : QString();
}

void Kreuztabelle::hinzufuegen(int zeile, int spalte, qint64 anzahl)
{
    if (!gueltig(zeile) || !gueltig(spalte))
        return;
    n_[size_t((zeile - 1) * q_ + spalte - 1)] += anzahl;
    zeilen_[size_t(zeile - 1)] += anzahl;
    spalten_[size_t(spalte - 1)] += anzahl;
    summe_ += anzahl;
}

Kreuztabelle &Kreuztabelle::operator+=(const Kreuztabelle &andere)
{
    Q_ASSERT(andere.q_ == q_);
    for (size_t i = 0; i < n_.size() && i < andere.n_.size(); ++i)
        n_[i] += andere.n_[i];
    for (size_t i = 0; i < zeilen_.size() && i < andere.zeilen_.size(); ++i) {
        zeilen_[i] += andere.zeilen_[i];
        spalten_[i] += andere.spalten_[i];
    }
    summe_ += andere.summe_;
    return *this;
}

Kreuztabelle Kreuztabelle::zusammengefasst(const std::vector<int> &abbildung,
                                           const QStringList &kuerzel) const
{
    Kreuztabelle t(kuerzel);
    for (int a = 1; a <= q_; ++a) {
        for (int b = 1; b <= q_; ++b) {
            if (size_t(a) <= abbildung.size() && size_t(b) <= abbildung.size())
                t.hinzufuegen(abbildung[size_t(a - 1)], abbildung[size_t(b - 1)], anzahl(a, b));
        }
    }
    return t;
}

qint64 Kreuztabelle::anzahl(int zeile, int spalte) const
{
    return gueltig(zeile) && gueltig(spalte) ? n_[size_t((zeile - 1) * q_ + spalte - 1)] : 0;
}

qint64 Kreuztabelle::diagonale() const
{
    qint64 s = 0;
    for (int k = 1; k <= q_; ++k)
        s += anzahl(k, k);
    return s;
}

Kennwert Kreuztabelle::leer() const
{
    return Kennwert::ohne(QStringLiteral("keine Daten zum Vergleichen"));
}

Kennwert Kreuztabelle::uebereinstimmung() const
{
    if (summe_ == 0)
        return leer();
    return Kennwert::mit(double(diagonale()) / double(summe_));
}

double Kreuztabelle::kappaZufall() const
{
    double zaehler = 0;
    for (int k = 1; k <= q_; ++k)
        zaehler += double(zeilensumme(k) * spaltensumme(k));
    const double n = double(summe_);
    return summe_ > 0 ? zaehler / (n * n) : 0.0;
}

Kennwert Kreuztabelle::kappa() const
{
    if (summe_ == 0)
        return leer();
    // Decided on whole numbers, so that a chance agreement of exactly 1 is found without
    // rounding.
    for (int k = 1; k <= q_; ++k) {
        if (zeilensumme(k) == summe_ && spaltensumme(k) == summe_)
            return Kennwert::ohne(QStringLiteral("beide haben durchgehend nur %1 vergeben; die "
                                                 "Zufallsübereinstimmung ist dann 1 und Kappa 0/0")
                                      .arg(kuerzel(k)));
    }
    const double po = double(diagonale()) / double(summe_);
    const double pe = kappaZufall();
    return Kennwert::mit((po - pe) / (1.0 - pe));
}

double Kreuztabelle::ac1Zufall() const
{
    const double n = double(summe_);
    double summePi = 0;
    for (int k = 1; k <= q_; ++k) {
        const double pi = double(zeilensumme(k) + spaltensumme(k)) / (2.0 * n);
        summePi += pi * (1.0 - pi);
    }
    return summe_ > 0 && q_ > 1 ? summePi / (q_ - 1) : 0.0;
}

Kennwert Kreuztabelle::ac1() const
{
    if (summe_ == 0)
        return leer();
    // At most (1 - 1/q) / (q - 1) < 1, so AC1 is always defined on a non-empty table.
    const double pe = ac1Zufall();
    const double po = double(diagonale()) / double(summe_);
    return Kennwert::mit((po - pe) / (1.0 - pe));
}

Kennwert Kreuztabelle::pabak() const
{
    if (summe_ == 0)
        return leer();
    const double po = double(diagonale()) / double(summe_);
    return Kennwert::mit((q_ * po - 1.0) / (q_ - 1.0));
}
