#include "bootstrap.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <thread>

namespace {

constexpr int q = Kreuztabelle::Kategorien;

quint64 splitmix64(quint64 &zustand)
{
    quint64 z = (zustand += 0x9e3779b97f4a7c15ULL);
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
    return z ^ (z >> 31);
}

// xoshiro256**: a small, fast generator of good quality; a bootstrap draws millions of
// numbers. Each resample gets a generator of its own, seeded from the seed and its number,
// so that resamples may run on any number of threads in any order with the same result.
class Zufall
{
public:
    Zufall(quint64 startwert, quint64 wiederholung)
    {
        quint64 z = startwert ^ (0xd1b54a32d192ed03ULL * (wiederholung + 1));
        for (quint64 &s : s_)
            s = splitmix64(z);
    }

    quint64 operator()()
    {
        const quint64 ergebnis = drehen(s_[1] * 5, 7) * 9;
        const quint64 t = s_[1] << 17;
        s_[2] ^= s_[0];
        s_[3] ^= s_[1];
        s_[1] ^= s_[2];
        s_[0] ^= s_[3];
        s_[2] ^= t;
        s_[3] = drehen(s_[3], 45);
        return ergebnis;
    }

private:
    static quint64 drehen(quint64 x, int k) { return (x << k) | (x >> (64 - k)); }
    std::array<quint64, 4> s_;
};

// Uniform in 0 .. n-1 by multiplying instead of dividing: fast, the same on every platform
// (unlike the standard distributions), with a bias below n / 2^64.
size_t gleichverteilt(quint64 zufall, size_t n)
{
    __extension__ using u128 = unsigned __int128;
    return size_t((u128(zufall) * u128(n)) >> 64);
}

} // namespace

Bootstrap::Bootstrap(const Einheitenbloecke &bloecke, int wiederholungen, quint64 startwert,
                     int faeden)
    : bloecke_(bloecke), wiederholungen_(wiederholungen), startwert_(startwert), faeden_(faeden)
{
}

double Bootstrap::perzentil(const std::vector<double> &sortiert, double anteil)
{
    const double h = double(sortiert.size() - 1) * anteil;
    const size_t unten = size_t(std::floor(h));
    const size_t oben = std::min(unten + 1, sortiert.size() - 1);
    return sortiert[unten] + (h - double(unten)) * (sortiert[oben] - sortiert[unten]);
}

Kreuztabelle Bootstrap::ziehen(int wiederholung) const
{
    Zufall zufall(startwert_, quint64(wiederholung));
    std::array<qint64, q * q> n{};
    const size_t bloecke = bloecke_.anzahl();
    for (size_t i = 0; i < bloecke; ++i) {
        const size_t block = gleichverteilt(zufall(), bloecke);
        for (const auto *z = bloecke_.zellenVon(block); z != bloecke_.zellenBis(block); ++z)
            n[size_t(z->index)] += z->anzahl;
    }
    Kreuztabelle t;
    for (int i = 0; i < q * q; ++i) {
        if (n[size_t(i)] > 0)
            t.hinzufuegen(1 + i / q, 1 + i % q, n[size_t(i)]);
    }
    return t;
}

std::vector<Intervall> Bootstrap::intervalle(const std::vector<Statistik> &statistiken) const
{
    if (wiederholungen_ <= 0)
        return std::vector<Intervall>(statistiken.size(),
                                      Intervall::ohne(QStringLiteral("kein Bootstrap")));
    if (bloecke_.anzahl() < 2)
        return std::vector<Intervall>(statistiken.size(),
                                      Intervall::ohne(QStringLiteral("zu wenige Einheiten")));

    const size_t r = size_t(wiederholungen_);
    std::vector<std::vector<double>> werte(statistiken.size(), std::vector<double>(r, 0.0));
    std::vector<std::vector<char>> definiert(statistiken.size(), std::vector<char>(r, 0));
    const auto rechnen = [&](size_t von, size_t bis) {
        for (size_t w = von; w < bis; ++w) {
            const Kreuztabelle t = ziehen(int(w));
            for (size_t s = 0; s < statistiken.size(); ++s) {
                const Kennwert k = statistiken[s](t);
                werte[s][w] = k.wert;
                definiert[s][w] = k.definiert ? 1 : 0;
            }
        }
    };
    const size_t faeden = std::clamp<size_t>(
        faeden_ > 0 ? size_t(faeden_) : std::thread::hardware_concurrency(), 1, 8);
    std::vector<std::thread> helfer;
    for (size_t f = 1; f < faeden; ++f)
        helfer.emplace_back(rechnen, r * f / faeden, r * (f + 1) / faeden);
    rechnen(0, r / faeden);
    for (std::thread &h : helfer)
        h.join();

    std::vector<Intervall> ergebnis;
    for (size_t s = 0; s < statistiken.size(); ++s)
        ergebnis.push_back(zusammenfassen(werte[s], definiert[s]));
    return ergebnis;
}

Intervall Bootstrap::zusammenfassen(std::vector<double> &werte,
                                    const std::vector<char> &definiert) const
{
    const qsizetype undefiniert = std::count(definiert.begin(), definiert.end(), 0);
    if (undefiniert > 0)
        return Intervall::ohne(QStringLiteral("in %1 von %2 Wiederholungen nicht definiert")
                                   .arg(undefiniert)
                                   .arg(wiederholungen_));
    std::sort(werte.begin(), werte.end());
    double mittel = 0;
    for (const double x : werte)
        mittel += x;
    mittel /= double(werte.size());
    double quadrate = 0;
    for (const double x : werte)
        quadrate += (x - mittel) * (x - mittel);
    Intervall i;
    i.definiert = true;
    i.standardfehler = werte.size() > 1 ? std::sqrt(quadrate / double(werte.size() - 1)) : 0.0;
    i.unten = perzentil(werte, 0.025);
    i.oben = perzentil(werte, 0.975);
    return i;
}
