#include "einschaetzung.h"
#include "testsitzung.h"
#include "uebergaenge.h"

#include <QTest>

#include <cmath>

class TestUebergaenge : public QObject
{
    Q_OBJECT

private slots:
    void residuenAusHandrechnung();
    void dateienWerdenNichtVerkettet();
    void leer();
};

namespace {

bool nahe(const Kennwert &k, double soll)
{
    return k.definiert && std::abs(k.wert - soll) < 1e-9;
}

} // namespace

void TestUebergaenge::residuenAusHandrechnung()
{
    // TL KL TL KL TL KNL TL KL: 7 transitions. TL->KL 3, TL->KNL 1, KL->TL 2, KNL->TL 1.
    // Rows TL 4, KL 2, KNL 1; columns TL 3, KL 3, KNL 1.
    // TL->KL: e = 12/7, var = 12/7 * 3/7 * 4/7, z = (3 - 12/7) / sqrt(var) = 0.75 * sqrt(7).
    // TL->TL: z = -(12/7) / sqrt(var) = -sqrt(7).
    // KL->TL: e = 6/7, var = 6/7 * 5/7 * 4/7, z = (8/7) / sqrt(var) = 8 sqrt(7) / sqrt(120).
    Uebergaenge u;
    u.hinzufuegen(
        testSitzung({{1, TL}, {2, KL}, {3, TL}, {4, KL}, {5, TL}, {6, KNL}, {7, TL}, {8, KL}}));
    const Kreuztabelle &t = u.tabelle();
    QCOMPARE(t.summe(), 7);
    QCOMPARE(t.anzahl(TL, KL), 3);
    QCOMPARE(t.anzahl(TL, KNL), 1);
    QCOMPARE(t.anzahl(KL, TL), 2);
    QCOMPARE(t.anzahl(KNL, TL), 1);

    QVERIFY(nahe(u.wahrscheinlichkeit(TL, KL), 0.75));
    QVERIFY(nahe(u.wahrscheinlichkeit(KL, TL), 1.0));
    QVERIFY(nahe(u.erwartet(TL, KL), 12.0 / 7));
    QVERIFY(nahe(u.residuum(TL, KL), 0.75 * std::sqrt(7.0)));
    QVERIFY(nahe(u.residuum(TL, TL), -std::sqrt(7.0)));
    QVERIFY(nahe(u.residuum(KL, TL), 8 * std::sqrt(7.0) / std::sqrt(120.0)));
    QVERIFY(nahe(u.residuum(KNL, TL), 1.247219128924647));
    QVERIFY(nahe(u.residuum(TL, KNL), 0.9354143466934854));

    // Categories that never occur: no probability, no residual, and no NaN.
    QVERIFY(!u.wahrscheinlichkeit(TU, TL).definiert);
    QVERIFY(!u.residuum(TU, TL).definiert);
    QVERIFY(!u.residuum(TL, NIX).definiert);
}

void TestUebergaenge::dateienWerdenNichtVerkettet()
{
    Uebergaenge u;
    u.hinzufuegen(testSitzung({{1, TL}, {2, KL}}));
    u.hinzufuegen(testSitzung({{1, KNL}, {2, TL}}));
    QCOMPARE(u.tabelle().summe(), 2);
    QCOMPARE(u.tabelle().anzahl(TL, KL), 1);
    QCOMPARE(u.tabelle().anzahl(KNL, TL), 1);
    QCOMPARE(u.tabelle().anzahl(KL, KNL), 0);
}

void TestUebergaenge::leer()
{
    Uebergaenge u;
    u.hinzufuegen(testSitzung({{3, TL}}));
    QCOMPARE(u.tabelle().summe(), 0);
    QVERIFY(!u.erwartet(TL, TL).definiert);
    QVERIFY(!u.residuum(TL, TL).definiert);
}

QTEST_GUILESS_MAIN(TestUebergaenge)
#include "tst_uebergaenge.moc"
