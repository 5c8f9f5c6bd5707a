#include "einschaetzung.h"
#include "testsitzung.h"
#include "uebereinstimmung.h"
#include "versatzsuche.h"

#include <QTest>

class TestUebereinstimmung : public QObject
{
    Q_OBJECT

private slots:
    void scheibenAusHandrechnung();
    void grenzeAufScheibenmitte();
    void gemeinsameSpanne();
    void versatzWirdGenauGefunden_data();
    void versatzWirdGenauGefunden();
    void ohneBesserenVersatzBleibtNull();
    void sucheRechnetWieZeitscheiben();
    void festerVersatz();
};

void TestUebereinstimmung::scheibenAusHandrechnung()
{
    // A: TL until 1 s, KL until 2 s; B: TL until 1.5 s, KL until 2 s. Slices of 0.5 s with
    // midpoints 0.25, 0.75, 1.25, 1.75: A TL TL KL KL, B TL TL TL KL.
    const Sitzung a = testSitzung({{1.0, TL}, {2.0, KL}});
    const Sitzung b = testSitzung({{1.5, TL}, {2.0, KL}});
    const Zeitscheiben z(a, b, us(0.5));
    QCOMPARE(z.anzahl(), 4);
    QCOMPARE(z.tabelle().anzahl(TL, TL), 2);
    QCOMPARE(z.tabelle().anzahl(KL, TL), 1);
    QCOMPARE(z.tabelle().anzahl(KL, KL), 1);
    QCOMPARE(z.tabelle().uebereinstimmung().wert, 0.75);
    // Pe = (2*3 + 2*1)/16 = 0.5, kappa = (0.75 - 0.5)/0.5.
    QCOMPARE(z.tabelle().kappa().wert, 0.5);
}

void TestUebereinstimmung::grenzeAufScheibenmitte()
{
    // A unit ending exactly on a midpoint no longer holds it: the press closes the unit.
    const Sitzung a = testSitzung({{0.05, TL}, {0.2, KL}});
    const std::vector<int> k = Zeitscheiben::kategorien(a, 0, us(0.1), 2);
    QCOMPARE(k, std::vector<int>({KL, KL}));
}

void TestUebereinstimmung::gemeinsameSpanne()
{
    // Only the span both rated counts, in whole slices: 0 to 3.25 s gives 32 slices.
    const Sitzung a = testSitzung({{3.25, NIX}});
    const Sitzung b = testSitzung({{2.0, NIX}, {9.0, NIX}});
    const Zeitscheiben z(a, b, us(0.1));
    QCOMPARE(z.beginn(), 0);
    QCOMPARE(z.anzahl(), 32);
    QCOMPARE(z.ende(), us(3.2));
    QVERIFY(!z.tabelle().kappa().definiert);
    QCOMPARE(z.tabelle().ac1().wert, 1.0);

    const Zeitscheiben keine(a, b.verschoben(us(5)), us(0.1));
    QCOMPARE(keine.anzahl(), 0);
}

namespace {

Druecke beispielrater()
{
    Druecke d;
    double t = 5; // room for a rater who pressed earlier
    for (int i = 0; i < 120; ++i) {
        t += 1.5 + (i * 37 % 11) * 0.45;
        d.emplace_back(std::round(t * 1000) / 1000, 1 + (i * i + 3 * i) % 7);
    }
    return d;
}

} // namespace

void TestUebereinstimmung::versatzWirdGenauGefunden_data()
{
    QTest::addColumn<double>("lag");
    QTest::newRow("B 0.7 s später") << 0.7;
    QTest::newRow("B 2.3 s früher") << -2.3;
    QTest::newRow("gleichzeitig") << 0.0;
}

void TestUebereinstimmung::versatzWirdGenauGefunden()
{
    QFETCH(double, lag);
    const Druecke druecke = beispielrater();
    Druecke spaeter;
    for (const auto &[t, k] : druecke)
        spaeter.emplace_back(t + lag, k);
    const Sitzung a = testSitzung(druecke, QStringLiteral("a"));
    const Sitzung b = testSitzung(spaeter, QStringLiteral("b"));

    Vergleichseinstellungen e;
    e.versatzAutomatisch = true;
    const Uebereinstimmung u(a, b, e);
    QCOMPARE(u.versatz(), -us(lag));
    QCOMPARE(u.zeit().tabelle().uebereinstimmung().wert, 1.0);
    QCOMPARE(u.zeit().tabelle().kappa().wert, 1.0);
    QCOMPARE(int(u.ereignisse().paare().size()), int(druecke.size()));
    QCOMPARE(u.ereignisse().nurA(), 0);
    QCOMPARE(u.ereignisse().nurB(), 0);
    if (lag != 0.0)
        QVERIFY(u.ohneVersatz().wert < 1.0);
}

void TestUebereinstimmung::ohneBesserenVersatzBleibtNull()
{
    const Sitzung a = testSitzung({{10.0, TL}});
    Vergleichseinstellungen e;
    e.versatzAutomatisch = true;
    QCOMPARE(Uebereinstimmung(a, a, e).versatz(), 0);
}

void TestUebereinstimmung::sucheRechnetWieZeitscheiben()
{
    // The search compares label arrays at an offset; every candidate must give what a
    // full slice comparison of the shifted session gives, also off the grid.
    const Druecke druecke = beispielrater();
    Druecke anders;
    for (const auto &[t, k] : druecke)
        anders.emplace_back(t + 0.4 + std::fmod(t * 7.3, 1.0), k % 3 == 0 ? 1 + k % 7 : k);
    const Sitzung a = testSitzung(druecke);
    const Sitzung b = testSitzung(anders);
    const Versatzsuche suche(a, b, us(0.1));
    for (const qint64 v : {us(-3), us(-1.7), us(-0.1), qint64(0), us(0.25), us(0.9), us(3)}) {
        const Kennwert schnell = suche.uebereinstimmung(v);
        const Kennwert voll =
            Zeitscheiben(a, b.verschoben(v), us(0.1)).tabelle().uebereinstimmung();
        QVERIFY(schnell.definiert);
        QCOMPARE(schnell.wert, voll.wert);
    }
}

void TestUebereinstimmung::festerVersatz()
{
    // B pressed 1 s late: shifted by -1 s it starts before 00:00, which is not compared.
    const Sitzung a = testSitzung({{2.0, TL}, {4.0, KL}});
    const Sitzung b = testSitzung({{3.0, TL}, {5.0, KL}});
    Vergleichseinstellungen e;
    e.versatz = us(-1);
    const Uebereinstimmung u(a, b, e);
    QCOMPARE(u.b().beginn(), us(-1));
    QCOMPARE(u.zeit().beginn(), 0);
    QCOMPARE(u.zeit().anzahl(), 40);
    QCOMPARE(u.zeit().tabelle().uebereinstimmung().wert, 1.0);
    QCOMPARE(u.ohneVersatz().wert, 0.75);
}

QTEST_GUILESS_MAIN(TestUebereinstimmung)
#include "tst_uebereinstimmung.moc"
