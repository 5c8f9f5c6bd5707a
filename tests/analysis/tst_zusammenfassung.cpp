#include "einschaetzung.h"
#include "testsitzung.h"
#include "zusammenfassung.h"

#include <QTest>

class TestZusammenfassung : public QObject
{
    Q_OBJECT

private slots:
    void zahlenAusHandrechnung();
    void anteileOhneNenner();
};

void TestZusammenfassung::zahlenAusHandrechnung()
{
    // KL 0-4.25, TL 4.25-70.003, TNL 70.003-80, TL 80-90: 90 s in four units.
    const Zusammenfassung z(testSitzung({{4.25, KL}, {70.003, TL}, {80, TNL}, {90, TL}}));
    QCOMPARE(z.einheiten(), 4);
    QCOMPARE(z.bewerteteZeit(), us(90));
    QCOMPARE(z.mittlereDauer().wert, 22.5e6);
    QCOMPARE(z.anzahl(TL), 2);
    QCOMPARE(z.dauer(TL), us(65.753 + 10));
    QCOMPARE(z.dauer(TNL), us(9.997));
    QCOMPARE(z.anzahl(NIX), 0);
    QVERIFY(qAbs(z.zeitanteil(TL).wert - 75.753 / 90) < 1e-12);
    QCOMPARE(z.zeitanteil(NIX).wert, 0.0);
    QVERIFY(qAbs(z.anteilNachAnzahl(TL, TNL).wert - 2.0 / 3) < 1e-12);
    QVERIFY(qAbs(z.anteilNachZeit(TL, TNL).wert - 75.753 / 85.75) < 1e-12);
    QCOMPARE(z.anteilNachAnzahl(KL, KNL).wert, 1.0);
}

void TestZusammenfassung::anteileOhneNenner()
{
    const Zusammenfassung leer(testSitzung({}));
    QCOMPARE(leer.einheiten(), 0);
    QVERIFY(!leer.mittlereDauer().definiert);
    QVERIFY(!leer.zeitanteil(TL).definiert);

    const Zusammenfassung nurPause(testSitzung({{12, NIX}}));
    const Kennwert k = nurPause.anteilNachZeit(KL, KNL);
    QVERIFY(!k.definiert);
    QVERIFY(k.grund.contains(QLatin1String("KL")));
}

QTEST_GUILESS_MAIN(TestZusammenfassung)
#include "tst_zusammenfassung.moc"
