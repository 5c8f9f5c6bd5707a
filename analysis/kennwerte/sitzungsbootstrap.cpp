#include "sitzungsbootstrap.h"

#include "bootstrap.h"
#include "zufall.h"

Sitzungsbootstrap::Anteil &Sitzungsbootstrap::Anteil::operator+=(const Anteil &andere)
{
    zeit += andere.zeit;
    ereignis += andere.ereignis;
    segmentierung += andere.segmentierung;
    mehrrater += andere.mehrrater;
    return *this;
}

Sitzungsbootstrap::Sitzungsbootstrap(const std::vector<Anteil> &sitzungen, int wiederholungen,
                                     quint64 startwert)
    : sitzungen_(sitzungen), wiederholungen_(wiederholungen), startwert_(startwert)
{
}

std::vector<Intervall> Sitzungsbootstrap::intervalle(size_t anzahl,
                                                     const Statistiken &statistiken) const
{
    const size_t n = sitzungen_.size();
    if (wiederholungen_ > 0 && n < 2)
        return std::vector<Intervall>(
            anzahl, Intervall::ohne(QStringLiteral("nur eine Sitzung; über Sitzungen kein "
                                                   "Intervall")));
    std::vector<Intervall> i = Bootstrap::wiederholen(
        wiederholungen_, startwert_, 0, anzahl, [&](Zufall &zufall, std::vector<Kennwert> &werte) {
            const Anteil &erste = sitzungen_.front();
            Anteil summe{Kreuztabelle(erste.zeit.alleKuerzel()),
                         Kreuztabelle(erste.ereignis.alleKuerzel()),
                         Kreuztabelle(erste.segmentierung.alleKuerzel()), Mehrraterzaehlung()};
            for (size_t s = 0; s < n; ++s)
                summe += sitzungen_[zufall.bis(n)];
            statistiken(summe, werte);
        });
    if (n < size_t(WenigeSitzungen)) {
        for (Intervall &e : i) {
            if (e.definiert)
                e.hinweis =
                    QStringLiteral("nur %1 Sitzungen: Intervall über Sitzungen grob").arg(n);
        }
    }
    return i;
}
