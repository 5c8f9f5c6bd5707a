#include "auswertung.h"
#include "einschaetzung.h"
#include "testdateien.h"
#include "testsitzung.h"

#include <QImage>
#include <QRegularExpression>
#ifdef MORVANTO_SVG
#include <QSvgRenderer>
#endif
#include <QTemporaryDir>
#include <QTest>

#include <functional>

// The command as a researcher calls it, output captured.
class TestAuswertung : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void hilfe();
    void falscherAufruf_data();
    void falscherAufruf();
    void beschaedigteDateiVerhindertJedeZahl();
    void zusammenfassungCsvEineZeileJeDatei();
    void zusammenfassungText();
    void uebereinstimmungCsv();
    void kappaUndefiniertImBericht();
    void keineGemeinsameZeit();
    void zuVieleScheiben();
    void sequenzenCsv();
    void zeitleistePngUndSvg();
    void bildNichtSchreibbar();
    void suchbereichUndRand();
    void versatzOhneGemeinsameZeitIstAufruffehler();
    void intervalleUndSegmentierungImCsv();
    void studieEineTabelle();
    void ausgabeInDatei();
    void dezimalkommaUndDauerwarnung();

private:
    int aufruf(const QStringList &argumente);
    QString datei(const QString &name, const Druecke &d);

    QTemporaryDir dir_;
    QString aus_;
    QString fehler_;
};

namespace {

// The cells of a CSV table's first row by column name; "<fehlt>" for a missing column.
std::function<QString(const char *)> csvSpalten(const QString &csv)
{
    const QStringList zeilen = csv.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    const QStringList kopf = zeilen.value(0).split(QLatin1Char(','));
    const QStringList werte = zeilen.value(1).split(QLatin1Char(','));
    if (werte.size() != kopf.size())
        return [](const char *) { return QStringLiteral("<Zeile passt nicht zum Kopf>"); };
    return [kopf, werte](const char *spalte) {
        const qsizetype i = kopf.indexOf(QLatin1String(spalte));
        return i >= 0 ? werte[i] : QStringLiteral("<fehlt>");
    };
}

} // namespace

void TestAuswertung::init()
{
    aus_.clear();
    fehler_.clear();
}

int TestAuswertung::aufruf(const QStringList &argumente)
{
    return auswertungAufrufen(argumente, aus_, fehler_);
}

QString TestAuswertung::datei(const QString &name, const Druecke &d)
{
    const QString pfad = dir_.filePath(name);
    if (!testDateiSchreiben(pfad, testVerlauf(d)))
        qFatal("cannot write %s", qPrintable(pfad));
    return pfad;
}

void TestAuswertung::hilfe()
{
    QCOMPARE(aufruf({QStringLiteral("--help")}), 0);
    QVERIFY(aus_.startsWith(QLatin1String("Aufruf: morvanto-auswertung")));
    for (const char *befehl :
         {"zusammenfassung", "uebereinstimmung", "studie", "sequenzen", "zeitleiste", "bericht",
          "--versatz auto", "--suchbereich", "--bootstrap", "--startwert", "--block", "--titel",
          "--namen", "--von", "--bis", "-o DATEI", "--csv"})
        QVERIFY2(aus_.contains(QLatin1String(befehl)), befehl);
}

