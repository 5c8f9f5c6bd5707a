#ifndef BOOTSTRAP_H
#define BOOTSTRAP_H

#include "einheitenbloecke.h"
#include "kreuztabelle.h"
#include "schaetzung.h"

#include <functional>
#include <vector>

class Zufall;

// Bootstrap over whole units: each resample draws as many blocks as there are, with
// replacement, and adds up their slices into one table. Every resample has its own
// generator seeded from the given value and its number, so the same input and seed give
// the same intervals, on any number of threads and whatever else is computed alongside.
class Bootstrap
{
public:
    using Statistik = std::function<Kennwert(const Kreuztabelle &)>;
    // All figures of one resample at once, so that shared work (a collapsed table) is done
    // once.
    using Statistiken = std::function<void(const Kreuztabelle &, std::vector<Kennwert> &)>;
    // Draws one resample with the generator given and fills in its figures.
    using Ziehung = std::function<void(Zufall &, std::vector<Kennwert> &)>;

    // faeden 0: as many threads as the machine has cores.
    Bootstrap(const Einheitenbloecke &bloecke, int wiederholungen, quint64 startwert,
              int faeden = 0);

    // Per statistic: the standard deviation of its resampled values as standard error and
    // their 2.5 and 97.5 percentiles as the 95 % interval. Undefined when the statistic is
    // undefined in any resample: an interval from the others would look better than it is.
    std::vector<Intervall> intervalle(const std::vector<Statistik> &statistiken) const;
    std::vector<Intervall> intervalle(size_t anzahl, const Statistiken &statistiken) const;

    // The same for any kind of resample (units of several raters, whole sessions): anzahl
    // figures from each of the given number of resamples drawn by ziehen.
    static std::vector<Intervall> wiederholen(int wiederholungen, quint64 startwert, int faeden,
                                              size_t anzahl, const Ziehung &ziehen);

    // The 2.5 and 97.5 percentiles, interpolated between order statistics (R's default).
    static double perzentil(const std::vector<double> &sortiert, double anteil);
    // The same of unsorted values, which it reorders.
    static double auswaehlen(std::vector<double> &werte, double anteil);

private:
    Kreuztabelle ziehen(Zufall &zufall) const;
    static Intervall zusammenfassen(std::vector<double> &werte, const std::vector<char> &definiert);

    const Einheitenbloecke &bloecke_;
    int wiederholungen_;
    quint64 startwert_;
    int faeden_;
};

#endif
