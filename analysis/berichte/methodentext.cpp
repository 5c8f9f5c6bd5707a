#include "methodentext.h"

#include "ausgabeformat.h"
#include "studie.h"
#include "uebereinstimmung.h"
#include "vergleichsbericht.h"

namespace {

using E = Vergleichsergebnis;

QString sek(qint64 us)
{
    // "0.1 s", "2 s": as short as the value allows.
    QString s = sekundenText(us);
    while (s.contains(QLatin1Char('.')) &&
           (s.endsWith(QLatin1Char('0')) || s.endsWith(QLatin1Char('.'))))
        s.chop(1);
    return s + QStringLiteral(" s");
}

QString scheibenSatz(const Vergleichseinstellungen &v)
{
    return QStringLiteral("Zeitbasiert wurde die von beiden Ratern bewertete Zeit in Scheiben zu "
                          "%1 geteilt; jede Scheibe erhielt bei jedem Rater die Kategorie der "
                          "Sinneinheit, die ihre Mitte enthält.")
        .arg(sek(v.schritt));
}

QString kennwertSatz()
{
    return QStringLiteral("Berichtet werden die prozentuale Übereinstimmung, Cohens Kappa und "
                          "Gwets AC1 über die sieben Kategorien sowie auf Sprecherebene "
                          "(Therapeut, Klient, Pause), dazu je Kategorie die spezifische "
                          "Übereinstimmung und Kappa der Kategorie gegen alle übrigen.");
}

QString bootstrapSatz(const Vergleichseinstellungen &v, const QString &wessen)
{
    if (v.wiederholungen <= 0)
        return QStringLiteral("Für die zeitbasierten Kennwerte wurden keine Intervalle "
                              "berechnet.");
    return QStringLiteral("Weil benachbarte Zeitscheiben nicht unabhängig sind, beruhen die "
                          "95-%-Konfidenzintervalle der zeitbasierten Kennwerte auf einem "
                          "Bootstrap über ganze Sinneinheiten %1 (%2%3 Wiederholungen, "
                          "Perzentilintervall, Startwert %4).")
        .arg(wessen,
             v.block > 1 ? QStringLiteral("Blöcke zu %1 Einheiten, ").arg(v.block) : QString())
        .arg(v.wiederholungen)
        .arg(v.startwert);
}

QString ereignisSatz(const Vergleichseinstellungen &v, qint64 paare, qint64 nurA, qint64 nurB)
{
    return QStringLiteral("Ereignisbasiert wurden die Enden der Sinneinheiten (Tastendrücke) "
                          "beider Rater in zeitlicher Reihenfolge so gepaart, dass möglichst "
                          "viele Paare höchstens %1 auseinanderliegen; Kappa und AC1 wurden über "
                          "die %2 gepaarten Einheiten berechnet, ihre 95-%-Konfidenzintervalle "
                          "mit den Standardfehlern für große Stichproben (Delta-Methode). Um "
                          "auch Uneinigkeit darüber zu erfassen, wo Sinneinheiten enden "
                          "(Segmentierung), wurden die %3 ungepaarten Enden (%4 nur bei Rater A, "
                          "%5 nur bei Rater B) in einer zweiten Rechnung als eigene Kategorie "
                          "„ohne“ gezählt.")
        .arg(sek(v.toleranz))
        .arg(paare)
        .arg(nurA + nurB)
        .arg(nurA)
        .arg(nurB);
}

QString kurz(const Schaetzung &s)
{
    if (!s.wert.definiert)
        return QStringLiteral("nicht definiert");
    QString t = dezimal(s.wert.wert, 2);
    if (s.intervall.definiert)
        t += QStringLiteral(" (95-%-KI [%1, %2])")
                 .arg(dezimal(s.intervall.unten, 2), dezimal(s.intervall.oben, 2));
    return t;
}

QString ergebnisSaetze(const E &e)
{
    return QStringLiteral(
               "Zeitbasiert stimmten die Rater in %1 der Zeit überein, Cohens κ = %2, Gwets AC1 "
               "= %3; auf Sprecherebene κ = %4. Ereignisbasiert stimmten %5 der gepaarten "
               "Einheiten überein, κ = %6, AC1 = %7; mit den ungepaarten Enden als eigener "
               "Kategorie κ = %8.")
        .arg(prozentText(e.zeit(E::Kategorien).uebereinstimmung), kurz(e.zeit(E::Kategorien).kappa),
             kurz(e.zeit(E::Kategorien).ac1), kurz(e.zeit(E::Sprecher).kappa),
             prozentText(e.ereignis(E::Kategorien).uebereinstimmung),
             kurz(e.ereignis(E::Kategorien).kappa), kurz(e.ereignis(E::Kategorien).ac1),
             kurz(e.segmentierung(E::Kategorien).kappa));
}

} // namespace

