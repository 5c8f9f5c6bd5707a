#include "einschaetzung.h"
#include "studie.h"
#include "studienaufbau.h"
#include "studiendateien.h"
#include "testsitzung.h"
#include "verlaufleser.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

// A study folder: files paired by their names, every pair compared, figures pooled.
class TestStudie : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void paarungNachNamen();
    void fehlerDerPaarung();
    void paareWieEinzelvergleich();
    void dreiRater();
    void abgeleiteterVersatzAmRand();
    void jederKennwertInSeinemIntervall();

private:
    void datei(const QString &name, const QString &klient, const QString &rater, const Druecke &d);
    std::vector<Sitzung> lesen(const QStringList &dateien);
    // The folder's files read and grouped: the sessions, and the study over them.
    std::pair<std::vector<Sitzung>, std::unique_ptr<Studie>>
    studieAusOrdner(const Vergleichseinstellungen &e);

    std::unique_ptr<QTemporaryDir> dir_;
};

namespace {

Druecke rater(double versatz, int anders)
{
    Druecke d;
    for (int i = 1; i <= 40; ++i)
        d.emplace_back(i * 3.0 + versatz, i % anders == 0 ? KNL : 1 + i % 7);
    return d;
}

} // namespace

void TestStudie::init()
{
    dir_ = std::make_unique<QTemporaryDir>();
}

void TestStudie::datei(const QString &name, const QString &klient, const QString &rater,
                       const Druecke &d)
{
    QVERIFY(testDateiSchreiben(dir_->filePath(name), testVerlauf(d), klient, rater));
}

std::vector<Sitzung> TestStudie::lesen(const QStringList &dateien)
{
    std::vector<Sitzung> s;
    for (const QString &d : dateien) {
        VerlaufLeser leser;
        if (!leser.lesen(d))
            qFatal("%s", qPrintable(leser.fehler()));
        s.push_back(leser.sitzung());
    }
    return s;
}

std::pair<std::vector<Sitzung>, std::unique_ptr<Studie>>
TestStudie::studieAusOrdner(const Vergleichseinstellungen &e)
{
    Studiendateien dateien;
    if (!dateien.sammeln({dir_->path()}))
        qFatal("%s", qPrintable(dateien.fehler()));
    std::vector<Sitzung> s = lesen(dateien.dateien());
    Studienaufbau aufbau;
    if (!aufbau.aufbauen(s))
        qFatal("%s", qPrintable(aufbau.fehler()));
    auto studie = std::make_unique<Studie>(s, aufbau.gruppen(), e);
    return {std::move(s), std::move(studie)};
}

void TestStudie::paarungNachNamen()
{
    datei(QStringLiteral("k17_anna_Verlauf.dat"), QStringLiteral("k17"), QStringLiteral("anna"),
          rater(0, 5));
    datei(QStringLiteral("K17_Bert_Verlauf.dat"), QStringLiteral("k71"), QStringLiteral("Bert"),
          rater(0.5, 6));
    // A rater with "_" in the name: the lines tell where the client ends.
    datei(QStringLiteral("k_21_anna_m_Verlauf.dat"), QStringLiteral("k_21"),
          QStringLiteral("anna_m"), rater(0, 5));
    datei(QStringLiteral("k_21_bert_Verlauf.dat"), QStringLiteral("k_21"), QStringLiteral("bert"),
          rater(0, 5));
    datei(QStringLiteral("k30_solo_Verlauf.dat"), QStringLiteral("k30"), QStringLiteral("solo"),
          rater(0, 5));
    datei(QStringLiteral("SIKO_20261207_101010_Verlauf.dat"), QStringLiteral("k17"),
          QStringLiteral("carl"), rater(0, 5));
    datei(QStringLiteral("k17_anna_Info.dat"), QStringLiteral("k17"), QStringLiteral("anna"), {});
    QVERIFY(QDir(dir_->path()).mkdir(QStringLiteral("leer")));

    Studiendateien dateien;
    QVERIFY(dateien.sammeln({dir_->path(), dir_->filePath(QStringLiteral("leer"))}));
    QCOMPARE(dateien.dateien().size(), 5);
    QCOMPARE(dateien.warnungen().size(), 2);
    QVERIFY(dateien.warnungen()[0].contains(QLatin1String("SIKO_20261207_101010_Verlauf.dat ist "
                                                          "eine Sicherungskopie")));
    QVERIFY(dateien.warnungen()[1].contains(QLatin1String("keine Verlaufsdatei")));

    Studienaufbau aufbau;
    QVERIFY2(aufbau.aufbauen(lesen(dateien.dateien())), qPrintable(aufbau.fehler()));
    QCOMPARE(aufbau.gruppen().size(), size_t(2));
    // Clients compare without regard to case; raters come in alphabetical order.
    QCOMPARE(aufbau.gruppen()[0].klient, QStringLiteral("k17"));
    QCOMPARE(aufbau.gruppen()[0].rater, QStringList({"anna", "Bert"}));
    QCOMPARE(aufbau.gruppen()[1].klient, QStringLiteral("k_21"));
    QCOMPARE(aufbau.gruppen()[1].rater, QStringList({"anna_m", "bert"}));
    const QString warnungen = aufbau.warnungen().join(QLatin1Char('\n'));
    QVERIFY2(warnungen.contains(QLatin1String("k30 hat nur einen Rater")), qPrintable(warnungen));
    QVERIFY2(warnungen.contains(QLatin1String("K17_Bert_Verlauf.dat nennt \"k71\"")),
             qPrintable(warnungen));
    QCOMPARE(aufbau.warnungen().size(), 2);
}