void TestAuswertung::falscherAufruf_data()
{
    QTest::addColumn<QStringList>("argumente");
    QTest::addColumn<QString>("meldung");
    QTest::newRow("nichts") << QStringList() << "kein Befehl";
    QTest::newRow("unbekannt") << QStringList{"statistik", "a"} << "unbekannter Befehl";
    QTest::newRow("keine Datei") << QStringList{"sequenzen"} << "keine Datei";
    QTest::newRow("drei Rater") << QStringList{"uebereinstimmung", "a", "b", "c"} << "genau zwei";
    QTest::newRow("Schritt 0") << QStringList{"uebereinstimmung", "--schritt", "0", "a", "b"}
                               << "--schritt";
    QTest::newRow("Toleranz Text")
        << QStringList{"uebereinstimmung", "--toleranz=viel", "a", "b"} << "--toleranz";
    QTest::newRow("Wert fehlt") << QStringList{"uebereinstimmung", "a", "b", "--versatz"}
                                << "braucht einen Wert";
    QTest::newRow("Option passt nicht")
        << QStringList{"zusammenfassung", "--versatz", "1", "a"} << "gilt nicht";
    QTest::newRow("Bild fehlt") << QStringList{"zeitleiste", "a"} << "-o";
    QTest::newRow("Bildformat") << QStringList{"zeitleiste", "a", "-o", "x.jpg"} << ".svg";
    QTest::newRow("unbekannte Option")
        << QStringList{"sequenzen", "--lag", "2", "a"} << "unbekannte Option";
    QTest::newRow("Suchbereich ohne auto")
        << QStringList{"uebereinstimmung", "--suchbereich", "6", "a", "b"}
        << "nur mit --versatz auto";
    QTest::newRow("Suchbereich zu groß")
        << QStringList{"uebereinstimmung", "--versatz", "auto", "--suchbereich", "601", "a", "b"}
        << "von 0 bis 600";
    QTest::newRow("Bootstrap negativ")
        << QStringList{"uebereinstimmung", "--bootstrap", "-1", "a", "b"} << "ganze Zahl von 0";
    QTest::newRow("Block 0") << QStringList{"studie", "--block", "0", "ordner"} << "--block";
    QTest::newRow("Startwert Text")
        << QStringList{"studie", "--startwert", "x", "o"} << "--startwert";
    QTest::newRow("Namen passen nicht")
        << QStringList{"zeitleiste", "--namen", "A,B", "a", "-o", "x.png"}
        << "einen Namen je Datei";
    QTest::newRow("leerer Name") << QStringList{"zeitleiste", "--namen", "A,",   "a",
                                                "b",          "-o",      "x.png"}
                                 << "--namen";
    QTest::newRow("bis vor von") << QStringList{"zeitleiste", "--von", "2:00", "--bis",
                                                "90",         "a",     "-o",   "x.png"}
                                 << "--bis muss nach --von";
    QTest::newRow("Zeit unlesbar")
        << QStringList{"zeitleiste", "--von", "2:xx", "a", "-o", "x.png"} << "12:30";
    QTest::newRow("Untertitel fehlt") << QStringList{"untertitel", "a"} << "-o DATEI.vtt";
    QTest::newRow("Untertitelformat") << QStringList{"untertitel", "a", "-o", "x.txt"} << ".srt";
    QTest::newRow("EAF-Endung") << QStringList{"eaf", "a", "-o", "x.xml"} << ".eaf";
    QTest::newRow("Video fehlt") << QStringList{"eaf", "a", "-o", "x.eaf", "--video", "/nix.mp4"}
                                 << "--video";
    QTest::newRow("fester Versatz bei drei")
        << QStringList{"untertitel", "--versatz", "1", "a", "b", "c", "-o", "x.vtt"}
        << "--versatz auto";
    QTest::newRow("PDF fehlt") << QStringList{"bericht", "a", "b"} << "-o BERICHT.pdf";
    QTest::newRow("PDF-Endung") << QStringList{"bericht", "a", "b", "-o", "x.png"} << ".pdf";
    QTest::newRow("Titel für Text")
        << QStringList{"uebereinstimmung", "--titel", "T", "a", "b"} << "gilt nicht";
    QTest::newRow("CSV für Bericht")
        << QStringList{"bericht", "--csv", "a", "b", "-o", "x.pdf"} << "gilt nicht";
    // A slip of the finger must not overwrite a rater's file.
    QTest::newRow("Ausgabe auf Verlauf")
        << QStringList{"zusammenfassung", "a", "-o", "k17_anna_Verlauf.dat"} << "Ratingkonsole";
}

void TestAuswertung::falscherAufruf()
{
    QFETCH(QStringList, argumente);
    QFETCH(QString, meldung);
    QCOMPARE(aufruf(argumente), int(Auswertung::Aufruffehler));
    QVERIFY(aus_.isEmpty());
    QVERIFY2(fehler_.contains(meldung), qPrintable(fehler_));
}