QString Methodentext::methode(const Uebereinstimmung &u)
{
    const Vergleichseinstellungen &v = u.einstellungen();
    QString versatz;
    if (v.versatzAutomatisch) {
        versatz = QStringLiteral("Um die unterschiedliche Reaktionszeit der Rater auszugleichen, "
                                 "wurden die Zeitpunkte von Rater B um %1 verschoben; dieser "
                                 "Versatz ergab unter allen Versätzen im Raster der "
                                 "Scheibenlänge im Bereich ±%2 die höchste zeitbasierte "
                                 "Übereinstimmung%3.")
                      .arg(versatzText(u.versatz()), sek(v.suchbereich),
                           u.versatzAmRand() ? QStringLiteral(" und liegt am Rand dieses Bereichs")
                                             : QString());
    } else if (u.versatz() != 0) {
        versatz = QStringLiteral("Um die unterschiedliche Reaktionszeit der Rater auszugleichen, "
                                 "wurden die Zeitpunkte von Rater B um %1 verschoben.")
                      .arg(versatzText(u.versatz()));
    } else {
        versatz = QStringLiteral("Die Zeitpunkte der Rater wurden nicht gegeneinander verschoben.");
    }
    const E &e = u.ergebnis();
    return QStringLiteral("Die Übereinstimmung der beiden Rater wurde zeitbasiert und "
                          "ereignisbasiert bestimmt. ") +
           scheibenSatz(v) +
           QStringLiteral(" Gemeinsam bewertet waren %1 bis %2 (%3 Scheiben). ")
               .arg(zeitText(u.zeit().beginn()), zeitText(u.zeit().ende()))
               .arg(u.zeit().anzahl()) +
           versatz + QLatin1Char(' ') + kennwertSatz() + QLatin1Char(' ') +
           bootstrapSatz(v, QStringLiteral("von Rater A")) + QLatin1Char(' ') +
           ereignisSatz(v, e.ereignis(E::Kategorien).tabelle.summe(), VergleichsBericht::nurA(e),
                        VergleichsBericht::nurB(e));
}

QString Methodentext::ergebnis(const Uebereinstimmung &u)
{
    return ergebnisSaetze(u.ergebnis());
}

QString Methodentext::methode(const Studie &s)
{
    const Vergleichseinstellungen &v = s.einstellungen();
    bool mehrAlsZwei = false;
    for (const Studie::Klient &k : s.klienten())
        mehrAlsZwei = mehrAlsZwei || k.rater.size() > 2;
    QString versatz;
    if (v.versatzAutomatisch)
        versatz = QStringLiteral("Um die unterschiedliche Reaktionszeit der Rater auszugleichen, "
                                 "wurden die Zeitpunkte jedes Raters um den Versatz gegen den "
                                 "ersten Rater desselben Klienten verschoben, der unter allen "
                                 "Versätzen im Raster der Scheibenlänge im Bereich ±%1 die "
                                 "höchste zeitbasierte Übereinstimmung ergab.")
                      .arg(sek(v.suchbereich));
    else if (v.versatz != 0)
        versatz = QStringLiteral("Die Zeitpunkte jedes weiteren Raters eines Klienten wurden um "
                                 "%1 gegen den ersten verschoben.")
                      .arg(versatzText(v.versatz));
    else
        versatz = QStringLiteral("Die Zeitpunkte der Rater wurden nicht gegeneinander verschoben.");
    const E &e = s.gepoolt();
    QString text =
        QStringLiteral("Für jeden der %1 Klienten wurden die Bewertungen aller Rater paarweise "
                       "verglichen (%2 Paare aus %3 Verlaufsdateien), jeweils zeitbasiert und "
                       "ereignisbasiert. ")
            .arg(s.klienten().size())
            .arg(s.paare().size())
            .arg(s.dateien()) +
        scheibenSatz(v) + QLatin1Char(' ') + versatz + QLatin1Char(' ') + kennwertSatz() +
        QStringLiteral(" Die gepoolten Kennwerte beruhen auf den über alle Paare addierten "
                       "Kreuztabellen. ") +
        bootstrapSatz(v, QStringLiteral("aller Paare")) + QLatin1Char(' ') +
        ereignisSatz(v, e.ereignis(E::Kategorien).tabelle.summe(), VergleichsBericht::nurA(e),
                     VergleichsBericht::nurB(e));
    text += mehrAlsZwei
                ? QStringLiteral(" Für die Klienten mit drei oder mehr Ratern wurden zudem Fleiss' "
                                 "Kappa und Krippendorffs Alpha für nominale Daten über die "
                                 "Zeitscheiben der von allen Ratern bewerteten Zeit berechnet; "
                                 "Krippendorffs Alpha auch über alle Klienten zusammen.")
                : QStringLiteral(" Über alle Klienten zusammen wurde zudem Krippendorffs Alpha "
                                 "für nominale Daten auf den Zeitscheiben berechnet.");
    return text;
}

QString Methodentext::ergebnis(const Studie &s)
{
    const Kennwert alpha = s.mehrraterGesamt().krippendorffAlpha();
    return QStringLiteral("Über alle %1 Paare gepoolt: ").arg(s.paare().size()) +
           ergebnisSaetze(s.gepoolt()) +
           (alpha.definiert ? QStringLiteral(" Krippendorffs Alpha über alle Klienten: %1.")
                                  .arg(dezimal(alpha.wert, 2))
                            : QString());
}
