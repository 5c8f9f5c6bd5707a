#include "studienaufbau.h"

#include "sichtbar.h"

#include <QFileInfo>

#include <algorithm>
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
            const QString w = klientenWarnung(sitzungen[size_t(g.sitzungen[0])],
                                              sitzungen[size_t(g.sitzungen[i])]);
            if (!w.isEmpty())
                warnungen_ << QStringLiteral("Klient %1: %2").arg(sichtbar(g.klient), w);
        }
        gruppen_.push_back(g);
    }
    return true;
}
