#include "bootstrap.h"
#include "einschaetzung.h"
#include "kreuztabelle.h"
#include "naeherungsintervall.h"
#include "sitzungsbootstrap.h"
#include "testsitzung.h"
#include "uebereinstimmung.h"

#include <QTest>

#include <random>

// Standard errors and intervals: worked examples, and simulations in which the interval
// must contain the true value about as often as it claims.
class TestIntervalle : public QObject
{
    Q_OBJECT

private slots:
    void naeherungAusHandrechnung();
    void naeherungOhneWert();
    void naeherungTrifftWahrenWert();
    void perzentil();
    void bootstrapTrifftWahrenWert();
    void bootstrapWiederholbar();
    void bootstrapUndefinierteWiederholungen();
    void sitzungsbootstrapTrifftWahrenWert();
};

namespace {

Kreuztabelle beispieltabelle()
{
    Kreuztabelle t;
    t.hinzufuegen(TL, TL, 20);
    t.hinzufuegen(TL, KL, 5);
    t.hinzufuegen(KL, TL, 10);
    t.hinzufuegen(KL, KL, 15);
    return t;
}

} // namespace

void TestIntervalle::naeherungAusHandrechnung()
{
    // n = 50, p(TL,TL) = .4, p(TL,KL) = .1, p(KL,TL) = .2, p(KL,KL) = .3; rows (A) .5/.5,
    // columns (B) .6/.4; po = .7, pe = .5, kappa = .4.
    // Var = [sum_i p_ii (1 - (p_i. + p_.i)(1 - k))^2 + (1 - k)^2 sum_i!=j p_ij (p_.i + p_j.)^2
    //        - (k - pe (1 - k))^2] / (n (1 - pe)^2)
    //     = [.4 (1 - 1.1 * .6)^2 + .3 (1 - .9 * .6)^2 + .36 (.1 * 1.1^2 + .2 * .9^2) - .1^2] / 12.5
    //     = [.04624 + .06348 + .10188 - .01] / 12.5 = .016128
    const Kreuztabelle t = beispieltabelle();
    const Schaetzung k = kappaMitNaeherung(t);
    QVERIFY(k.intervall.definiert);
    QVERIFY(qAbs(k.intervall.standardfehler - std::sqrt(0.016128)) < 1e-12);
    QVERIFY(qAbs(k.intervall.unten - (0.4 - 1.959964 * std::sqrt(0.016128))) < 1e-6);
    QVERIFY(qAbs(k.intervall.oben - (0.4 + 1.959964 * std::sqrt(0.016128))) < 1e-6);

    // AC1 over 7 categories: pi = .55 (TL), .45 (KL); pe = 2 * .55 * .45 / 6 = .0825,
    // AC1 = .6175 / .9175. Gwet's variance (1 / (n (1 - pe)^2)) * [sum p_kl (w_kl - 2 (1 - AC1)
    // (1 - (pi_k + pi_l) / 2) / 6)^2 - (po - 2 (1 - AC1) pe)^2] with w the identity.
    const double ac1 = 0.6175 / 0.9175;
    const double g = 2 * (1 - ac1) / 6;
    const double summe = 0.4 * std::pow(1 - g * (1 - 0.55), 2) + 0.1 * std::pow(g * (1 - 0.5), 2) +
                         0.2 * std::pow(g * (1 - 0.5), 2) + 0.3 * std::pow(1 - g * (1 - 0.45), 2);
    const double varianz =
        (summe - std::pow(0.7 - 2 * (1 - ac1) * 0.0825, 2)) / (50 * 0.9175 * 0.9175);
    const Schaetzung a = ac1MitNaeherung(t);
    QVERIFY(qAbs(a.wert.wert - ac1) < 1e-12);
    QVERIFY(qAbs(a.intervall.standardfehler - std::sqrt(varianz)) < 1e-12);
    QVERIFY(qAbs(a.intervall.standardfehler - 0.0706932) < 1e-6);

    // Perfect agreement near the upper end: the interval never passes 1.
    Kreuztabelle fast;
    fast.hinzufuegen(TL, TL, 9);
    fast.hinzufuegen(KL, KL, 9);
    fast.hinzufuegen(KL, TL, 1);
    QCOMPARE(kappaMitNaeherung(fast).intervall.oben, 1.0);
}

