#include "bootstrap.h"

#include <algorithm>
#include <cmath>
#include <random>

Bootstrap::Bootstrap(const Einheitenbloecke &bloecke, int wiederholungen, quint64 startwert)
    : bloecke_(bloecke), wiederholungen_(wiederholungen), startwert_(startwert)
{
}

double Bootstrap::perzentil(const std::vector<double> &sortiert, double anteil)
{
    const double h = double(sortiert.size() - 1) * anteil;
    const size_t unten = size_t(std::floor(h));
    const size_t oben = std::min(unten + 1, sortiert.size() - 1);
    return sortiert[unten] + (h - double(unten)) * (sortiert[oben] - sortiert[unten]);
}

std::vector<Intervall> Bootstrap::intervalle(const std::vector<Statistik> &statistiken) const
{
    if (wiederholungen_ <= 0)
        return std::vector<Intervall>(statistiken.size(),
                                      Intervall::ohne(QStringLiteral("kein Bootstrap")));
    const size_t n = bloecke_.anzahl();
    if (n < 2)
        return std::vector<Intervall>(statistiken.size(),
                                      Intervall::ohne(QStringLiteral("zu wenige Einheiten")));

    std::vector<std::vector<double>> werte(statistiken.size());
    std::vector<int> undefiniert(statistiken.size(), 0);
    std::mt19937_64 zufall(startwert_);
    const Kreuztabelle leer;
    for (int r = 0; r < wiederholungen_; ++r) {
        Kreuztabelle t = leer;
        for (size_t i = 0; i < n; ++i) {
            // The modulo's bias is below n / 2^64: nothing next to the resampling itself, and
            // unlike the standard distributions the same on every platform.
            const size_t block = size_t(zufall() % n);
            for (const auto *z = bloecke_.zellenVon(block); z != bloecke_.zellenBis(block); ++z)
                t.hinzufuegen(z->a, z->b, z->anzahl);
        }
        for (size_t s = 0; s < statistiken.size(); ++s) {
            const Kennwert k = statistiken[s](t);
            if (k.definiert)
                werte[s].push_back(k.wert);
            else
                ++undefiniert[s];
        }
    }

    std::vector<Intervall> ergebnis;
    for (size_t s = 0; s < statistiken.size(); ++s) {
        if (undefiniert[s] > 0) {
            ergebnis.push_back(Intervall::ohne(QStringLiteral("in %1 von %2 Wiederholungen "
                                                              "nicht definiert")
                                                   .arg(undefiniert[s])
                                                   .arg(wiederholungen_)));
            continue;
        }
        std::vector<double> &w = werte[s];
        std::sort(w.begin(), w.end());
        double mittel = 0;
        for (const double x : w)
            mittel += x;
        mittel /= double(w.size());
        double quadrate = 0;
        for (const double x : w)
            quadrate += (x - mittel) * (x - mittel);
        Intervall i;
        i.definiert = true;
        i.standardfehler = w.size() > 1 ? std::sqrt(quadrate / double(w.size() - 1)) : 0.0;
        i.unten = perzentil(w, 0.025);
        i.oben = perzentil(w, 0.975);
        ergebnis.push_back(i);
    }
    return ergebnis;
}
