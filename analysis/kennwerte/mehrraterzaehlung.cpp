#include "mehrraterzaehlung.h"

Mehrraterzaehlung::Mehrraterzaehlung(int kategorien)
    : q_(kategorien), kategorieSumme_(size_t(kategorien), 0.0),
      koinzidenz_(size_t(kategorien) * size_t(kategorien), 0.0)
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
    paareGleich_ += w * gleich;
    for (int k = 0; k < q_ && size_t(k) < anzahl.size(); ++k)
        kategorieSumme_[size_t(k)] += w * anzahl[size_t(k)];
    if (m < 2)
        return;
    for (int c = 0; c < q_; ++c) {
        if (anzahl[size_t(c)] == 0)
            continue;
        for (int k = 0; k < q_; ++k) {
            const int paare = anzahl[size_t(c)] * (anzahl[size_t(k)] - (c == k ? 1 : 0));
            if (paare > 0)
                koinzidenz_[size_t(c * q_ + k)] += w * paare / double(m - 1);
        }
    }
}

Mehrraterzaehlung &Mehrraterzaehlung::operator+=(const Mehrraterzaehlung &andere)
{
    if (andere.einheiten_ == 0)
        return *this;
    if (einheiten_ == 0)
        rater_ = andere.rater_;
    raterGleich_ = raterGleich_ && andere.raterGleich_ && andere.rater_ == rater_;
    einheiten_ += andere.einheiten_;
    paareGleich_ += andere.paareGleich_;
    for (size_t i = 0; i < kategorieSumme_.size(); ++i)
        kategorieSumme_[i] += andere.kategorieSumme_[i];
    for (size_t i = 0; i < koinzidenz_.size(); ++i)
        koinzidenz_[i] += andere.koinzidenz_[i];
    return *this;
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
    const double pQuer = paareGleich_ / (N * n * (n - 1));
    double pe = 0;
    for (const double s : kategorieSumme_)
        pe += (s / (N * n)) * (s / (N * n));
    if (pe >= 1.0)
        return Kennwert::ohne(QStringLiteral("alle haben durchgehend dieselbe Kategorie vergeben; "
                                             "die Zufallsübereinstimmung ist dann 1"));
    return Kennwert::mit((pQuer - pe) / (1.0 - pe));
}

Kennwert Mehrraterzaehlung::krippendorffAlpha() const
{
    std::vector<double> nc(size_t(q_), 0.0);
    double n = 0;
    double beobachtet = 0;
    for (int c = 0; c < q_; ++c) {
        for (int k = 0; k < q_; ++k) {
            const double o = koinzidenz_[size_t(c * q_ + k)];
            nc[size_t(c)] += o;
            n += o;
            if (c != k)
                beobachtet += o;
        }
    }
    if (n <= 1)
        return Kennwert::ohne(QStringLiteral("keine Einheit mit mindestens zwei Kodierungen"));
    double erwartet = 0;
    for (int c = 0; c < q_; ++c) {
        for (int k = 0; k < q_; ++k) {
            if (c != k)
                erwartet += nc[size_t(c)] * nc[size_t(k)];
        }
    }
    if (erwartet <= 0)
        return Kennwert::ohne(QStringLiteral("nur eine Kategorie vergeben; die erwartete "
                                             "Abweichung ist dann 0"));
    return Kennwert::mit(1.0 - (n - 1) * beobachtet / erwartet);
}
