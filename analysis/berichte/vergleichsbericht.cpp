#include "vergleichsbericht.h"

#include "ausgabeformat.h"
#include "ereignisabgleich.h"
#include "kategoriewerte.h"
#include "sitzungsbootstrap.h"
#include "sprecherebene.h"
#include "stuartmaxwell.h"

#include <QTextStream>

#include <cstdlib>

QString VergleichsBericht::zeitMethode(const Vergleichseinstellungen &v)
{
    if (v.wiederholungen <= 0)
        return QStringLiteral("keine (Bootstrap mit --bootstrap 0 abgeschaltet)");
    QString s = QStringLiteral("Bootstrap über ganze Sinneinheiten von A");
    if (v.block > 1)
        s += QStringLiteral(" in Blöcken zu %1 Einheiten").arg(v.block);
    return s + QStringLiteral(", %1 Wiederholungen, Startwert %2, Perzentilintervall")
                   .arg(v.wiederholungen)
                   .arg(v.startwert);
}

QString VergleichsBericht::sitzungsMethode(const Vergleichseinstellungen &v, int sitzungen)
{
    if (v.wiederholungen <= 0)
        return QStringLiteral("keine (Bootstrap mit --bootstrap 0 abgeschaltet)");
    QString s = QStringLiteral("Bootstrap über ganze Sitzungen (Klienten, alle Paare einer Sitzung "
                               "zusammen), %1 Sitzungen, %2 Wiederholungen, Startwert %3, "
                               "Perzentilintervall")
                    .arg(sitzungen)
                    .arg(v.wiederholungen)
                    .arg(v.startwert);
    if (sitzungen < Sitzungsbootstrap::WenigeSitzungen)
        s += QStringLiteral("; mit weniger als %1 Sitzungen grob")
                 .arg(Sitzungsbootstrap::WenigeSitzungen);
    return s;
}

QString VergleichsBericht::ereignisMethode()
{
    return QStringLiteral("Näherung für große Stichproben (Delta-Methode), Wert ± 1.96 SE");
}

qint64 VergleichsBericht::nurA(const Vergleichsergebnis &e)
{
    return e.segmentierung(Vergleichsergebnis::Kategorien)
        .tabelle.spaltensumme(Ereignisabgleich::Ohne);
}

qint64 VergleichsBericht::nurB(const Vergleichsergebnis &e)
{
    return e.segmentierung(Vergleichsergebnis::Kategorien)
        .tabelle.zeilensumme(Ereignisabgleich::Ohne);
}

void VergleichsBericht::kennzahlen(QTextStream &aus, const Kennzahlen &k,
                                   const QString &einrueckung)
{
    aus << einrueckung << "Prozentuale Übereinstimmung:  " << prozentText(k.uebereinstimmung)
        << '\n';
    aus << einrueckung << "Cohens Kappa:                 " << schaetzungText(k.kappa, 3) << '\n';
    aus << einrueckung << "Gwets AC1:                    " << schaetzungText(k.ac1, 3) << '\n';
    aus << einrueckung << "PABAK:                        " << schaetzungText(k.pabak, 3) << '\n';
}

void VergleichsBericht::sprecher(QTextStream &aus, const Kennzahlen &k)
{
    aus << "  Sprecherebene (T = TL, TNL, TU; K = KL, KNL, KU; NIX):\n";
    kennzahlen(aus, k, QStringLiteral("    "));
}

void VergleichsBericht::tabelle(QTextStream &aus, const Kreuztabelle &t, const QString &einheit)
{
    aus << "  Kreuztabelle (Zeilen A, Spalten B, " << einheit << "):\n";
    aus << matrixText([&](int a, int b) { return QString::number(t.anzahl(a, b)); }, 8,
                      QStringLiteral("    "), t.alleKuerzel());
}

