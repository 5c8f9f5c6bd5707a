#include "einschaetzung.h"
#include "kreuztabelle.h"

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

QTEST_GUILESS_MAIN(TestKreuztabelle)
#include "tst_kreuztabelle.moc"
