#include "einschaetzung.h"
#include "icc.h"
#include "kategoriewerte.h"
#include "kreuztabelle.h"
#include "mehrraterzaehlung.h"
#include "naeherungsintervall.h"
#include "sprecherebene.h"
#include "stuartmaxwell.h"

#include <QFileInfo>
#include <QProcess>
#include <QTest>

#include <random>

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
    void weitereKennwerteAusHandrechnung_data();
    void weitereKennwerteAusHandrechnung();
    void stuartMaxwellAusHandrechnung();
    void iccAusLehrbuch();
    void wieStatsmodels();
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

namespace {

Kreuztabelle tabelle(const QStringList &kuerzel, const std::vector<std::vector<int>> &n)
{
    Kreuztabelle t(kuerzel);
    for (size_t a = 0; a < n.size(); ++a) {
        for (size_t b = 0; b < n.size(); ++b)
            t.hinzufuegen(int(a + 1), int(b + 1), n[a][b]);
    }
    return t;
}

const QStringList drei = {QStringLiteral("L"), QStringLiteral("U"), QStringLiteral("NL")};
const std::vector<std::vector<int>> gestuft = {{10, 5, 0}, {2, 8, 3}, {0, 1, 11}};

} // namespace

void TestKreuztabelle::weitereKennwerteAusHandrechnung_data()
{
    QTest::addColumn<Kreuztabelle>("t");
    QTest::addColumn<double>("pabak");
    QTest::addColumn<double>("pi");
    QTest::addColumn<double>("bi");
    // 2 x 2: po = 0.85, PABAK = 2 po - 1; first category a = 40, b = 10, c = 5, d = 45.
    QTest::newRow("2 x 2") << tabelle({QStringLiteral("ja"), QStringLiteral("nein")},
                                      {{40, 10}, {5, 45}})
                           << 0.70 << -0.05 << 0.05;
    // 7 x 7: ten on each diagonal cell, TL/KL 20, KNL/NIX 10, n = 100, po = 0.7:
    // PABAK = (7 po - 1) / 6 = 0.65; TL: a = 10, b = 20, c = 0, d = 70.
    Kreuztabelle sieben;
    for (int k = TL; k <= NIX; ++k)
        sieben.hinzufuegen(k, k, 10);
    sieben.hinzufuegen(TL, KL, 20);
    sieben.hinzufuegen(KNL, NIX, 10);
    QTest::newRow("7 x 7") << sieben << 0.65 << -0.6 << 0.2;
}

void TestKreuztabelle::weitereKennwerteAusHandrechnung()
{
    QFETCH(Kreuztabelle, t);
    QFETCH(double, pabak);
    QFETCH(double, pi);
    QFETCH(double, bi);
    QVERIFY(qAbs(t.pabak().wert - pabak) < 1e-12);
    QVERIFY(qAbs(praevalenzIndex(t, 1).wert - pi) < 1e-12);
    QVERIFY(qAbs(biasIndex(t, 1).wert - bi) < 1e-12);
}

void TestKreuztabelle::stuartMaxwellAusHandrechnung()
{
    // d = (15 - 12, 13 - 14) = (3, -1); S = [[7, -7], [-7, 11]], det 28;
    // chi^2 = (9 * 11 - 2 * 3 * 7 + 7) / 28 = 64 / 28, df 2, p = exp(-chi^2 / 2).
    // Linear weights: observed disagreement 5.5 / 40, expected 712 / 1600.
    const Kreuztabelle t = tabelle(drei, gestuft);
    const StuartMaxwell sm(t);
    QVERIFY(qAbs(sm.chiQuadrat().wert - 64.0 / 28) < 1e-12);
    QCOMPARE(sm.freiheitsgrade(), 2);
    QVERIFY(qAbs(sm.p().wert - std::exp(-32.0 / 28)) < 1e-12);
    QCOMPARE(sm.groessteAbweichung(), 1);
    QCOMPARE(sm.abweichung(), 3);
    QVERIFY(qAbs(linearGewichtetesKappa(t).wert - (1 - 0.1375 / 0.445)) < 1e-12);
    // The chi-square tail against known values: df 1 at 3.841459 is 0.05, df 10 at 18.307.
    QVERIFY(qAbs(StuartMaxwell::oberesEnde(3.841459, 1) - 0.05) < 1e-6);
    QVERIFY(qAbs(StuartMaxwell::oberesEnde(18.307038, 10) - 0.05) < 1e-6);
    // No disagreement at all: nothing to test.
    QVERIFY(!StuartMaxwell(tabelle(drei, {{3, 0, 0}, {0, 4, 0}, {0, 0, 5}})).p().definiert);
}