void TestAuswertung::beschaedigteDateiVerhindertJedeZahl()
{
    const QString gut = datei(QStringLiteral("gut_Verlauf.dat"), {{3, TL}});
    const QString kaputt = dir_.filePath(QStringLiteral("kaputt_Verlauf.dat"));
    QFile f(kaputt);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("00:00.000\t0\t0\t0\tk\tr\t0\t0\t0\n00:03.000\t12\t0\t3\tk\tr\t0\t3\t0\n");
    f.close();
    const QString fehlt = dir_.filePath(QStringLiteral("fehlt_Verlauf.dat"));

    for (const QString &befehl : {QStringLiteral("zusammenfassung"), QStringLiteral("sequenzen")}) {
        init();
        QCOMPARE(aufruf({befehl, QStringLiteral("--csv"), gut, kaputt, fehlt}),
                 int(Auswertung::Dateifehler));
        QVERIFY(aus_.isEmpty());
        QVERIFY2(fehler_.contains(kaputt + QStringLiteral(", Zeile 2: Kategorie 12")),
                 qPrintable(fehler_));
        QVERIFY(fehler_.contains(fehlt + QStringLiteral(": kann nicht gelesen werden")));
        QVERIFY(fehler_.contains(QLatin1String("2 von 3 Dateien")));
    }
}

void TestAuswertung::zusammenfassungCsvEineZeileJeDatei()
{
    const QString a = datei(QStringLiteral("k1,a_Verlauf.dat"), {{4.25, KL}, {70.003, TL}});
    const QString b = datei(QStringLiteral("k2_Verlauf.dat"), {});
    QCOMPARE(aufruf({QStringLiteral("zusammenfassung"), QStringLiteral("--csv"), a, b}), 0);
    const QStringList zeilen = aus_.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QCOMPARE(zeilen.size(), 3);
    const QStringList kopf = zeilen[0].split(QLatin1Char(','));
    QCOMPARE(kopf.size(), 4 + 7 * 3 + 4);
    QCOMPARE(kopf[0], QStringLiteral("datei"));
    // The comma in the file name is quoted, so the row splits into as many cells.
    QVERIFY(zeilen[1].startsWith(QLatin1Char('"') + a + QLatin1Char('"')));
    const QStringList eins = zeilen[1].mid(a.size() + 2).split(QLatin1Char(','));
    QCOMPARE(eins.size(), kopf.size());
    QCOMPARE(eins[1], QStringLiteral("2"));
    QCOMPARE(eins[2], QStringLiteral("70.003"));
    QCOMPARE(eins[3], QStringLiteral("35.002")); // 35.0015 rounded
    QCOMPARE(eins[kopf.indexOf(QStringLiteral("TL_dauer_s"))], QStringLiteral("65.753"));
    QCOMPARE(eins[kopf.indexOf(QStringLiteral("tl_von_tl_tnl_anzahl"))],
             QStringLiteral("1.000000"));
    // A session with no unit: counts are 0, shares are missing, not 0 and not NaN.
    const QStringList leer = zeilen[2].split(QLatin1Char(','));
    QCOMPARE(leer.size(), kopf.size());
    QCOMPARE(leer[1], QStringLiteral("0"));
    QCOMPARE(leer[3], QString());
    QCOMPARE(leer[kopf.indexOf(QStringLiteral("KL_anteil_zeit"))], QString());
    QVERIFY(!aus_.contains(QLatin1String("nan"), Qt::CaseInsensitive));
}

void TestAuswertung::zusammenfassungText()
{
    const QString a = datei(QStringLiteral("t_Verlauf.dat"), {{4.25, KL}, {70.003, TL}});
    QCOMPARE(aufruf({QStringLiteral("zusammenfassung"), a}), 0);
    QVERIFY(aus_.contains(QLatin1String("Sinneinheiten:              2")));
    QVERIFY(aus_.contains(QLatin1String("01:10.003 (70.003 s)")));
    QVERIFY(aus_.contains(QStringLiteral("Therapeut lösungsfokussiert")));
    QVERIFY(aus_.contains(QLatin1String("93.9 %")));
    QVERIFY(aus_.contains(QLatin1String("nach Anzahl 100.0 %")));
}