void TestStudie::fehlerDerPaarung()
{
    datei(QStringLiteral("k1_anna_Verlauf.dat"), QStringLiteral("k1"), QStringLiteral("anna"),
          rater(0, 5));
    QVERIFY(QDir(dir_->path()).mkdir(QStringLiteral("zweite")));
    datei(QStringLiteral("zweite/k1_ANNA_Verlauf.dat"), QStringLiteral("k1"),
          QStringLiteral("ANNA"), rater(0, 5));
    datei(QStringLiteral("sitzung.dat"), QStringLiteral("k1"), QStringLiteral("x"), rater(0, 5));

    Studienaufbau doppelt;
    QVERIFY(
        !doppelt.aufbauen(lesen({dir_->filePath(QStringLiteral("k1_anna_Verlauf.dat")),
                                 dir_->filePath(QStringLiteral("zweite/k1_ANNA_Verlauf.dat"))})));
    QVERIFY2(doppelt.fehler().contains(QLatin1String("kommt zweimal vor")),
             qPrintable(doppelt.fehler()));

    Studienaufbau fremd;
    QVERIFY(!fremd.aufbauen(lesen({dir_->filePath(QStringLiteral("sitzung.dat"))})));
    QVERIFY(fremd.fehler().contains(QLatin1String("<Klient>_<Rater>_Verlauf.dat: ")));

    QVERIFY(QDir(dir_->path()).mkpath(QStringLiteral("zweite/leer")));
    Studiendateien nichts;
    QVERIFY(!nichts.sammeln({dir_->filePath(QStringLiteral("zweite/leer"))}));
    QVERIFY(nichts.fehler().startsWith(QLatin1String("keine Verlaufsdatei")));
}