void TestIntervalle::naeherungOhneWert()
{
    Kreuztabelle nurNix;
    nurNix.hinzufuegen(NIX, NIX, 12);
    const Schaetzung k = kappaMitNaeherung(nurNix);
    QVERIFY(!k.intervall.definiert);
    QVERIFY(k.intervall.grund.contains(QLatin1String("NIX")));
    QVERIFY(!kappaMitNaeherung(Kreuztabelle()).intervall.definiert);
    // AC1 is 1 with no spread at all: a defined, degenerate interval.
    QCOMPARE(ac1MitNaeherung(nurNix).intervall.standardfehler, 0.0);
}

void TestIntervalle::naeherungTrifftWahrenWert()
{
    // Pairs drawn from a known joint distribution of three codes; its kappa and AC1 are
    // computed from the probabilities themselves.
    const double p[3][3] = {{0.30, 0.05, 0.02}, {0.06, 0.25, 0.04}, {0.03, 0.05, 0.20}};
    const int codes[3] = {TL, KL, NIX};
    Kreuztabelle wahr;
    for (int i = 0; i < 3; ++i) {
        for (int j = 0; j < 3; ++j)
            wahr.hinzufuegen(codes[i], codes[j], qint64(p[i][j] * 1e6));
    }
    std::mt19937_64 zufall(7);
    std::discrete_distribution<int> zelle({0.30, 0.05, 0.02, 0.06, 0.25, 0.04, 0.03, 0.05, 0.20});
    int kappaTreffer = 0;
    int ac1Treffer = 0;
    const int laeufe = 400;
    for (int l = 0; l < laeufe; ++l) {
        Kreuztabelle t;
        for (int n = 0; n < 120; ++n) {
            const int z = zelle(zufall);
            t.hinzufuegen(codes[z / 3], codes[z % 3]);
        }
        const Intervall k = kappaMitNaeherung(t).intervall;
        const Intervall a = ac1MitNaeherung(t).intervall;
        kappaTreffer += k.unten <= wahr.kappa().wert && wahr.kappa().wert <= k.oben ? 1 : 0;
        ac1Treffer += a.unten <= wahr.ac1().wert && wahr.ac1().wert <= a.oben ? 1 : 0;
    }
    // 95 % nominal; with 400 runs the share lies within .92 to .98 unless the formula is off.
    QVERIFY2(kappaTreffer >= 368 && kappaTreffer <= 392, qPrintable(QString::number(kappaTreffer)));
    QVERIFY2(ac1Treffer >= 368 && ac1Treffer <= 392, qPrintable(QString::number(ac1Treffer)));
}

void TestIntervalle::perzentil()
{
    // R: quantile(c(1, 2, 3, 4, 10), c(.025, .975)) gives 1.1 and 9.4.
    const std::vector<double> w = {1, 2, 3, 4, 10};
    QVERIFY(qAbs(Bootstrap::perzentil(w, 0.025) - 1.1) < 1e-12);
    QVERIFY(qAbs(Bootstrap::perzentil(w, 0.975) - 9.4) < 1e-12);
    QCOMPARE(Bootstrap::perzentil({5}, 0.975), 5.0);
}

namespace {

// Two raters of a simulated session: units of random length and code; B presses a little
// later and gives A's code with probability 0.8, otherwise a random one.
std::pair<Sitzung, Sitzung> simulierteSitzung(std::mt19937_64 &zufall, int einheiten)
{
    std::uniform_real_distribution<double> dauer(1.0, 9.0);
    std::uniform_real_distribution<double> verzoegerung(0.0, 0.6);
    std::uniform_real_distribution<double> wurf(0.0, 1.0);
    std::discrete_distribution<int> code({0.3, 0.1, 0.05, 0.25, 0.1, 0.05, 0.15});
    Druecke a;
    Druecke b;
    double t = 0;
    for (int i = 0; i < einheiten; ++i) {
        t += dauer(zufall);
        const int k = 1 + code(zufall);
        a.emplace_back(std::round(t * 1000) / 1000, k);
        const int kb = wurf(zufall) < 0.8 ? k : 1 + code(zufall);
        b.emplace_back(std::round((t + verzoegerung(zufall)) * 1000) / 1000, kb);
    }
    return {testSitzung(a, QStringLiteral("a")), testSitzung(b, QStringLiteral("b"))};
}

} // namespace