void TestAuswertung::uebereinstimmungCsv()
{
    const QString a = datei(QStringLiteral("a_Verlauf.dat"), {{2, TL}, {4, KL}, {6, TL}, {8, KL}});
    const QString b = datei(QStringLiteral("b_Verlauf.dat"), {{2.5, TL}, {6.5, TL}, {8.5, KL}});
    QCOMPARE(aufruf({QStringLiteral("uebereinstimmung"), QStringLiteral("--csv"),
                     QStringLiteral("--versatz"), QStringLiteral("auto"), a, b}),
             0);
    QCOMPARE(aus_.split(QLatin1Char('\n'), Qt::SkipEmptyParts).size(), 2);
    const auto wert = csvSpalten(aus_);
    QCOMPARE(wert("versatz_s"), QStringLiteral("-0.500"));
    QCOMPARE(wert("versatz_automatisch"), QStringLiteral("1"));
    QCOMPARE(wert("ereignis_paare"), QStringLiteral("3"));
    QCOMPARE(wert("ereignis_nur_a"), QStringLiteral("1"));
    QCOMPARE(wert("ereignis_nur_b"), QStringLiteral("0"));
    QCOMPARE(wert("zeit_scheiben"), QStringLiteral("80"));
    // B (shifted) has TL where A has KL from 2 to 4 s: 20 of 80 slices differ.
    QCOMPARE(wert("zeit_uebereinstimmung"), QStringLiteral("0.750000"));
    QCOMPARE(wert("zeit_KL_TL"), QStringLiteral("20"));
    QCOMPARE(wert("zeit_TL_TL"), QStringLiteral("40"));
}

void TestAuswertung::kappaUndefiniertImBericht()
{
    const QString a = datei(QStringLiteral("u1_Verlauf.dat"), {{5, NIX}, {9, NIX}});
    const QString b = datei(QStringLiteral("u2_Verlauf.dat"), {{4, NIX}, {9, NIX}});
    QCOMPARE(aufruf({QStringLiteral("uebereinstimmung"), a, b}), 0);
    QVERIFY2(aus_.contains(QLatin1String("Cohens Kappa:                 nicht definiert (beide "
                                         "haben durchgehend nur NIX vergeben")),
             qPrintable(aus_));
    QVERIFY(aus_.contains(QLatin1String("Gwets AC1:                    1.000")));
    QVERIFY(!aus_.contains(QLatin1String("nan"), Qt::CaseInsensitive));
    // Two units cannot give a confident interval, and the report says so.
    QVERIFY2(aus_.contains(QStringLiteral("1.000   95 %-KI [1.000, 1.000], SE 0.000 (Intervall auf "
                                          "einen Punkt geschrumpft: nicht aussagekräftig)")),
             qPrintable(aus_));

    init();
    QCOMPARE(aufruf({QStringLiteral("uebereinstimmung"), QStringLiteral("--csv"), a, b}), 0);
    const QStringList zeilen = aus_.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    const QStringList kopf = zeilen[0].split(QLatin1Char(','));
    const QStringList werte = zeilen[1].split(QLatin1Char(','));
    QCOMPARE(werte[kopf.indexOf(QStringLiteral("zeit_kappa"))], QString());
    QVERIFY(
        werte[kopf.indexOf(QStringLiteral("zeit_kappa_hinweis"))].contains(QLatin1String("NIX")));
}

void TestAuswertung::keineGemeinsameZeit()
{
    const QString a = datei(QStringLiteral("k1_Verlauf.dat"), {{3, TL}});
    const QString b = datei(QStringLiteral("k2_Verlauf.dat"), {});
    QCOMPARE(aufruf({QStringLiteral("uebereinstimmung"), a, b}), int(Auswertung::Dateifehler));
    QVERIFY(aus_.isEmpty());
    QVERIFY(fehler_.contains(QLatin1String("keine gemeinsam bewertete Zeit")));
}

void TestAuswertung::zuVieleScheiben()
{
    // 100 hours in 1 ms slices: refused before any memory is taken.
    const QString a = datei(QStringLiteral("lang_Verlauf.dat"), {{360000, TL}});
    QCOMPARE(aufruf({QStringLiteral("uebereinstimmung"), QStringLiteral("--schritt"),
                     QStringLiteral("0.001"), a, a}),
             int(Auswertung::Aufruffehler));
    QVERIFY(aus_.isEmpty());
    QVERIFY(fehler_.contains(QLatin1String("--schritt")));
}