void TestStudie::paareWieEinzelvergleich()
{
    // With two raters per client, each pair of the study is exactly the single comparison,
    // and the pooled table is the sum of the pairs' tables.
    datei(QStringLiteral("a_r1_Verlauf.dat"), QStringLiteral("a"), QStringLiteral("r1"),
          rater(0, 5));
    datei(QStringLiteral("a_r2_Verlauf.dat"), QStringLiteral("a"), QStringLiteral("r2"),
          rater(0.7, 4));
    datei(QStringLiteral("b_r1_Verlauf.dat"), QStringLiteral("b"), QStringLiteral("r1"),
          rater(0, 3));
    datei(QStringLiteral("b_r2_Verlauf.dat"), QStringLiteral("b"), QStringLiteral("r2"),
          rater(-0.4, 5));
    Vergleichseinstellungen e;
    e.versatzAutomatisch = true;
    e.wiederholungen = 100;
    const auto [s, zeiger] = studieAusOrdner(e);
    const Studie &studie = *zeiger;
    QCOMPARE(studie.paare().size(), size_t(2));

    Kreuztabelle summe;
    for (const Studie::Paar &p : studie.paare()) {
        const Studie::Klient &k = studie.klienten()[size_t(p.klient)];
        const Uebereinstimmung einzeln(s[size_t(k.rater[size_t(p.a)].sitzung)],
                                       s[size_t(k.rater[size_t(p.b)].sitzung)], e);
        QCOMPARE(p.vergleich.versatz(), einzeln.versatz());
        const Kennzahlen &x = p.vergleich.ergebnis().zeit(Vergleichsergebnis::Kategorien);
        const Kennzahlen &y = einzeln.ergebnis().zeit(Vergleichsergebnis::Kategorien);
        QCOMPARE(x.kappa.wert.wert, y.kappa.wert.wert);
        QCOMPARE(x.kappa.intervall.unten, y.kappa.intervall.unten);
        summe += p.vergleich.zeit().tabelle();
    }
    QCOMPARE(studie.paare()[0].vergleich.versatz(), -us(0.7));
    QCOMPARE(studie.paare()[1].vergleich.versatz(), us(0.4));
    const Kreuztabelle &gepoolt = studie.gepoolt().zeit(Vergleichsergebnis::Kategorien).tabelle;
    for (int a = TL; a <= NIX; ++a) {
        for (int b = TL; b <= NIX; ++b)
            QCOMPARE(gepoolt.anzahl(a, b), summe.anzahl(a, b));
    }
    QVERIFY(studie.gepoolt().zeit(Vergleichsergebnis::Kategorien).kappa.intervall.definiert);
    // Two raters everywhere: Fleiss' kappa over the whole study is defined.
    QCOMPARE(studie.mehrraterGesamt().rater(), 2);
    QVERIFY(studie.mehrraterGesamt().fleissKappa().definiert);
}

void TestStudie::dreiRater()
{
    // Three raters, the third 1 s late: every rater is shifted against the first, so the
    // pair of the second and third uses the difference, and all three agree completely.
    datei(QStringLiteral("k_a_Verlauf.dat"), QStringLiteral("k"), QStringLiteral("a"), rater(0, 5));
    datei(QStringLiteral("k_b_Verlauf.dat"), QStringLiteral("k"), QStringLiteral("b"), rater(0, 5));
    datei(QStringLiteral("k_c_Verlauf.dat"), QStringLiteral("k"), QStringLiteral("c"), rater(1, 5));
    Vergleichseinstellungen e;
    e.versatzAutomatisch = true;
    e.wiederholungen = 0;
    const auto [s, zeiger] = studieAusOrdner(e);
    const Studie &studie = *zeiger;
    QCOMPARE(studie.paare().size(), size_t(3));
    QCOMPARE(studie.paare()[2].vergleich.versatz(), -us(1));
    for (const Studie::Paar &p : studie.paare())
        QCOMPARE(p.vergleich.zeit().tabelle().uebereinstimmung().wert, 1.0);
    const Studie::Klient &k = studie.klienten()[0];
    QCOMPARE(k.rater[2].versatz, -us(1));
    // 0 to 120 s is rated by all three after the shift: 1200 slices, all equal.
    QCOMPARE(k.scheiben, 1200);
    QCOMPARE(k.mehrrater.fleissKappa().wert, 1.0);
    QCOMPARE(k.mehrrater.krippendorffAlpha().wert, 1.0);
}

