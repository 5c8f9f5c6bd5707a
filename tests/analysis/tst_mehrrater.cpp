#include "mehrraterzaehlung.h"

#include <QTest>

// Fleiss' kappa and Krippendorff's alpha against the textbook examples.
class TestMehrrater : public QObject
{
    Q_OBJECT

private slots:
    void fleissLehrbuch();
    void krippendorffLehrbuchMitFehlendenWerten();
    void gewichtGleichWiederholung();
    void nichtDefiniert();
};

void TestMehrrater::fleissLehrbuch()
{
    // Fleiss' classic layout: 10 subjects, 14 raters, 5 categories; P-bar = 0.378,
    // Pe-bar = 0.213, kappa = 0.210.
    const std::vector<std::vector<int>> zeilen = {
        {0, 0, 0, 0, 14}, {0, 2, 6, 4, 2}, {0, 0, 3, 5, 6}, {0, 3, 9, 2, 0}, {2, 2, 8, 1, 1},
        {7, 7, 0, 0, 0},  {3, 2, 6, 3, 0}, {2, 5, 3, 2, 2}, {6, 5, 2, 1, 0}, {0, 2, 2, 3, 7}};
    Mehrraterzaehlung m(5);
    for (const std::vector<int> &z : zeilen)
        m.einheit(z);
    QCOMPARE(m.einheiten(), 10);
    QCOMPARE(m.rater(), 14);
    QVERIFY(m.fleissKappa().definiert);
    QVERIFY(qAbs(m.fleissKappa().wert - 0.20993070442) < 1e-9);
}

void TestMehrrater::krippendorffLehrbuchMitFehlendenWerten()
{
    // Krippendorff's worked example: 4 observers, 12 units, values 1 to 5, some missing
    // (0); nominal alpha = 0.743. Unit 12 has one value only and counts for nothing.
    const int werte[4][12] = {{1, 2, 3, 3, 2, 1, 4, 1, 2, 0, 0, 0},
                              {1, 2, 3, 3, 2, 2, 4, 1, 2, 5, 0, 3},
                              {0, 3, 3, 3, 2, 3, 4, 2, 2, 5, 1, 0},
                              {1, 2, 3, 3, 2, 4, 4, 1, 2, 5, 1, 0}};
    Mehrraterzaehlung m(5);
    for (int u = 0; u < 12; ++u) {
        std::vector<int> anzahl(5, 0);
        for (const auto &beobachter : werte) {
            if (beobachter[u] > 0)
                ++anzahl[size_t(beobachter[u] - 1)];
        }
        m.einheit(anzahl);
    }
    QVERIFY(qAbs(m.krippendorffAlpha().wert - 0.743421052631579) < 1e-12);
    // Units with missing values have fewer raters: Fleiss' kappa does not apply.
    QVERIFY(!m.fleissKappa().definiert);
}

void TestMehrrater::gewichtGleichWiederholung()
{
    // Runs of equal slices enter once with a weight; pooling adds up.
    Mehrraterzaehlung einzeln;
    Mehrraterzaehlung gewichtet;
    Mehrraterzaehlung teil;
    const std::vector<int> gleich = {3, 0, 0, 0, 0, 0, 0};
    const std::vector<int> uneinig = {1, 1, 0, 0, 0, 0, 1};
    for (int i = 0; i < 40; ++i)
        einzeln.einheit(gleich);
    for (int i = 0; i < 7; ++i)
        einzeln.einheit(uneinig);
    gewichtet.einheit(gleich, 40);
    teil.einheit(uneinig, 7);
    gewichtet += teil;
    QCOMPARE(gewichtet.einheiten(), einzeln.einheiten());
    QVERIFY(qAbs(gewichtet.fleissKappa().wert - einzeln.fleissKappa().wert) < 1e-12);
    QVERIFY(qAbs(gewichtet.krippendorffAlpha().wert - einzeln.krippendorffAlpha().wert) < 1e-12);
}

void TestMehrrater::nichtDefiniert()
{
    Mehrraterzaehlung leer;
    QVERIFY(!leer.fleissKappa().definiert);
    QVERIFY(!leer.krippendorffAlpha().definiert);
    Mehrraterzaehlung einig;
    einig.einheit({0, 0, 0, 0, 0, 0, 3}, 100);
    QVERIFY(!einig.fleissKappa().definiert);
    QVERIFY(!einig.krippendorffAlpha().definiert);
    QVERIFY(einig.krippendorffAlpha().grund.contains(QLatin1String("nur eine Kategorie")));
}

QTEST_GUILESS_MAIN(TestMehrrater)
#include "tst_mehrrater.moc"