void TestAuswertung::sequenzenCsv()
{
    const QString a = datei(QStringLiteral("s1_Verlauf.dat"), {{1, TL}, {2, KL}, {3, TL}});
    const QString b = datei(QStringLiteral("s2_Verlauf.dat"), {{1, TL}, {2, KL}});
    QCOMPARE(aufruf({QStringLiteral("sequenzen"), QStringLiteral("--csv"), a, b}), 0);
    const QStringList zeilen = aus_.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QCOMPARE(zeilen.size(), 1 + 49);
    QCOMPARE(zeilen[0], QStringLiteral("von,nach,anzahl,zeilensumme,wahrscheinlichkeit,erwartet,"
                                       "residuum"));
    // e = 2 * 2 / 3, z = (2 - 4/3) / sqrt(4/3 * 1/3 * 1/3) = sqrt(3)
    QVERIFY(zeilen.contains(QStringLiteral("TL,KL,2,2,1.000000,1.3333,1.7321")));
    QVERIFY(zeilen.contains(QStringLiteral("TU,TL,0,0,,0.0000,")));

    init();
    QCOMPARE(aufruf({QStringLiteral("sequenzen"), a, b}), 0);
    QVERIFY(aus_.contains(QStringLiteral("3 Übergänge aus 2 Dateien")));
    QVERIFY(aus_.contains(QLatin1String("Adjustierte Residuen")));
}

void TestAuswertung::zeitleistePngUndSvg()
{
    Druecke d;
    for (int i = 1; i <= 300; ++i)
        d.emplace_back(i * 6.1, 1 + i % 7);
    Druecke e = d;
    e.resize(280);
    for (auto &[t, k] : e)
        k = int(t) % 5 == 0 ? 1 + (k % 7) : k;
    const QString a = datei(QStringLiteral("Klient_7_Rater_A_Verlauf.dat"), d);
    const QString b = datei(QStringLiteral("Klient_7_Rater_B_Verlauf.dat"), e);

    const QString png = dir_.filePath(QStringLiteral("zeitleiste.png"));
    QCOMPARE(aufruf({QStringLiteral("zeitleiste"), a, b, QStringLiteral("-o"), png}), 0);
    QImage bild(png);
    QVERIFY(!bild.isNull());
    QVERIFY(bild.width() >= 2000);
    QVERIFY(bild.height() > 200 && bild.height() < bild.width());

#ifndef MORVANTO_SVG
    QSKIP("built without Qt Svg (the Windows build writes no SVG timelines)");
#endif
#ifdef MORVANTO_SVG
    const QString svg = dir_.filePath(QStringLiteral("zeitleiste.svg"));
    QCOMPARE(aufruf({QStringLiteral("zeitleiste"), a, QStringLiteral("-o"), svg}), 0);
    QSvgRenderer renderer(svg);
    QVERIFY(renderer.isValid());
    QFile f(svg);
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(f.readAll());
    QVERIFY(text.contains(QStringLiteral("Therapeut lösungsfokussiert")));
    QVERIFY(text.contains(QLatin1String("Zeit (mm:ss)")));

    // The two raters' quantities side by side, printed as wide as the timeline.
    const QString ba = dir_.filePath(QStringLiteral("ba.png"));
    QCOMPARE(aufruf({QStringLiteral("bland-altman"), a, b, QStringLiteral("-o"), ba}), 0);
    QCOMPARE(QImage(ba).width(), bild.width());

    // Kept for looking at: MORVANTO_BILDER=/some/dir ctest ...
    const QString ablage = qEnvironmentVariable("MORVANTO_BILDER");
    if (!ablage.isEmpty()) {
        QFile::copy(png, ablage + QStringLiteral("/zeitleiste.png"));
        QFile::copy(svg, ablage + QStringLiteral("/zeitleiste.svg"));
    }
#endif
}

