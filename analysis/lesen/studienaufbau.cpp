#include "studienaufbau.h"

#include "sichtbar.h"
#include "zeitpunkt.h"

#include <QFileInfo>

#include <algorithm>
#include <cstdlib>
#include <map>

namespace {

const QString endung = QStringLiteral("_Verlauf.dat");

QString name(const Sitzung &s)
{
    return QFileInfo(s.datei()).fileName();
}

} // namespace

bool Studienaufbau::zerlegen(const Sitzung &s, QString &klient, QString &rater)
{
    const QString datei = name(s);
    if (!datei.endsWith(endung, Qt::CaseInsensitive))
        return false;
    const QString stamm = datei.chopped(endung.size());
    if (!s.klient().isEmpty() && !s.rater().isEmpty() &&
        stamm.compare(s.klient() + QLatin1Char('_') + s.rater(), Qt::CaseInsensitive) == 0) {
        klient = stamm.left(s.klient().size());
        rater = stamm.mid(s.klient().size() + 1);
        return true;
    }
    const qsizetype trenner = stamm.lastIndexOf(QLatin1Char('_'));
    if (trenner <= 0 || trenner == stamm.size() - 1)
        return false;
    klient = stamm.left(trenner);
    rater = stamm.mid(trenner + 1);
    return true;
}

QString Studienaufbau::klientenWarnung(const Sitzung &a, const Sitzung &b)
{
    if (a.klient().isEmpty() || b.klient().isEmpty() ||
        a.klient().compare(b.klient(), Qt::CaseInsensitive) == 0)
        return QString();
    return QStringLiteral("die Klientenfelder weichen ab: %1 nennt \"%2\", %3 nennt \"%4\"; "
                          "gehören beide Dateien zum selben Video?")
        .arg(sichtbar(name(a)), sichtbar(a.klient()), sichtbar(name(b)), sichtbar(b.klient()));
}

QString Studienaufbau::dauerWarnung(const Sitzung &a, const Sitzung &b)
{
    const qint64 da = a.ende() - a.beginn();
    const qint64 db = b.ende() - b.beginn();
    if (std::abs(da - db) * 5 <= std::max(da, db))
        return QString();
    return QStringLiteral("die bewerteten Dauern weichen um mehr als ein Fünftel ab: %1 reicht "
                          "%2, %3 reicht %4; gehören beide Dateien zum selben Video?")
        .arg(sichtbar(name(a)), Zeitpunkt(0, double(da) / 1e6, 0).toString(), sichtbar(name(b)),
             Zeitpunkt(0, double(db) / 1e6, 0).toString());
}

bool Studienaufbau::aufbauen(const std::vector<Sitzung> &sitzungen)
{
    struct Eintrag
    {
        QString klient;
        QString rater;
        int index;
    };
    std::map<QString, std::vector<Eintrag>> nachKlient;
    QStringList unpassend;
    for (size_t i = 0; i < sitzungen.size(); ++i) {
        QString klient;
        QString rater;
        if (!zerlegen(sitzungen[i], klient, rater))
            unpassend << sichtbar(sitzungen[i].datei());
        else
            nachKlient[klient.toLower()].push_back(Eintrag{klient, rater, int(i)});
    }
    if (!unpassend.isEmpty()) {
        fehler_ = QStringLiteral("die Namen folgen nicht dem Muster <Klient>_<Rater>_Verlauf.dat: "
                                 "%1")
                      .arg(unpassend.join(QStringLiteral(", ")));
        return false;
    }

    for (auto &[schluessel, eintraege] : nachKlient) {
        std::stable_sort(eintraege.begin(), eintraege.end(),
                         [](const Eintrag &x, const Eintrag &y) {
                             return x.rater.compare(y.rater, Qt::CaseInsensitive) < 0;
                         });
        Gruppe g{eintraege.front().klient, {}, {}};
        for (size_t i = 0; i < eintraege.size(); ++i) {
            if (i > 0 &&
                eintraege[i].rater.compare(eintraege[i - 1].rater, Qt::CaseInsensitive) == 0) {
                fehler_ = QStringLiteral("Klient %1, Rater %2 kommt zweimal vor: %3 und %4")
                              .arg(sichtbar(g.klient), sichtbar(eintraege[i].rater),
                                   sichtbar(sitzungen[size_t(eintraege[i - 1].index)].datei()),
                                   sichtbar(sitzungen[size_t(eintraege[i].index)].datei()));
                return false;
            }
            g.sitzungen.push_back(eintraege[i].index);
            g.rater << eintraege[i].rater;
        }
        if (g.sitzungen.size() < 2) {
            warnungen_ << QStringLiteral("Klient %1 hat nur einen Rater (%2), also kein Paar")
                              .arg(sichtbar(g.klient),
                                   sichtbar(sitzungen[size_t(g.sitzungen[0])].datei()));
            continue;
        }
        for (size_t i = 1; i < g.sitzungen.size(); ++i) {
            const Sitzung &erste = sitzungen[size_t(g.sitzungen[0])];
            const Sitzung &weitere = sitzungen[size_t(g.sitzungen[i])];
            for (const QString &w :
                 {klientenWarnung(erste, weitere), dauerWarnung(erste, weitere)}) {
                if (!w.isEmpty())
                    warnungen_ << QStringLiteral("Klient %1: %2").arg(sichtbar(g.klient), w);
            }
        }
        gruppen_.push_back(g);
    }
    return true;
}