void TestIntervalle::bootstrapTrifftWahrenWert()
{
    std::mt19937_64 zufall(20261207);
    Vergleichseinstellungen e;
    e.wiederholungen = 0;
    // The true value: the same process over a very long session.
    const auto [langA, langB] = simulierteSitzung(zufall, 100000);
    const Uebereinstimmung lang(langA, langB, e);
    const double wahrKappa = lang.zeit().tabelle().kappa().wert;
    const double wahrAc1 = lang.zeit().tabelle().ac1().wert;

    e.wiederholungen = 400;
    int kappaTreffer = 0;
    int ac1Treffer = 0;
    const int laeufe = 100;
    for (int l = 0; l < laeufe; ++l) {
        const auto [a, b] = simulierteSitzung(zufall, 150);
        const Uebereinstimmung u(a, b, e);
        const Intervall k = u.ergebnis().zeit(Vergleichsergebnis::Kategorien).kappa.intervall;
        const Intervall c = u.ergebnis().zeit(Vergleichsergebnis::Kategorien).ac1.intervall;
        QVERIFY(k.definiert && c.definiert);
        QVERIFY(k.unten < k.oben && k.standardfehler > 0);
        kappaTreffer += k.unten <= wahrKappa && wahrKappa <= k.oben ? 1 : 0;
        ac1Treffer += c.unten <= wahrAc1 && wahrAc1 <= c.oben ? 1 : 0;
    }
    // About 95 of 100; a bootstrap over single slices instead of units would give far
    // narrower intervals and miss far more often.
    QVERIFY2(kappaTreffer >= 88, qPrintable(QString::number(kappaTreffer)));
    QVERIFY2(ac1Treffer >= 88, qPrintable(QString::number(ac1Treffer)));
}

void TestIntervalle::bootstrapWiederholbar()
{
    std::mt19937_64 zufall(3);
    const auto [a, b] = simulierteSitzung(zufall, 80);
    Vergleichseinstellungen e;
    e.wiederholungen = 200;
    const Intervall eins =
        Uebereinstimmung(a, b, e).ergebnis().zeit(Vergleichsergebnis::Kategorien).kappa.intervall;
    const Intervall zwei =
        Uebereinstimmung(a, b, e).ergebnis().zeit(Vergleichsergebnis::Kategorien).kappa.intervall;
    QCOMPARE(eins.unten, zwei.unten);
    QCOMPARE(eins.oben, zwei.oben);
    e.startwert = 2;
    const Intervall anders =
        Uebereinstimmung(a, b, e).ergebnis().zeit(Vergleichsergebnis::Kategorien).kappa.intervall;
    QVERIFY(anders.unten != eins.unten);

    // The same on one thread as on several.
    const Uebereinstimmung u(a, b, Vergleichseinstellungen());
    const Bootstrap::Statistik kappa = [](const Kreuztabelle &t) { return t.kappa(); };
    const Intervall einer = Bootstrap(u.bloecke(), 300, 9, 1).intervalle({kappa})[0];
    const Intervall drei = Bootstrap(u.bloecke(), 300, 9, 3).intervalle({kappa})[0];
    QCOMPARE(einer.unten, drei.unten);
    QCOMPARE(einer.oben, drei.oben);
    QCOMPARE(einer.standardfehler, drei.standardfehler);

    // Blocks of units: fewer, larger pieces, the same point estimate.
    e.block = 5;
    const Uebereinstimmung bloecke(a, b, e);
    QCOMPARE(bloecke.bloecke().anzahl(), size_t(16));
    QCOMPARE(bloecke.ergebnis().zeit(Vergleichsergebnis::Kategorien).kappa.wert.wert,
             Uebereinstimmung(a, b, Vergleichseinstellungen())
                 .ergebnis()
                 .zeit(Vergleichsergebnis::Kategorien)
                 .kappa.wert.wert);
}

