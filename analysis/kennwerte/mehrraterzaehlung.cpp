#include "mehrraterzaehlung.h"

#include <algorithm>

Mehrraterzaehlung::Mehrraterzaehlung(int kategorien)
    : q_(std::min(kategorien, HoechstensKategorien))
{
}

void Mehrraterzaehlung::einheit(const std::vector<int> &anzahl, qint64 gewicht)
{
    int m = 0;
    double gleich = 0;
    for (int k = 0; k < q_ && size_t(k) < anzahl.size(); ++k) {
        m += anzahl[size_t(k)];
        gleich += double(anzahl[size_t(k)]) * double(anzahl[size_t(k)] - 1);
    }
    if (m == 0 || gewicht <= 0)
        return;
    if (einheiten_ == 0)
        rater_ = m;
    raterGleich_ = raterGleich_ && m == rater_;
    einheiten_ += gewicht;
    const double w = double(gewicht);
    paareGleich() += w * gleich;
    for (int k = 0; k < q_ && size_t(k) < anzahl.size(); ++k)
        kategorieSumme()[k] += w * anzahl[size_t(k)];
    if (m < 2)
        return;
    // A unit's coincidences: each of its m (m - 1) ordered pairs of codes counts 1 / (m - 1);
    // row c sums to n_c, the diagonal to n_c (n_c - 1) / (m - 1).
    for (int c = 0; c < q_ && size_t(c) < anzahl.size(); ++c)
        koinzidenzRand()[c] += w * anzahl[size_t(c)];
    abweichend() += w * (double(m) - gleich / double(m - 1));
}

Kennwert Mehrraterzaehlung::fleissKappa() const
{
    if (einheiten_ == 0)
        return Kennwert::ohne(QStringLiteral("keine Einheiten"));
    if (!raterGleich_)
        return Kennwert::ohne(QStringLiteral("nicht jede Einheit hat gleich viele Rater"));
    if (rater_ < 2)
        return Kennwert::ohne(QStringLiteral("weniger als zwei Rater"));
    const double n = double(rater_);
    const double N = double(einheiten_);
    const double pQuer = summen_[0] / (N * n * (n - 1));
    double pe = 0;
    for (int k = 0; k < q_; ++k) {
        const double s = summen_[2 + size_t(k)];
        pe += (s / (N * n)) * (s / (N * n));
    }
    if (pe >= 1.0)
        return Kennwert::ohne(QStringLiteral("alle haben durchgehend dieselbe Kategorie vergeben; "
                                             "die Zufallsübereinstimmung ist dann 1"));
    return Kennwert::mit((pQuer - pe) / (1.0 - pe));
}

Kennwert Mehrraterzaehlung::krippendorffAlpha() const
{
    double n = 0;
    double quadrate = 0;
    for (int c = 0; c < q_; ++c) {
        const double nc = summen_[2 + size_t(q_ + c)];
        n += nc;
        quadrate += nc * nc;
    }
    if (n <= 1)
        return Kennwert::ohne(QStringLiteral("keine Einheit mit mindestens zwei Kodierungen"));
    const double erwartet = n * n - quadrate;
    if (erwartet <= 0)
        return Kennwert::ohne(QStringLiteral("nur eine Kategorie vergeben; die erwartete "
                                             "Abweichung ist dann 0"));
    return Kennwert::mit(1.0 - (n - 1) * summen_[1] / erwartet);
}
