#include "methodentext.h"

#include "ausgabeformat.h"
#include "sitzungsbootstrap.h"
#include "studie.h"
#include "uebereinstimmung.h"
#include "vergleichsbericht.h"

namespace {

using E = Vergleichsergebnis;

QString sek(qint64 us)
{
    // "0.1 s", "2 s": as short as the value allows.
    QString s = sekundenText(us);
    const QChar trenner = dezimalkomma() ? QLatin1Char(',') : QLatin1Char('.');
    while (s.contains(trenner) && (s.endsWith(QLatin1Char('0')) || s.endsWith(trenner)))
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

QString programmSatz()
{
    return QStringLiteral("Ausgewertet wurde mit morvanto-auswertung, Version %1.")
        .arg(QStringLiteral(MORVANTO_VERSION));
}

QString kennwertSatz()
{
    return QStringLiteral(
        "Berichtet werden die prozentuale Übereinstimmung, Cohens Kappa (Cohen, 1960), Gwets AC1 "
        "(Gwet, 2008) und das prävalenz- und biasbereinigte Kappa PABAK (Byrt, Bishop & Carlin, "
        "1993) über die sieben Kategorien sowie auf Sprecherebene (Therapeut, Klient, Pause), "
        "dazu je Kategorie die spezifische Übereinstimmung, Kappa der Kategorie gegen alle "
        "übrigen mit Konfidenzintervall sowie Prävalenz- und Bias-Index (Byrt, Bishop & Carlin, "
        "1993). Innerhalb jedes Sprechers wurde die geordnete Stufung lösungsorientiert, unklar, "
        "nicht lösungsorientiert zusätzlich mit linear gewichtetem Kappa ausgewertet; ob ein "
        "Rater eine Kategorie häufiger vergab als der andere, prüfte der Stuart-Maxwell-Test "
        "der Randhomogenität über die gepaarten Einheiten.");
}

QString kleinSatz()
{
    return QStringLiteral("Intervalle aus weniger als etwa 50 Einheiten (oder Blöcken) und auf "
                          "einen Punkt geschrumpfte Intervalle sind als wenig aussagekräftig "
                          "gekennzeichnet.");
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
                          "die %2 gepaarten Einheiten berechnet. Um "
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

QString naeherungSatz()
{
    return QStringLiteral("Die 95-%-Konfidenzintervalle der ereignisbasierten Kennwerte beruhen "
                          "auf den Standardfehlern für große Stichproben (Fleiss, Cohen & "
                          "Everitt, 1969; für AC1 Gwet, 2008).");
}

QString randSatz(const Studie &s)
{
    if (!s.einstellungen().versatzAutomatisch)
        return QString();
    return QStringLiteral(" Von den %1 gesuchten Versätzen lagen %2 am Rand des Suchbereichs%3.")
        .arg(s.versaetze())
        .arg(s.versaetzeAmRand())
        .arg(s.versaetzeAmRand() > 0
                 ? QStringLiteral("; dort kann der passende Versatz außerhalb liegen, und Paare "
                                  "zweier weiterer Rater, deren Versatz sich daraus ergeben "
                                  "hätte, wurden mit einem eigens gesuchten Versatz verglichen")
                 : QString());
}

QString sitzungSatz(const Studie &s)
{
    const Vergleichseinstellungen &v = s.einstellungen();
    if (v.wiederholungen <= 0)
        return QStringLiteral(" Für die Studie wurden keine Intervalle berechnet.");
    const int n = int(s.klienten().size());
    return QStringLiteral(
               " Die Paare eines Klienten teilen das Video und die Rater, und die Sitzungen "
               "unterscheiden sich; deshalb beruhen alle 95-%-Konfidenzintervalle der gepoolten "
               "Kennwerte, von Fleiss' Kappa und Krippendorffs Alpha über alle Klienten und der "
               "ICCs auf einem Bootstrap über ganze Sitzungen, der alle Paare einer Sitzung "
               "zusammen zieht (%1 Sitzungen, %2 Wiederholungen, Perzentilintervall, Startwert "
               "%3)%4. Die Intervalle je Paar beruhen zeitbasiert auf einem Bootstrap über ganze "
               "Sinneinheiten, ereignisbasiert auf den Standardfehlern für große Stichproben "
               "(Fleiss, Cohen & Everitt, 1969; Gwet, 2008).")
        .arg(n)
        .arg(v.wiederholungen)
        .arg(v.startwert)
        .arg(n < Sitzungsbootstrap::WenigeSitzungen
                 ? QStringLiteral("; bei nur %1 Sitzungen sind diese Intervalle grob").arg(n)
                 : QString());
}

QString kurz(const Schaetzung &s)
{
    if (!s.wert.definiert)
        return QStringLiteral("nicht definiert");
    QString t = dezimal(s.wert.wert, 2);
    if (s.intervall.definiert)
        t += QStringLiteral(" (95-%-KI [%1%2%3])")
                 .arg(dezimal(s.intervall.unten, 2), zahlentrenner(), dezimal(s.intervall.oben, 2));
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
    return programmSatz() + QLatin1Char(' ') +
           QStringLiteral("Die Übereinstimmung der beiden Rater wurde zeitbasiert und "
                          "ereignisbasiert bestimmt. ") +
           scheibenSatz(v) +
           QStringLiteral(" Gemeinsam bewertet waren %1 bis %2 (%3 Scheiben). ")
               .arg(zeitText(u.zeit().beginn()), zeitText(u.zeit().ende()))
               .arg(u.zeit().anzahl()) +
           versatz + QLatin1Char(' ') + kennwertSatz() + QLatin1Char(' ') +
           bootstrapSatz(v, QStringLiteral("von Rater A")) + QLatin1Char(' ') +
           ereignisSatz(v, e.ereignis(E::Kategorien).tabelle.summe(), VergleichsBericht::nurA(e),
                        VergleichsBericht::nurB(e)) +
           QLatin1Char(' ') + naeherungSatz() + QLatin1Char(' ') + kleinSatz();
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
    return programmSatz() +
           QStringLiteral(" Für jeden der %1 Klienten wurden die Bewertungen aller Rater "
                          "paarweise verglichen (%2 Paare aus %3 Verlaufsdateien), jeweils "
                          "zeitbasiert und ereignisbasiert. ")
               .arg(s.klienten().size())
               .arg(s.paare().size())
               .arg(s.dateien()) +
           scheibenSatz(v) + QLatin1Char(' ') + versatz + randSatz(s) + QLatin1Char(' ') +
           kennwertSatz() +
           QStringLiteral(" Die gepoolten Kennwerte beruhen auf den über alle Paare addierten "
                          "Kreuztabellen. ") +
           ereignisSatz(v, e.ereignis(E::Kategorien).tabelle.summe(), VergleichsBericht::nurA(e),
                        VergleichsBericht::nurB(e)) +
           QStringLiteral(
               " Über die von allen Ratern eines Klienten bewertete Zeit wurden Fleiss' Kappa "
               "(Fleiss, 1971) und Krippendorffs Alpha für nominale Daten (Krippendorff, 2004) "
               "berechnet, je Klient (Intervall aus einem Bootstrap über ganze Sinneinheiten "
               "des ersten Raters) und über alle Klienten zusammen. Für die Größen, die Studien "
               "auswerten "
               "(Zahl der Sinneinheiten, bewertete Dauer, Zeitanteile TL/(TL+TNL) und "
               "KL/(KL+KNL)), gibt die Intraklassenkorrelation ICC(A,1) (zweifaktoriell, "
               "absolute Übereinstimmung; McGraw & Wong, 1996) über die ersten %1 Rater jeder "
               "Sitzung die Übereinstimmung an, das Bland-Altman-Diagramm (Bland & Altman, "
               "1986) die Abweichungen der ersten beiden Rater.")
               .arg(s.groessen().rater()) +
           sitzungSatz(s) + QLatin1Char(' ') + kleinSatz();
}

QString Methodentext::ergebnis(const Studie &s)
{
    QString text = QStringLiteral("Über alle %1 Paare gepoolt: ").arg(s.paare().size()) +
                   ergebnisSaetze(s.gepoolt());
    if (s.alpha().wert.definiert)
        text += QStringLiteral(" Krippendorffs Alpha über alle Klienten: %1").arg(kurz(s.alpha()));
    if (s.fleiss().wert.definiert)
        text += QStringLiteral(", Fleiss' Kappa %1").arg(kurz(s.fleiss()));
    text += QLatin1Char('.');
    QStringList icc;
    for (const Sitzungsgroessen::Groesse &g : s.groessen().groessen())
        icc << QStringLiteral("%1 %2").arg(g.name, kurz(g.icc));
    return text + QStringLiteral(" ICC(A,1): ") + icc.join(QStringLiteral("; ")) + QLatin1Char('.');
}

QString Methodentext::quellen()
{
    return QStringLiteral(
        "Bland, J. M. & Altman, D. G. (1986). Statistical methods for assessing agreement "
        "between two methods of clinical measurement. Lancet, 327, 307–310.\n"
        "Byrt, T., Bishop, J. & Carlin, J. B. (1993). Bias, prevalence and kappa. Journal of "
        "Clinical Epidemiology, 46, 423–429.\n"
        "Cohen, J. (1960). A coefficient of agreement for nominal scales. Educational and "
        "Psychological Measurement, 20, 37–46.\n"
        "Fleiss, J. L. (1971). Measuring nominal scale agreement among many raters. "
        "Psychological Bulletin, 76, 378–382.\n"
        "Fleiss, J. L., Cohen, J. & Everitt, B. S. (1969). Large sample standard errors of "
        "kappa and weighted kappa. Psychological Bulletin, 72, 323–327.\n"
        "Gwet, K. L. (2008). Computing inter-rater reliability and its variance in the presence "
        "of high agreement. British Journal of Mathematical and Statistical Psychology, 61, "
        "29–48.\n"
        "Krippendorff, K. (2004). Content analysis: An introduction to its methodology "
        "(2nd ed.).\n"
        "McGraw, K. O. & Wong, S. P. (1996). Forming inferences about some intraclass "
        "correlation coefficients. Psychological Methods, 1, 30–46.");
}