void TestAuswertung::bildNichtSchreibbar()
{
    const QString a = datei(QStringLiteral("z_Verlauf.dat"), {{3, TL}});
    const QString ziel = dir_.filePath(QStringLiteral("ordner.png"));
    QVERIFY(QDir().mkdir(ziel)); // a directory in the way fails even for root
    QCOMPARE(aufruf({QStringLiteral("zeitleiste"), a, QStringLiteral("-o"), ziel}),
             int(Auswertung::Dateifehler));
    QVERIFY(fehler_.contains(ziel + QStringLiteral(": kann nicht geschrieben werden")));
}

void TestAuswertung::suchbereichUndRand()
{
    // B pressed 4 s late: the default range of 3 s ends on its edge and says so; a wider
    // range finds the lag.
    Druecke a;
    Druecke b;
    for (int i = 1; i <= 80; ++i) {
        a.emplace_back(i * 3.3 + (i % 4) * 0.7, 1 + (i * 3) % 7);
        b.emplace_back(i * 3.3 + (i % 4) * 0.7 + 4.0, 1 + (i * 3) % 7);
    }
    const QString pa = datei(QStringLiteral("r1_Verlauf.dat"), a);
    const QString pb = datei(QStringLiteral("r2_Verlauf.dat"), b);
    QCOMPARE(aufruf({QStringLiteral("uebereinstimmung"), QStringLiteral("--versatz"),
                     QStringLiteral("auto"), QStringLiteral("--bootstrap"), QStringLiteral("0"), pa,
                     pb}),
             0);
    QVERIFY(aus_.contains(QLatin1String("Versatz von B:  -3.000 s")));
    QVERIFY2(fehler_.contains(QStringLiteral("Warnung: der beste Versatz liegt am Rand des "
                                             "Suchbereichs ±3.000 s")),
             qPrintable(fehler_));
    QVERIFY(aus_.contains(QLatin1String("Achtung: der beste Versatz liegt am Rand")));

    init();
    QCOMPARE(aufruf({QStringLiteral("uebereinstimmung"), QStringLiteral("--versatz"),
                     QStringLiteral("auto"), QStringLiteral("--suchbereich"), QStringLiteral("6"),
                     QStringLiteral("--bootstrap"), QStringLiteral("0"), pa, pb}),
             0);
    QVERIFY2(aus_.contains(QStringLiteral("Versatz von B:  -4.000 s (automatisch gesucht im "
                                          "Bereich ±6.000 s")),
             qPrintable(aus_.left(400)));
    QVERIFY(aus_.contains(QStringLiteral("Prozentuale Übereinstimmung:  100.0 %")));
    QVERIFY(fehler_.isEmpty());
}

void TestAuswertung::versatzOhneGemeinsameZeitIstAufruffehler()
{
    const QString a = datei(QStringLiteral("v1_Verlauf.dat"), {{30, TL}, {60, KL}});
    const QString b = datei(QStringLiteral("v2_Verlauf.dat"), {{31, TL}, {61, KL}});
    QCOMPARE(aufruf({QStringLiteral("uebereinstimmung"), QStringLiteral("--versatz"),
                     QStringLiteral("5000"), a, b}),
             int(Auswertung::Aufruffehler));
    QVERIFY(aus_.isEmpty());
    QVERIFY2(fehler_.contains(QLatin1String("nach dem Versatz von +5000.000 s")),
             qPrintable(fehler_));
}