void TestKreuztabelle::iccAusLehrbuch()
{
    // Shrout and Fleiss (1979), 6 targets by 4 judges; their ICC(2,1), McGraw and Wong's
    // ICC(A,1), is 0.29.
    const Icc icc(
        {{9, 2, 5, 8}, {6, 1, 3, 2}, {8, 4, 6, 8}, {7, 1, 2, 6}, {10, 5, 6, 9}, {6, 2, 4, 7}});
    QVERIFY(qAbs(icc.msr() - 11.24166667) < 1e-6);
    QVERIFY(qAbs(icc.msc() - 32.48611111) < 1e-6);
    QVERIFY(qAbs(icc.mse() - 1.01944444) < 1e-6);
    QVERIFY(qAbs(icc.wert().wert - 0.28976) < 1e-5);
    QVERIFY(!Icc({{1, 2}}).wert().definiert);
}

void TestKreuztabelle::wieStatsmodels()
{
    // An independent reference where the system has one: statsmodels for the weighted
    // kappa with its standard error, Stuart-Maxwell and Fleiss' kappa, numpy for the ICC.
    const QString python = QFileInfo::exists(QStringLiteral("/usr/bin/python3"))
                               ? QStringLiteral("/usr/bin/python3")
                               : QStringLiteral("python3");
    // A 5 x 5 table with a heavy diagonal; each row also gives one unit of seven raters'
    // codes for Fleiss' kappa and three raters' values for the ICC.
    std::mt19937 zufall(7);
    std::uniform_int_distribution<int> zahl(0, 30);
    std::vector<std::vector<int>> n(5, std::vector<int>(5));
    Mehrraterzaehlung fleiss(5);
    std::vector<std::vector<double>> werte;
    QString tab;
    QString einheiten;
    const auto liste = [](const std::vector<int> &z) {
        QStringList t;
        for (const int x : z)
            t << QString::number(x);
        return QLatin1Char('[') + t.join(QLatin1Char(',')) + QStringLiteral("],");
    };
    for (size_t a = 0; a < n.size(); ++a) {
        for (size_t b = 0; b < n.size(); ++b)
            n[a][b] = zahl(zufall) + (a == b ? 40 : 0);
        const std::vector<int> e = {n[a][0] % 4, n[a][1] % 3, 0, n[a][3] % 2,
                                    7 - n[a][0] % 4 - n[a][1] % 3 - n[a][3] % 2};
        fleiss.einheit(e);
        tab += liste(n[a]);
        einheiten += liste(e);
        werte.push_back({double(n[a][0]), double(n[a][1]), double(n[a][2])});
    }
    const QString skript =
        QStringLiteral(
            "import numpy as np\n"
            "from statsmodels.stats.inter_rater import cohens_kappa, fleiss_kappa\n"
            "from statsmodels.stats.contingency_tables import SquareTable\n"
            "t = np.array([%1])\n"
            "r = cohens_kappa(t, wt='linear')\n"
            "h = SquareTable(t, shift_zeros=False).homogeneity()\n"
            "x = t[:, :3].astype(float); n, k = x.shape; m = x.mean()\n"
            "msr = k * ((x.mean(1) - m) ** 2).sum() / (n - 1)\n"
            "msc = n * ((x.mean(0) - m) ** 2).sum() / (k - 1)\n"
            "mse = (((x - m) ** 2).sum() - msr * (n - 1) - msc * (k - 1)) / ((n - 1) * (k - 1))\n"
            "icc = (msr - mse) / (msr + (k - 1) * mse + k / n * (msc - mse))\n"
            "print(r.kappa, r.std_kappa, h.statistic, h.pvalue, fleiss_kappa(np.array([%2])), "
            "icc)\n")
            .arg(tab, einheiten);
    QProcess p;
    p.start(python, {QStringLiteral("-c"), skript});
    if (!p.waitForFinished(60000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0)
        QSKIP("python3 with numpy and statsmodels not available");
    const QStringList r =
        QString::fromUtf8(p.readAllStandardOutput()).simplified().split(QLatin1Char(' '));
    QCOMPARE(r.size(), 6);
    const QStringList fuenf = {QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c"),
                               QStringLiteral("d"), QStringLiteral("e")};
    const Kreuztabelle t = tabelle(fuenf, n);
    const Schaetzung gewichtet = gewichtetesKappaMitNaeherung(t);
    const StuartMaxwell sm(t);
    const double unsere[6] = {gewichtet.wert.wert,       gewichtet.intervall.standardfehler,
                              sm.chiQuadrat().wert,      sm.p().wert,
                              fleiss.fleissKappa().wert, Icc(werte).wert().wert};
    for (int i = 0; i < 6; ++i)
        QVERIFY2(qAbs(unsere[i] - r[i].toDouble()) < 1e-9,
                 qPrintable(QStringLiteral("%1: %2 statt %3").arg(i).arg(unsere[i]).arg(r[i])));
}

QTEST_GUILESS_MAIN(TestKreuztabelle)
#include "tst_kreuztabelle.moc"
