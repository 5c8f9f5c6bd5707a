#include "bootstrap.h"

#include "zufall.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <thread>

namespace {

constexpr int q = Kreuztabelle::Kategorien;

} // namespace

Bootstrap::Bootstrap(const Einheitenbloecke &bloecke, int wiederholungen, quint64 startwert,
                     int faeden)
    : bloecke_(bloecke), wiederholungen_(wiederholungen), startwert_(startwert), faeden_(faeden)
{
}

double Bootstrap::perzentil(const std::vector<double> &sortiert, double anteil)
{
    std::vector<double> werte = sortiert;
    return auswaehlen(werte, anteil);
}

double Bootstrap::auswaehlen(std::vector<double> &werte, double anteil)
{
    // As perzentil, without sorting all: thousands of figures each have their resamples.
    const double h = double(werte.size() - 1) * anteil;
    const size_t unten = size_t(std::floor(h));
    std::nth_element(werte.begin(), werte.begin() + qsizetype(unten), werte.end());
    const double a = werte[unten];
    const double b = unten + 1 < werte.size()
                         ? *std::min_element(werte.begin() + qsizetype(unten) + 1, werte.end())
                         : a;
    return a + (h - double(unten)) * (b - a);
}

Kreuztabelle Bootstrap::ziehen(Zufall &zufall) const
{
    std::array<qint64, q * q> n{};
    const size_t bloecke = bloecke_.anzahl();
    for (size_t i = 0; i < bloecke; ++i) {
        const size_t block = zufall.bis(bloecke);
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
    return intervalle(statistiken.size(), [&](const Kreuztabelle &t, std::vector<Kennwert> &werte) {
        for (size_t s = 0; s < statistiken.size(); ++s)
            werte[s] = statistiken[s](t);
    });
}

std::vector<Intervall> Bootstrap::intervalle(size_t anzahl, const Statistiken &statistiken) const
{
    if (wiederholungen_ > 0 && bloecke_.anzahl() < 2)
        return std::vector<Intervall>(anzahl,
                                      Intervall::ohne(QStringLiteral("zu wenige Einheiten")));
    return wiederholen(
        wiederholungen_, startwert_, faeden_, anzahl,
        [&](Zufall &zufall, std::vector<Kennwert> &werte) { statistiken(ziehen(zufall), werte); });
}

std::vector<Intervall> Bootstrap::wiederholen(int wiederholungen, quint64 startwert, int faeden,
                                              size_t anzahl, const Ziehung &ziehen)
{
    if (wiederholungen <= 0)
        return std::vector<Intervall>(anzahl, Intervall::ohne(QStringLiteral("kein Bootstrap")));

    const size_t r = size_t(wiederholungen);
    std::vector<std::vector<double>> werte(anzahl, std::vector<double>(r, 0.0));
    std::vector<std::vector<char>> definiert(anzahl, std::vector<char>(r, 0));
    const auto rechnen = [&](size_t von, size_t bis) {
        std::vector<Kennwert> k(anzahl);
        for (size_t w = von; w < bis; ++w) {
            Zufall zufall(startwert, quint64(w));
            ziehen(zufall, k);
            for (size_t s = 0; s < anzahl; ++s) {
                werte[s][w] = k[s].wert;
                definiert[s][w] = k[s].definiert ? 1 : 0;
            }
        }
    };
    const size_t n =
        std::clamp<size_t>(faeden > 0 ? size_t(faeden) : std::thread::hardware_concurrency(), 1, 8);
    std::vector<std::thread> helfer;
    for (size_t f = 1; f < n; ++f)
        helfer.emplace_back(rechnen, r * f / n, r * (f + 1) / n);
    rechnen(0, r / n);
    for (std::thread &h : helfer)
        h.join();

    std::vector<Intervall> ergebnis;
    for (size_t s = 0; s < anzahl; ++s)
        ergebnis.push_back(zusammenfassen(werte[s], definiert[s]));
    return ergebnis;
}

Intervall Bootstrap::zusammenfassen(std::vector<double> &werte, const std::vector<char> &definiert)
{
    const qsizetype undefiniert = std::count(definiert.begin(), definiert.end(), 0);
    if (undefiniert > 0)
        return Intervall::ohne(QStringLiteral("in %1 von %2 Wiederholungen nicht definiert")
                                   .arg(undefiniert)
                                   .arg(werte.size()));
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
    i.unten = auswaehlen(werte, 0.025);
    i.oben = auswaehlen(werte, 0.975);
    return i;
}