void TestAuswertung::intervalleUndSegmentierungImCsv()
{
    const QString a = datei(QStringLiteral("c1_Verlauf.dat"),
                            {{2, TL}, {4, KL}, {6, TL}, {8, KL}, {10, TL}, {12, NIX}, {15, KL}});
    const QString b = datei(QStringLiteral("c2_Verlauf.dat"),
                            {{2.1, TL}, {6.2, TL}, {8.1, KNL}, {10.2, TL}, {12.1, NIX}, {15, KL}});
    QCOMPARE(aufruf({QStringLiteral("uebereinstimmung"), QStringLiteral("--csv"),
                     QStringLiteral("--bootstrap"), QStringLiteral("200"), a, b}),
             0);
    const QStringList zeilen = aus_.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QCOMPARE(zeilen.size(), 2);
    const QStringList kopf = zeilen[0].split(QLatin1Char(','));
    QCOMPARE(QStringList(kopf).removeDuplicates(), 0);
    const auto wert = csvSpalten(aus_);
    // The columns of before keep their place at the front.
    QCOMPARE(kopf[0], QStringLiteral("datei_a"));
    QCOMPARE(kopf.indexOf(QStringLiteral("ereignis_NIX_NIX")), 9 + 4 + 3 + 4 + 2 * 49 - 1);
    QCOMPARE(wert("bootstrap_wiederholungen"), QStringLiteral("200"));
    QCOMPARE(wert("bootstrap_startwert"), QStringLiteral("1"));
    QVERIFY(!wert("zeit_kappa_ki_unten").isEmpty());
    QVERIFY(wert("zeit_kappa_ki_unten").toDouble() <= wert("zeit_kappa").toDouble());
    QVERIFY(!wert("ereignis_kappa_se").isEmpty());
    // A's KL at 4 s has no counterpart: one unit "ohne" in its row.
    QCOMPARE(wert("ereignis_nur_a"), QStringLiteral("1"));
    QCOMPARE(wert("segment_KL_ohne"), QStringLiteral("1"));
    QCOMPARE(wert("segment_einheiten"), QStringLiteral("7"));
    QVERIFY(wert("segment_kappa").toDouble() < wert("ereignis_kappa").toDouble());
    QVERIFY(!wert("zeit_sprecher_kappa").isEmpty());
    // KNL for KL is the same speaker: agreement at that level is higher.
    QVERIFY(wert("ereignis_sprecher_uebereinstimmung").toDouble() >
            wert("ereignis_uebereinstimmung").toDouble());
    QCOMPARE(wert("ereignis_spezifisch_NIX"), QStringLiteral("1.000000"));
    QCOMPARE(wert("zeit_spezifisch_TU"), QString());

    // The columns added later, behind all others: PABAK from the share of agreement, the
    // test of the margins, the caution of an interval from 7 units.
    QVERIFY(qAbs(wert("zeit_pabak").toDouble() -
                 (7 * wert("zeit_uebereinstimmung").toDouble() - 1) / 6) < 1e-5);
    QCOMPARE(kopf.last(), QStringLiteral("ereignis_stuart_maxwell_p"));
    QVERIFY(wert("ereignis_stuart_maxwell_p").toDouble() > 0);
    QVERIFY(wert("zeit_kappa_ki_hinweis").contains(QStringLiteral("wenig aussagekräftig")));
}

void TestAuswertung::studieEineTabelle()
{
    QTemporaryDir ordner;
    const Druecke basis = {{2, TL}, {4, KL}, {6, TL}, {8, KL}, {10, TL}, {12, NIX}, {15, KL}};
    for (const QString &k : {QStringLiteral("k1"), QStringLiteral("k2")}) {
        for (const QString &r : {QStringLiteral("anna"), QStringLiteral("bert")}) {
            Druecke d = basis;
            if (r == QLatin1String("bert"))
                d[size_t(k == QLatin1String("k1") ? 1 : 3)].second = KNL;
            QVERIFY(testDateiSchreiben(
                ordner.filePath(k + QLatin1Char('_') + r + QStringLiteral("_Verlauf.dat")),
                testVerlauf(d), k, r));
        }
    }
    QCOMPARE(aufruf({QStringLiteral("studie"), QStringLiteral("--csv"), ordner.path()}), 0);
    const QStringList zeilen = aus_.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QCOMPARE(zeilen.size(), 1 + 2 + 1);
    QCOMPARE(aus_.count(QLatin1String("ebene,klient")), 1);
    const QStringList kopf = zeilen[0].split(QLatin1Char(','));
    for (const QString &z : zeilen)
        QCOMPARE(z.split(QLatin1Char(',')).size(), kopf.size());
    QVERIFY(zeilen[1].startsWith(QLatin1String("paar,k1,anna,bert,")));
    QVERIFY(zeilen[3].startsWith(QLatin1String("gesamt,,,,,,,")));
    const QStringList gesamt = zeilen[3].split(QLatin1Char(','));
    QCOMPARE(gesamt[kopf.indexOf(QStringLiteral("zeit_scheiben"))], QStringLiteral("300"));
    // The study's intervals come from its two sessions, and say they are rough.
    QCOMPARE(gesamt[kopf.indexOf(QStringLiteral("intervalle_aus"))], QStringLiteral("sitzungen"));
    QCOMPARE(gesamt[kopf.indexOf(QStringLiteral("zeit_kappa_ki_hinweis"))],
             QStringLiteral("nur 2 Sitzungen: Intervall über Sitzungen grob"));

    // A pair row of the study is the row the pair gets on its own.
    // Behind the pair's columns come 13 of the client's raters and 16 of the ICCs.
    const QString zeileK1 = zeilen[1].section(QLatin1Char(','), 4, 4 + int(kopf.size()) - 4 - 30);
    init();
    QCOMPARE(aufruf({QStringLiteral("uebereinstimmung"), QStringLiteral("--csv"),
                     ordner.filePath(QStringLiteral("k1_anna_Verlauf.dat")),
                     ordner.filePath(QStringLiteral("k1_bert_Verlauf.dat"))}),
             0);
    QCOMPARE(aus_.split(QLatin1Char('\n'), Qt::SkipEmptyParts)[1], zeileK1);

    init();
    QCOMPARE(aufruf({QStringLiteral("studie"), ordner.path()}), 0);
    QVERIFY(aus_.startsWith(QLatin1String("Studie: 2 Klienten mit mindestens zwei Ratern, 4 "
                                          "Dateien, 2 Rater-Paare")));
    QVERIFY(aus_.contains(QStringLiteral("Gepoolt über alle 2 Paare")));
    QVERIFY(aus_.contains(QLatin1String("Krippendorffs Alpha")));
    QVERIFY(aus_.contains(QLatin1String("alle Klienten")));
}