void VergleichsBericht::text(QTextStream &aus, const Vergleichsergebnis &e,
                             const Vergleichseinstellungen &v, const Kopf &kopf)
{
    using E = Vergleichsergebnis;
    aus << "\nZeitbasiert: " << kopf.zeit << '\n';
    kennzahlen(aus, e.zeit(E::Kategorien), QStringLiteral("  "));
    aus << "  Intervalle: " << (kopf.intervalle.isEmpty() ? zeitMethode(v) : kopf.intervalle)
        << '\n';
    tabelle(aus, e.zeit(E::Kategorien).tabelle, QStringLiteral("Anzahl Scheiben"));
    sprecher(aus, e.zeit(E::Sprecher));

    const Kreuztabelle &gepaart = e.ereignis(E::Kategorien).tabelle;
    aus << "\nEreignisbasiert: " << kopf.ereignis << '\n';
    aus << "  Gepaarte Einheiten:           " << gepaart.summe() << '\n';
    aus << "  Nur bei A:                    " << nurA(e) << '\n';
    aus << "  Nur bei B:                    " << nurB(e) << '\n';
    kennzahlen(aus, e.ereignis(E::Kategorien), QStringLiteral("  "));
    aus << "  Intervalle: " << (kopf.intervalle.isEmpty() ? ereignisMethode() : kopf.intervalle)
        << '\n';
    aus << "  " << randhomogenitaet(gepaart, !kopf.intervalle.isEmpty()) << '\n';
    tabelle(aus, gepaart, QStringLiteral("Anzahl gepaarter Einheiten"));
    sprecher(aus, e.ereignis(E::Sprecher));

    segmentierung(aus, e, kopf);
    aus << "\nInnerhalb der Sprecher auf der Stufung L < U < NL, Kappa mit linearen Gewichten\n"
           "(in Klammern das ungewichtete Kappa derselben Tabelle):\n";
    for (const QString &z : innerhalbSprecher(e))
        aus << "  " << z << '\n';
    jeKategorie(aus, e);
}

void VergleichsBericht::segmentierung(QTextStream &aus, const Vergleichsergebnis &e,
                                      const Kopf &kopf)
{
    using E = Vergleichsergebnis;
    const Kreuztabelle &t = e.segmentierung(E::Kategorien).tabelle;
    aus << "\nEreignisbasiert mit Segmentierung: jedes ungepaarte Ende zählt als Einheit, die\n"
           "der andere Rater mit der eigenen Kategorie \"ohne\" bewertet hat\n";
    aus << "  Einheiten:                    " << t.summe() << '\n';
    kennzahlen(aus, e.segmentierung(E::Kategorien), QStringLiteral("  "));
    aus << "  Intervalle: " << (kopf.intervalle.isEmpty() ? ereignisMethode() : kopf.intervalle)
        << '\n';
    aus << "  Ungepaarte Enden je Kategorie:\n";
    QString spalten = QStringLiteral("           ");
    QString zeileA = QStringLiteral("    nur A  ");
    QString zeileB = QStringLiteral("    nur B  ");
    for (int k = 1; k < Ereignisabgleich::Ohne; ++k) {
        spalten += t.kuerzel(k).rightJustified(8);
        zeileA += QString::number(t.anzahl(k, Ereignisabgleich::Ohne)).rightJustified(8);
        zeileB += QString::number(t.anzahl(Ereignisabgleich::Ohne, k)).rightJustified(8);
    }
    aus << spalten << '\n' << zeileA << '\n' << zeileB << '\n';
    sprecher(aus, e.segmentierung(E::Sprecher));
}

void VergleichsBericht::jeKategorie(QTextStream &aus, const Vergleichsergebnis &e)
{
    aus << "\nJe Kategorie: spezifische Übereinstimmung (zeitb., ereign., Segm.), daneben Kappa\n"
           "der Kategorie gegen alle übrigen mit 95-%-KI; Prävalenz- (PI) und Bias-Index (BI)\n"
           "zeitbasiert; \"–\": von keinem Rater vergeben\n";
    QList<QStringList> zeilen = {kategorieKopf()};
    zeilen += kategorieZeilen(e);
    aus << spaltenText(zeilen, kategorieRechts(), QStringLiteral("  "));
}

