#include "sitzungsgroessen.h"

#include "bootstrap.h"
#include "einschaetzung.h"
#include "icc.h"
#include "sitzungsbootstrap.h"
#include "zufall.h"
#include "zusammenfassung.h"

#include <algorithm>
#include <functional>

namespace {

Intervall iccIntervall(const std::vector<std::vector<double>> &werte,
                       const Vergleichseinstellungen &e)
{
    const size_t n = werte.size();
    if (e.wiederholungen > 0 && n < 2)
        return Intervall::ohne(QStringLiteral("nur eine Sitzung"));
    Intervall i = Bootstrap::wiederholen(e.wiederholungen, e.startwert, 0, 1,
                                         [&](Zufall &zufall, std::vector<Kennwert> &w) {
                                             std::vector<std::vector<double>> gezogen;
                                             gezogen.reserve(n);
                                             for (size_t s = 0; s < n; ++s)
                                                 gezogen.push_back(werte[zufall.bis(n)]);
                                             w[0] = Icc(gezogen).wert();
                                         })[0];
    i.punktPruefen();
    if (i.definiert && i.hinweis.isEmpty() && n < size_t(Sitzungsbootstrap::WenigeSitzungen))
        i.hinweis = QStringLiteral("nur %1 Sitzungen: Intervall über Sitzungen grob").arg(n);
    return i;
}

} // namespace

Sitzungsgroessen::Sitzungsgroessen(const QStringList &klienten,
                                   const std::vector<std::vector<const Sitzung *>> &raterJeKlient,
                                   const Vergleichseinstellungen &e)
{
    if (raterJeKlient.empty())
        return;
    rater_ = int(raterJeKlient[0].size());
    for (const auto &r : raterJeKlient)
        rater_ = std::min(rater_, int(r.size()));

    using Messung = std::function<Kennwert(const Zusammenfassung &)>;
    const std::vector<std::pair<Groesse, Messung>> arten = {
        {{QStringLiteral("Sinneinheiten"), QString(), {}, {}, {}},
         [](const Zusammenfassung &z) { return Kennwert::mit(z.einheiten()); }},
        {{QStringLiteral("bewertete Dauer"), QStringLiteral("min"), {}, {}, {}},
         [](const Zusammenfassung &z) { return Kennwert::mit(double(z.bewerteteZeit()) / 60e6); }},
        {{QStringLiteral("TL/(TL+TNL)"), QString(), {}, {}, {}},
         [](const Zusammenfassung &z) { return z.anteilNachZeit(TL, TNL); }},
        {{QStringLiteral("KL/(KL+KNL)"), QString(), {}, {}, {}},
         [](const Zusammenfassung &z) { return z.anteilNachZeit(KL, KNL); }},
    };
    for (const auto &[vorlage, messen] : arten) {
        Groesse g = vorlage;
        for (size_t i = 0; i < raterJeKlient.size(); ++i) {
            std::vector<double> zeile;
            for (int r = 0; r < rater_; ++r) {
                const Kennwert w = messen(Zusammenfassung(*raterJeKlient[i][size_t(r)]));
                if (w.definiert)
                    zeile.push_back(w.wert);
            }
            // A share nobody could compute (no TL and no TNL) leaves the session out.
            if (int(zeile.size()) != rater_)
                continue;
            g.klienten << klienten[qsizetype(i)];
            g.werte.push_back(zeile);
        }
        const Kennwert wert = Icc(g.werte).wert();
        g.icc = Schaetzung{wert,
                           wert.definiert ? iccIntervall(g.werte, e) : Intervall::ohne(wert.grund)};
        groessen_.push_back(g);
    }
}