void TestStudie::abgeleiteterVersatzAmRand()
{
    // c lies 1.6 s behind a, beyond the range of ±1 s; b lies 0.8 s behind a. The pair b-c
    // must not use the clipped difference (+0.2 s) but its own shift (+0.8 s). A second
    // client's rater stops at half the time: the durations differ by more than a fifth.
    datei(QStringLiteral("k_a_Verlauf.dat"), QStringLiteral("k"), QStringLiteral("a"), rater(0, 5));
    datei(QStringLiteral("k_b_Verlauf.dat"), QStringLiteral("k"), QStringLiteral("b"),
          rater(0.8, 5));
    datei(QStringLiteral("k_c_Verlauf.dat"), QStringLiteral("k"), QStringLiteral("c"),
          rater(1.6, 5));
    Druecke halb = rater(0, 6);
    halb.resize(halb.size() / 2);
    datei(QStringLiteral("m_a_Verlauf.dat"), QStringLiteral("m"), QStringLiteral("a"), rater(0, 5));
    datei(QStringLiteral("m_b_Verlauf.dat"), QStringLiteral("m"), QStringLiteral("b"), halb);
    Vergleichseinstellungen e;
    e.versatzAutomatisch = true;
    e.suchbereich = us(1);
    e.wiederholungen = 50;
    const auto [s, zeiger] = studieAusOrdner(e);
    const Studie &studie = *zeiger;
    QCOMPARE(studie.paare()[2].vergleich.versatz(), -us(0.8));
    QVERIFY(!studie.paare()[2].vergleich.versatzAmRand());
    QCOMPARE(studie.versaetze(), 4);
    QCOMPARE(studie.versaetzeAmRand(), 1);
    const QString warnungen = studie.warnungen().join(QLatin1Char('\n'));
    QVERIFY2(warnungen.contains(QStringLiteral("Rater c gegen b: der Versatz gegen a liegt am Rand "
                                               "des Suchbereichs; für dieses Paar eigens gesucht")),
             qPrintable(warnungen));
    Studienaufbau aufbau;
    QVERIFY(aufbau.aufbauen(s));
    QVERIFY2(aufbau.warnungen()
                 .join(QLatin1Char('\n'))
                 .contains(QStringLiteral("Klient m: die bewerteten Dauern weichen um mehr als ein "
                                          "Fünftel ab: m_a_Verlauf.dat reicht 02:00.000")),
             qPrintable(aufbau.warnungen().join(QLatin1Char('\n'))));

    // Two sessions: the study's intervals come from resampling them, and say they are rough;
    // the client with three raters has its own for Fleiss' kappa and Krippendorff's alpha.
    const Intervall &i = studie.gepoolt().zeit(Vergleichsergebnis::Kategorien).kappa.intervall;
    QVERIFY(i.definiert);
    QCOMPARE(i.hinweis, QStringLiteral("nur 2 Sitzungen: Intervall über Sitzungen grob"));
    QVERIFY(studie.alpha().intervall.definiert);
    QVERIFY(studie.klienten()[0].fleiss.intervall.definiert);
    QVERIFY(studie.klienten()[0].alpha.intervall.definiert);
}

void TestStudie::jederKennwertInSeinemIntervall()
{
    // Every study figure gets its interval from its own place among the resampled figures:
    // each value lies in its interval. Blocks (--block) reach the multi-rater intervals too.
    for (int k = 0; k < 4; ++k) {
        const QString klient = QStringLiteral("k%1").arg(k);
        for (int r = 0; r < 3; ++r)
            datei(klient + QStringLiteral("_r%1_Verlauf.dat").arg(r), klient,
                  QStringLiteral("r%1").arg(r), rater(0, r == 0 ? 100 : 2 + k + r));
    }
    Vergleichseinstellungen e;
    e.wiederholungen = 300;
    const auto [s, zeiger] = studieAusOrdner(e);
    const Vergleichsergebnis &g = zeiger->gepoolt();
    int geprueft = 0;
    for (const auto a : {Vergleichsergebnis::Zeit, Vergleichsergebnis::Ereignis,
                         Vergleichsergebnis::Segmentierung}) {
        for (const auto ebene : {Vergleichsergebnis::Kategorien, Vergleichsergebnis::Sprecher}) {
            const Kennzahlen &k = g.kennzahlen(a, ebene);
            std::vector<const Schaetzung *> alle = {&k.kappa, &k.ac1, &k.pabak, &k.gewichtet[0],
                                                    &k.gewichtet[1]};
            for (const Schaetzung &c : k.kategorieKappa)
                alle.push_back(&c);
            for (const Schaetzung *x : alle) {
                if (!x->intervall.definiert)
                    continue;
                ++geprueft;
                QVERIFY2(x->intervall.unten <= x->wert.wert + 1e-9 &&
                             x->wert.wert <= x->intervall.oben + 1e-9,
                         qPrintable(QStringLiteral("%1 nicht in [%2, %3]")
                                        .arg(x->wert.wert)
                                        .arg(x->intervall.unten)
                                        .arg(x->intervall.oben)));
            }
        }
    }
    QVERIFY(geprueft > 40);
    for (const Schaetzung *x : {&zeiger->fleiss(), &zeiger->alpha(), &zeiger->klienten()[1].fleiss,
                                &zeiger->klienten()[1].alpha})
        QVERIFY(x->intervall.unten <= x->wert.wert && x->wert.wert <= x->intervall.oben);

    e.block = 1000;
    const auto [s2, ganz] = studieAusOrdner(e);
    QCOMPARE(ganz->klienten()[1].fleiss.intervall.grund, QStringLiteral("zu wenige Einheiten"));
}

QTEST_GUILESS_MAIN(TestStudie)
#include "tst_studie.moc"