QStringList VergleichsBericht::kategorieKopf()
{
    return {
        QStringLiteral("Kategorie"),  QStringLiteral("zeitb."),     QStringLiteral("Kappa [KI]"),
        QStringLiteral("ereign."),    QStringLiteral("Kappa [KI]"), QStringLiteral("Segm."),
        QStringLiteral("Kappa [KI]"), QStringLiteral("PI"),         QStringLiteral("BI")};
}

QList<bool> VergleichsBericht::kategorieRechts()
{
    return {false, true, true, true, true, true, true, true, true};
}

QList<QStringList> VergleichsBericht::kategorieZeilen(const Vergleichsergebnis &e)
{
    using E = Vergleichsergebnis;
    QList<QStringList> zeilen;
    for (const E::Ebene ebene : {E::Kategorien, E::Sprecher}) {
        if (ebene == E::Sprecher)
            zeilen.append({QStringLiteral("Sprecherebene")});
        const Kreuztabelle &z = e.zeit(ebene).tabelle;
        for (int k = 1; k <= z.kategorien(); ++k) {
            QStringList zeile = {z.kuerzel(k)};
            for (const Kennzahlen *n :
                 {&e.zeit(ebene), &e.ereignis(ebene), &e.segmentierung(ebene)})
                zeile << zahlOderStrich(spezifischeUebereinstimmung(n->tabelle, k), 3)
                      << wertMitIntervall(n->kategorieKappa[size_t(k - 1)], 2);
            zeile << zahlOderStrich(praevalenzIndex(z, k), 2) << zahlOderStrich(biasIndex(z, k), 2);
            zeilen.append(zeile);
        }
    }
    return zeilen;
}

QStringList VergleichsBericht::innerhalbSprecher(const Vergleichsergebnis &e)
{
    using E = Vergleichsergebnis;
    QStringList zeilen;
    const QStringList namen = {QStringLiteral("zeitbasiert"), QStringLiteral("ereignisbasiert")};
    for (const E::Ansicht a : {E::Zeit, E::Ereignis}) {
        const Kennzahlen &k = e.kennzahlen(a, E::Kategorien);
        QStringList teile;
        for (int s = 0; s < 2; ++s)
            teile << QStringLiteral("%1 %2 (%3)")
                         .arg(s == 0 ? QStringLiteral("Therapeut") : QStringLiteral("Klient"),
                              wertMitIntervall(k.gewichtet[size_t(s)], 3),
                              zahlOderStrich(k.nominal[size_t(s)], 3));
        zeilen << namen[a] + QStringLiteral(": ") + teile.join(QStringLiteral("; "));
    }
    return zeilen;
}

QString VergleichsBericht::randhomogenitaet(const Kreuztabelle &t, bool gepoolt)
{
    const StuartMaxwell sm(t);
    if (!sm.chiQuadrat().definiert)
        return QStringLiteral("Randhomogenität (Stuart-Maxwell): nicht bestimmbar (%1)")
            .arg(sm.chiQuadrat().grund);
    QString s = QStringLiteral("Randhomogenität (Stuart-Maxwell): Chi² = %1, df = %2, p = %3")
                    .arg(dezimal(sm.chiQuadrat().wert, 2))
                    .arg(sm.freiheitsgrade())
                    .arg(dezimal(sm.p().wert, 4));
    if (sm.groessteAbweichung() > 0)
        s += QStringLiteral("; größte Abweichung bei %1: A vergibt es %2-mal %3 als B")
                 .arg(t.kuerzel(sm.groessteAbweichung()))
                 .arg(std::abs(sm.abweichung()))
                 .arg(sm.abweichung() > 0 ? QStringLiteral("öfter") : QStringLiteral("seltener"));
    // The pairs of one session are not independent: the same caution as for the intervals.
    if (gepoolt)
        s += QStringLiteral(" (über alle Paare, deren Einheiten dabei als unabhängig gelten: p "
                            "eher zu klein)");
    return s;
}
