#include "einschaetzung.h"
#include "ereignisabgleich.h"
#include "testsitzung.h"

#include <QTest>

class TestEreignisabgleich : public QObject
{
    Q_OBJECT

private slots:
    void eineEinheitFehlt();
    void meistePaareStattNaechsterNachbar();
    void toleranzGrenze();
    void endenAusserhalbDerGemeinsamenSpanne();
    void ungepaarteAlsEigeneKategorie();
};

void TestEreignisabgleich::eineEinheitFehlt()
{
    // B missed A's press at 4 s. The end 2.3 could pair with 2 or 4 (both within 2 s);
    // the pairing with the smaller difference wins, so 4 stays alone.
    const Sitzung a = testSitzung({{2, TL}, {4, KL}, {6, TL}, {8, KL}});
    const Sitzung b = testSitzung({{2.3, TL}, {6.2, TL}, {8.1, KL}});
    const Ereignisabgleich e(a, b, us(2), 0, us(8));
    QCOMPARE(e.paare().size(), size_t(3));
    QCOMPARE(e.paare()[0].a, 0);
    QCOMPARE(e.paare()[0].b, 0);
    QCOMPARE(e.paare()[1].a, 2);
    QCOMPARE(e.paare()[1].b, 1);
    QCOMPARE(e.paare()[2].a, 3);
    QCOMPARE(e.paare()[2].b, 2);
    QCOMPARE(e.nurA(), 1);
    QCOMPARE(e.nurB(), 0);
    QCOMPARE(e.tabelle().anzahl(TL, TL), 2);
    QCOMPARE(e.tabelle().anzahl(KL, KL), 1);
    QCOMPARE(e.tabelle().kappa().wert, 1.0);
}

void TestEreignisabgleich::meistePaareStattNaechsterNachbar()
{
    // Closest first would pair 3.0 with 2.9 and leave both others alone; the alignment
    // pairs 2.0-2.9 and 3.0-4.5 instead.
    const Sitzung a = testSitzung({{2.0, TL}, {3.0, KL}});
    const Sitzung b = testSitzung({{2.9, TL}, {4.5, KNL}});
    const Ereignisabgleich e(a, b, us(1.6), 0, us(3));
    QCOMPARE(e.paare().size(), size_t(2));
    QCOMPARE(e.tabelle().anzahl(TL, TL), 1);
    QCOMPARE(e.tabelle().anzahl(KL, KNL), 1);
    QCOMPARE(e.tabelle().uebereinstimmung().wert, 0.5);
}

void TestEreignisabgleich::toleranzGrenze()
{
    const Sitzung a = testSitzung({{5.0, TL}, {10.0, TL}});
    const Sitzung b = testSitzung({{6.0, TL}, {11.001, TL}});
    const Ereignisabgleich e(a, b, us(1), 0, us(10));
    QCOMPARE(e.paare().size(), size_t(1)); // 1 s is within, 1.001 s is not
    QCOMPARE(e.nurA(), 1);
    QCOMPARE(e.nurB(), 0); // 11.001 lies after the shared span
}

void TestEreignisabgleich::endenAusserhalbDerGemeinsamenSpanne()
{
    // A rated far longer than B: A's later units are no disagreement.
    const Sitzung a = testSitzung({{2, TL}, {4, KL}, {30, TL}, {60, KL}});
    const Sitzung b = testSitzung({{2, TL}, {4, KL}});
    const Ereignisabgleich e(a, b, us(2), 0, us(4));
    QCOMPARE(e.paare().size(), size_t(2));
    QCOMPARE(e.nurA(), 0);
    QCOMPARE(e.nurB(), 0);
}

void TestEreignisabgleich::ungepaarteAlsEigeneKategorie()
{
    // The example above: paired TL/TL twice and KL/KL once, A's KL at 4 s unpaired, and
    // B's NIX at 9.5 s (inside the span A rated, 0.5 s from A's 10 s) unpaired too.
    const Sitzung a = testSitzung({{2, TL}, {4, KL}, {6, TL}, {8, KL}, {10, TL}});
    const Sitzung b = testSitzung({{2.3, TL}, {6.2, TL}, {8.1, KL}, {9.5, NIX}});
    const Ereignisabgleich e(a, b, us(0.4), 0, us(9.5));
    QCOMPARE(e.ungepaartA(), std::vector<int>({1}));
    QCOMPARE(e.ungepaartB(), std::vector<int>({3}));
    QCOMPARE(e.tabelle().kappa().wert, 1.0);

    // n = 5, po = 3/5. Rows (A): TL 2, KL 2, ohne 1; columns (B): TL 2, KL 1, NIX 1, ohne 1.
    // pe = (2*2 + 2*1 + 0*1 + 1*1) / 25 = 7/25, kappa = (15/25 - 7/25) / (18/25) = 8/18.
    const Kreuztabelle &s = e.tabelleMitSegmentierung();
    QCOMPARE(s.kategorien(), 8);
    QCOMPARE(s.kuerzel(Ereignisabgleich::Ohne), QStringLiteral("ohne"));
    QCOMPARE(s.anzahl(KL, Ereignisabgleich::Ohne), 1);
    QCOMPARE(s.anzahl(Ereignisabgleich::Ohne, NIX), 1);
    QCOMPARE(s.summe(), 5);
    QCOMPARE(s.uebereinstimmung().wert, 0.6);
    QVERIFY(qAbs(s.kappa().wert - 8.0 / 18.0) < 1e-12);
}

QTEST_GUILESS_MAIN(TestEreignisabgleich)
#include "tst_ereignisabgleich.moc"
