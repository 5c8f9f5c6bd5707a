#include "studientabellen.h"

#include "ausgabeformat.h"
#include "studie.h"

namespace {

using E = Vergleichsergebnis;

} // namespace

QList<QStringList> Studientabellen::paare(const Studie &s)
{
    QList<QStringList> zeilen = {
        {QStringLiteral("Klient"), QStringLiteral("Rater A"), QStringLiteral("Rater B"),
         QStringLiteral("Versatz B"), QStringLiteral("Übereinst."),
         QStringLiteral("Kappa zeitb. [95 %-KI]"), QStringLiteral("AC1"), QStringLiteral("Paare"),
         QStringLiteral("nur A"), QStringLiteral("nur B"), QStringLiteral("Kappa ereign."),
         QStringLiteral("mit Segm.")}};
    for (const Studie::Paar &p : s.paare()) {
        const Studie::Klient &k = s.klienten()[size_t(p.klient)];
        const Uebereinstimmung &u = p.vergleich;
        const E &e = u.ergebnis();
        zeilen.append(
            {k.name, k.rater[size_t(p.a)].name, k.rater[size_t(p.b)].name,
             versatzText(u.versatz()) + (u.versatzAmRand() ? QStringLiteral(" !") : QString()),
             prozentText(e.zeit(E::Kategorien).uebereinstimmung),
             wertMitIntervall(e.zeit(E::Kategorien).kappa, 3),
             zahlOderStrich(e.zeit(E::Kategorien).ac1.wert, 3),
             QString::number(u.ereignisse().paare().size()), QString::number(u.ereignisse().nurA()),
             QString::number(u.ereignisse().nurB()),
             zahlOderStrich(e.ereignis(E::Kategorien).kappa.wert, 3),
             zahlOderStrich(e.segmentierung(E::Kategorien).kappa.wert, 3)});
    }
    return zeilen;
}

QList<bool> Studientabellen::paareRechts()
{
    return {false, false, false, true, true, true, true, true, true, true, true, true};
}

QList<QStringList> Studientabellen::mehrrater(const Studie &s)
{
    QList<QStringList> zeilen = {{QStringLiteral("Klient"), QStringLiteral("Rater"),
                                  QStringLiteral("Scheiben"),
                                  QStringLiteral("Fleiss' Kappa [95 %-KI]"),
                                  QStringLiteral("Krippendorffs Alpha [95 %-KI]")}};
    for (const Studie::Klient &k : s.klienten()) {
        if (k.rater.size() < 3)
            continue;
        QStringList namen;
        for (const Studie::Rater &r : k.rater)
            namen << r.name;
        zeilen.append({k.name, namen.join(QStringLiteral(", ")), QString::number(k.scheiben),
                       wertMitIntervall(k.fleiss, 3), wertMitIntervall(k.alpha, 3)});
    }
    const Mehrraterzaehlung &g = s.mehrraterGesamt();
    zeilen.append({QStringLiteral("alle Klienten"), QString(), QString::number(g.einheiten()),
                   wertMitIntervall(s.fleiss(), 3), wertMitIntervall(s.alpha(), 3)});
    return zeilen;
}

QList<bool> Studientabellen::mehrraterRechts()
{
    return {false, false, true, true, true};
}

QList<QStringList> Studientabellen::groessen(const Studie &s)
{
    const Sitzungsgroessen &g = s.groessen();
    QList<QStringList> zeilen = {{QStringLiteral("Größe"), QStringLiteral("Sitzungen"),
                                  QStringLiteral("Mittel je Rater"),
                                  QStringLiteral("ICC(A,1) [95 %-KI]")}};
    for (const Sitzungsgroessen::Groesse &x : g.groessen()) {
        QStringList mittel;
        for (int r = 0; r < g.rater(); ++r) {
            double summe = 0;
            for (const std::vector<double> &w : x.werte)
                summe += w[size_t(r)];
            mittel << (x.werte.empty() ? QStringLiteral("–")
                                       : dezimal(summe / double(x.werte.size()), 2));
        }
        zeilen.append(
            {x.name + (x.einheit.isEmpty() ? QString() : QStringLiteral(" (%1)").arg(x.einheit)),
             QString::number(x.werte.size()), mittel.join(QStringLiteral(" / ")),
             wertMitIntervall(x.icc, 3)});
    }
    return zeilen;
}

QList<bool> Studientabellen::groessenRechts()
{
    return {false, true, true, true};
}