void TestAuswertung::ausgabeInDatei()
{
    const QString a = datei(QStringLiteral("o_Verlauf.dat"), {{4.25, KL}, {70.003, TL}});
    const QString ziel = dir_.filePath(QStringLiteral("tabelle.csv"));
    QCOMPARE(aufruf({QStringLiteral("zusammenfassung"), QStringLiteral("--csv"), a,
                     QStringLiteral("-o"), ziel}),
             0);
    QVERIFY(aus_.isEmpty());
    QVERIFY(QFile::exists(ziel));
    QVERIFY(dateiInhalt(ziel).startsWith("datei,einheiten,"));

    // The output may never be one of the inputs.
    init();
    QCOMPARE(aufruf({QStringLiteral("zusammenfassung"), a, QStringLiteral("-o"), ziel, ziel}),
             int(Auswertung::Aufruffehler));
    QVERIFY(fehler_.contains(QLatin1String("ist eine der Eingabedateien")));
}

void TestAuswertung::dezimalkommaUndDauerwarnung()
{
    Druecke lang;
    for (int i = 1; i <= 60; ++i)
        lang.emplace_back(i * 10.0, 1 + i % 7);
    Druecke kurz = lang;
    kurz.resize(40);
    const QString a = datei(QStringLiteral("d_a_Verlauf.dat"), lang);
    const QString b = datei(QStringLiteral("d_b_Verlauf.dat"), kurz);
    QCOMPARE(aufruf({QStringLiteral("uebereinstimmung"), QStringLiteral("--dezimalkomma"), a, b}),
             0);
    QVERIFY2(fehler_.contains(QStringLiteral("die bewerteten Dauern weichen um mehr als ein "
                                             "Fünftel ab: d_a_Verlauf.dat reicht 10:00.000, "
                                             "d_b_Verlauf.dat reicht 06:40.000")),
             qPrintable(fehler_));
    QVERIFY2(aus_.contains(QLatin1String("Scheiben zu 0,100 s")), qPrintable(aus_));
    QVERIFY(
        aus_.contains(QRegularExpression(QStringLiteral("KI \\[-?\\d,\\d{3}; -?\\d,\\d{3}\\]"))));
    // A CSV table keeps the point for the programs that read it.
    init();
    QCOMPARE(aufruf({QStringLiteral("uebereinstimmung"), QStringLiteral("--csv"),
                     QStringLiteral("--dezimalkomma"), a, b}),
             0);
    QCOMPARE(csvSpalten(aus_)("schritt_s"), QStringLiteral("0.100"));
}

QTEST_MAIN(TestAuswertung)
#include "tst_auswertung.moc"