void TestIntervalle::bootstrapUndefinierteWiederholungen()
{
    // Two long NIX units and one short TL unit: some resamples hold NIX only, where kappa
    // is 0/0; the interval says so instead of resting on the other resamples.
    const Sitzung a = testSitzung({{10, NIX}, {11, TL}, {20, NIX}});
    const Sitzung b = testSitzung({{10, NIX}, {11, TL}, {20, NIX}});
    Vergleichseinstellungen e;
    e.wiederholungen = 100;
    const Uebereinstimmung u(a, b, e);
    const Schaetzung k = u.ergebnis().zeit(Vergleichsergebnis::Kategorien).kappa;
    QCOMPARE(k.wert.wert, 1.0);
    QVERIFY(!k.intervall.definiert);
    QVERIFY2(k.intervall.grund.contains(QLatin1String("von 100 Wiederholungen")),
             qPrintable(k.intervall.grund));
    QVERIFY(u.ergebnis().zeit(Vergleichsergebnis::Kategorien).ac1.intervall.definiert);

    e.wiederholungen = 0;
    QVERIFY(!Uebereinstimmung(a, b, e)
                 .ergebnis()
                 .zeit(Vergleichsergebnis::Kategorien)
                 .ac1.intervall.definiert);
}

void TestIntervalle::sitzungsbootstrapTrifftWahrenWert()
{
    // Studies of 20 sessions whose raters' accuracy differs from session to session. The
    // true study value is the kappa of the expected pooled table (accuracy at its mean).
    const std::vector<double> anteil = {0.25, 0.1, 0.1, 0.25, 0.1, 0.1, 0.1};
    const auto tabelle = [&](double genau, double n) {
        Kreuztabelle t;
        for (int k = 1; k <= 7; ++k) {
            for (int l = 1; l <= 7; ++l)
                t.hinzufuegen(
                    k, l,
                    qint64(n * anteil[size_t(k - 1)] * ((k == l ? genau : 0.0) + (1 - genau) / 7)));
        }
        return t;
    };
    const double wahr = tabelle(0.675, 1e9).kappa().wert;

    std::mt19937_64 zufall(20261208);
    std::uniform_real_distribution<double> genauigkeit(0.4, 0.95);
    std::uniform_int_distribution<int> einheiten(100, 300);
    std::discrete_distribution<int> kategorie(anteil.begin(), anteil.end());
    std::uniform_real_distribution<double> wurf(0, 1);
    int treffer = 0;
    int naivTreffer = 0;
    const int studien = 150;
    for (int st = 0; st < studien; ++st) {
        std::vector<Sitzungsbootstrap::Anteil> sitzungen;
        Kreuztabelle gepoolt;
        for (int s = 0; s < 20; ++s) {
            const double genau = genauigkeit(zufall);
            Sitzungsbootstrap::Anteil a{
                {}, {}, Kreuztabelle(QStringList(8, QStringLiteral("x"))), Mehrraterzaehlung()};
            for (int n = einheiten(zufall); n > 0; --n) {
                const int k = 1 + kategorie(zufall);
                a.ereignis.hinzufuegen(k, wurf(zufall) < genau ? k : 1 + int(wurf(zufall) * 7));
            }
            gepoolt += a.ereignis;
            sitzungen.push_back(a);
        }
        const Intervall i =
            Sitzungsbootstrap(sitzungen, 300, quint64(st))
                .intervalle(1, [](const Sitzungsbootstrap::Anteil &a, std::vector<Kennwert> &w) {
                    w[0] = a.ereignis.kappa();
                })[0];
        QVERIFY(i.definiert && i.hinweis.isEmpty());
        treffer += i.unten <= wahr && wahr <= i.oben ? 1 : 0;
        const Intervall naiv = kappaMitNaeherung(gepoolt).intervall;
        naivTreffer += naiv.unten <= wahr && wahr <= naiv.oben ? 1 : 0;
    }
    // About 95 % (142 of 150); the units of all sessions taken as independent miss far
    // more often.
    QVERIFY2(treffer >= 132 && treffer <= 149, qPrintable(QString::number(treffer)));
    QVERIFY2(naivTreffer < 110, qPrintable(QString::number(naivTreffer)));
}

QTEST_GUILESS_MAIN(TestIntervalle)
#include "tst_intervalle.moc"
