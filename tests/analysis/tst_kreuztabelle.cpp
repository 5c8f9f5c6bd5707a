#include "einschaetzung.h"
#include "kategoriewerte.h"
#include "kreuztabelle.h"
#include "sprecherebene.h"

#include <QTest>

class TestKreuztabelle : public QObject
{
    Q_OBJECT

private slots:
    void kappaUndAc1AusHandrechnung();
    void dominierendeKategorie();
    void kappaUndefiniertBeiEinerKategorie();
    void verschiedeneEinzelkategorien();
    void leereTabelle();
    void kategorienAusserhalbZaehlenNicht();
    void jeKategorie();
    void sprecherebeneFasstZusammen();
};

void TestKreuztabelle::kappaUndAc1AusHandrechnung()
{
    // A rows, B columns: TL/TL 20, TL/KL 5, KL/TL 10, KL/KL 15, n = 50.
    // Po = 35/50 = 0.7; A margins 25/25, B margins 30/20: Pe = (750 + 500)/2500 = 0.5,
    // kappa = 0.2/0.5 = 0.4. AC1: pi = 0.55, 0.45; Pe = 2 * 0.55 * 0.45 / 6 = 0.0825,
    // AC1 = 0.6175 / 0.9175.
    Kreuztabelle t;
    t.hinzufuegen(TL, TL, 20);
    t.hinzufuegen(TL, KL, 5);
    t.hinzufuegen(KL, TL, 10);
    t.hinzufuegen(KL, KL, 15);
    QCOMPARE(t.summe(), 50);
    QCOMPARE(t.zeilensumme(TL), 25);
    QCOMPARE(t.spaltensumme(TL), 30);
    QVERIFY(t.uebereinstimmung().definiert);
    QCOMPARE(t.uebereinstimmung().wert, 0.7);
    QVERIFY(t.kappa().definiert);
    QVERIFY(qAbs(t.kappa().wert - 0.4) < 1e-12);
    QVERIFY(qAbs(t.ac1().wert - 0.6175 / 0.9175) < 1e-12);
}

void TestKreuztabelle::dominierendeKategorie()
{
    // 90 % agreement on a rare second category: kappa falls below 0, AC1 stays high.
    // Pe = (47*48 + 3*2)/2500 = 0.9048; AC1's Pe = 2 * 0.95 * 0.05 / 6.
    Kreuztabelle t;
    t.hinzufuegen(TL, TL, 45);
    t.hinzufuegen(TL, KL, 2);
    t.hinzufuegen(KL, TL, 3);
    QVERIFY(qAbs(t.kappa().wert - (0.9 - 0.9048) / (1 - 0.9048)) < 1e-12);
    const double pe = 0.095 / 6;
    QVERIFY(qAbs(t.ac1().wert - (0.9 - pe) / (1 - pe)) < 1e-12);
}

void TestKreuztabelle::kappaUndefiniertBeiEinerKategorie()
{
    Kreuztabelle t;
    t.hinzufuegen(KNL, KNL, 12);
    const Kennwert k = t.kappa();
    QVERIFY(!k.definiert);
    QVERIFY(k.grund.contains(QLatin1String("KNL")));
    QCOMPARE(t.uebereinstimmung().wert, 1.0);
    QVERIFY(t.ac1().definiert);
    QCOMPARE(t.ac1().wert, 1.0);
}

void TestKreuztabelle::verschiedeneEinzelkategorien()
{
    // Each used one category, but not the same one: no agreement, kappa exactly 0.
    Kreuztabelle t;
    t.hinzufuegen(TL, KL, 8);
    QVERIFY(t.kappa().definiert);
    QCOMPARE(t.kappa().wert, 0.0);
}

void TestKreuztabelle::leereTabelle()
{
    const Kreuztabelle t;
    QVERIFY(!t.uebereinstimmung().definiert);
    QVERIFY(!t.kappa().definiert);
    QVERIFY(!t.ac1().definiert);
    QVERIFY(!t.kappa().grund.isEmpty());
}

