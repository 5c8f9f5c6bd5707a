#include "vergleichsbericht.h"

#include "ausgabeformat.h"
#include "ereignisabgleich.h"
#include "kategoriewerte.h"
#include "sprecherebene.h"

#include <QTextStream>

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
    aus << "  Intervalle: " << zeitMethode(v) << '\n';
    tabelle(aus, e.zeit(E::Kategorien).tabelle, QStringLiteral("Anzahl Scheiben"));
    sprecher(aus, e.zeit(E::Sprecher));

    const Kreuztabelle &gepaart = e.ereignis(E::Kategorien).tabelle;
    aus << "\nEreignisbasiert: " << kopf.ereignis << '\n';
    aus << "  Gepaarte Einheiten:           " << gepaart.summe() << '\n';
    aus << "  Nur bei A:                    " << nurA(e) << '\n';
    aus << "  Nur bei B:                    " << nurB(e) << '\n';
    kennzahlen(aus, e.ereignis(E::Kategorien), QStringLiteral("  "));
    aus << "  Intervalle: " << ereignisMethode() << '\n';
    tabelle(aus, gepaart, QStringLiteral("Anzahl gepaarter Einheiten"));
    sprecher(aus, e.ereignis(E::Sprecher));

    segmentierung(aus, e);
    jeKategorie(aus, e);
}

void VergleichsBericht::segmentierung(QTextStream &aus, const Vergleichsergebnis &e)
{
    using E = Vergleichsergebnis;
    const Kreuztabelle &t = e.segmentierung(E::Kategorien).tabelle;
    aus << "\nEreignisbasiert mit Segmentierung: jedes ungepaarte Ende zählt als Einheit, die\n"
           "der andere Rater mit der eigenen Kategorie \"ohne\" bewertet hat\n";
    aus << "  Einheiten:                    " << t.summe() << '\n';
    kennzahlen(aus, e.segmentierung(E::Kategorien), QStringLiteral("  "));
    aus << "  Intervalle: " << ereignisMethode() << '\n';
    aus << "  Ungepaarte Enden je Kategorie:\n";
    QString kopf = QStringLiteral("           ");
    QString zeileA = QStringLiteral("    nur A  ");
    QString zeileB = QStringLiteral("    nur B  ");
    for (int k = 1; k < Ereignisabgleich::Ohne; ++k) {
        kopf += t.kuerzel(k).rightJustified(8);
        zeileA += QString::number(t.anzahl(k, Ereignisabgleich::Ohne)).rightJustified(8);
        zeileB += QString::number(t.anzahl(Ereignisabgleich::Ohne, k)).rightJustified(8);
    }
    aus << kopf << '\n' << zeileA << '\n' << zeileB << '\n';
    sprecher(aus, e.segmentierung(E::Sprecher));
}

void VergleichsBericht::jeKategorie(QTextStream &aus, const Vergleichsergebnis &e)
{
    aus << "\nJe Kategorie: spezifische Übereinstimmung (spez.) und Kappa der Kategorie gegen\n"
           "alle übrigen (Kappa); \"–\": von keinem Rater vergeben\n";
    const auto zeile = [](const QString &name, const QStringList &gruppen) {
        return QStringLiteral("  ") + name.leftJustified(13) + gruppen.join(QStringLiteral("   "));
    };
    aus << QString(17, QLatin1Char(' ')) << QStringLiteral("zeitbasiert").leftJustified(18)
        << QStringLiteral("ereignisbasiert").leftJustified(18) << "mit Segmentierung\n";
    const QString spalten = QStringLiteral("  spez.   Kappa");
    aus << zeile(QString(), {spalten, spalten, spalten}) << '\n';
    for (const QStringList &z : kategorieZeilen(e)) {
        QStringList gruppen;
        for (int i = 1; i + 1 < z.size(); i += 2)
            gruppen << z[i].rightJustified(7) + z[i + 1].rightJustified(8);
        aus << zeile(z[0], gruppen) << '\n';
    }
}

QList<QStringList> VergleichsBericht::kategorieZeilen(const Vergleichsergebnis &e)
{
    using E = Vergleichsergebnis;
    QList<QStringList> zeilen;
    for (const E::Ebene ebene : {E::Kategorien, E::Sprecher}) {
        const Kreuztabelle &z = e.zeit(ebene).tabelle;
        for (int k = 1; k <= z.kategorien(); ++k) {
            QStringList zeile = {z.kuerzel(k)};
            for (const Kreuztabelle *t :
                 {&z, &e.ereignis(ebene).tabelle, &e.segmentierung(ebene).tabelle})
                zeile << zahlOderStrich(spezifischeUebereinstimmung(*t, k), 3)
                      << zahlOderStrich(kappaEineGegenRest(*t, k), 3);
            zeilen.append(zeile);
        }
    }
    return zeilen;
}