void TestKreuztabelle::kategorienAusserhalbZaehlenNicht()
{
    Kreuztabelle t;
    t.hinzufuegen(0, TL);
    t.hinzufuegen(TL, 8);
    t.hinzufuegen(-1, -1);
    QCOMPARE(t.summe(), 0);
    QCOMPARE(t.anzahl(0, TL), 0);
}

void TestKreuztabelle::jeKategorie()
{
    //        B: TL  KL  NIX
    // A: TL     10   2    0
    //    KL      1   8    3
    //    NIX     1   0    5      n = 30
    Kreuztabelle t;
    t.hinzufuegen(TL, TL, 10);
    t.hinzufuegen(TL, KL, 2);
    t.hinzufuegen(KL, TL, 1);
    t.hinzufuegen(KL, KL, 8);
    t.hinzufuegen(KL, NIX, 3);
    t.hinzufuegen(NIX, TL, 1);
    t.hinzufuegen(NIX, NIX, 5);
    // Specific agreement 2 n_kk / (n_k. + n_.k): TL 20/24, KL 16/22, NIX 10/14.
    QVERIFY(qAbs(spezifischeUebereinstimmung(t, TL).wert - 20.0 / 24) < 1e-12);
    QVERIFY(qAbs(spezifischeUebereinstimmung(t, KL).wert - 16.0 / 22) < 1e-12);
    QVERIFY(qAbs(spezifischeUebereinstimmung(t, NIX).wert - 10.0 / 14) < 1e-12);
    // TL against the rest: TL/TL 10, TL/rest 2, rest/TL 2, rest/rest 16; po = 26/30,
    // pe = (12*12 + 18*18)/900 = .52, kappa = (26/30 - .52)/.48.
    QVERIFY(qAbs(kappaEineGegenRest(t, TL).wert - (26.0 / 30 - 0.52) / 0.48) < 1e-12);
    // NIX against the rest: 5, 1, 3, 21; pe = (6*8 + 24*22)/900 = .64.
    QVERIFY(qAbs(kappaEineGegenRest(t, NIX).wert - (26.0 / 30 - 0.64) / 0.36) < 1e-12);
    // A code neither rater used has no figure, rather than a perfect one.
    QVERIFY(!spezifischeUebereinstimmung(t, KU).definiert);
    QVERIFY(!kappaEineGegenRest(t, KU).definiert);
    QVERIFY(spezifischeUebereinstimmung(t, KU).grund.contains(QLatin1String("KU")));
}

void TestKreuztabelle::sprecherebeneFasstZusammen()
{
    // TL against TNL is a disagreement about the code, not about who speaks.
    Kreuztabelle t;
    t.hinzufuegen(TL, TNL, 4);
    t.hinzufuegen(TU, TL, 2);
    t.hinzufuegen(KL, KU, 3);
    t.hinzufuegen(KNL, TL, 1);
    t.hinzufuegen(NIX, NIX, 5);
    const Kreuztabelle s = sprecherebene(t);
    QCOMPARE(s.kategorien(), 3);
    QCOMPARE(s.alleKuerzel(), QStringList({"T", "K", "NIX"}));
    QCOMPARE(s.anzahl(1, 1), 6);
    QCOMPARE(s.anzahl(2, 2), 3);
    QCOMPARE(s.anzahl(2, 1), 1);
    QCOMPARE(s.anzahl(3, 3), 5);
    QCOMPARE(s.summe(), t.summe());
    QCOMPARE(s.uebereinstimmung().wert, 14.0 / 15);
    QCOMPARE(t.uebereinstimmung().wert, 5.0 / 15);

    // The segmentation table keeps its own category.
    Kreuztabelle mitOhne(QStringList(t.alleKuerzel()) << QStringLiteral("ohne"));
    mitOhne.hinzufuegen(TL, 8, 2);
    const Kreuztabelle s8 = sprecherebene(mitOhne);
    QCOMPARE(s8.kategorien(), 4);
    QCOMPARE(s8.anzahl(1, 4), 2);
    // AC1's chance term counts the categories of the scheme: 4 here, 7 in the full table.
    QVERIFY(s8.ac1Zufall() != mitOhne.ac1Zufall());
}

QTEST_GUILESS_MAIN(TestKreuztabelle)
#include "tst_kreuztabelle.moc"
