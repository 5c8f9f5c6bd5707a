#include "auswertung.h"
#include "dateigroessengrenze.h"
#include "einschaetzung.h"
#include "palette.h"
#include "testdateien.h"
#include "testsitzung.h"
#include "uebereinstimmung.h"

#include <QDir>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>

// Pictures and the PDF report as a reader on paper gets them.
class TestBilder : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void paletteInGrau();
    void zeitleisteDruckgroesse();
    void zeitleisteTitelNamenAusschnitt();
    void vollerDatentraeger_data();
    void vollerDatentraeger();
    void berichtPaar();
    void berichtStudie();

private:
    int aufruf(const QStringList &argumente);
    QString pdfText(const QString &pdf, int &seiten);

    QTemporaryDir dir_;
    QString a_;
    QString b_;
    QString aus_;
    QString fehler_;
};

namespace {

double linear(int c)
{
    const double x = c / 255.0;
    return x <= 0.04045 ? x / 12.92 : std::pow((x + 0.055) / 1.055, 2.4);
}

// What a grey print or a grey conversion may make of a colour, three common ways.
std::array<double, 3> grauwerte(const QColor &c)
{
    const double l =
        0.2126 * linear(c.red()) + 0.7152 * linear(c.green()) + 0.0722 * linear(c.blue());
    const double srgb = l <= 0.0031308 ? 12.92 * l : 1.055 * std::pow(l, 1 / 2.4) - 0.055;
    return {helligkeit(c), 0.299 * c.red() + 0.587 * c.green() + 0.114 * c.blue(), 255 * srgb};
}

// CIE L*, perceived lightness from 0 to 100.
double cieL(const QColor &c)
{
    const double y =
        0.2126 * linear(c.red()) + 0.7152 * linear(c.green()) + 0.0722 * linear(c.blue());
    return 116 * (y > 216.0 / 24389 ? std::cbrt(y) : (24389.0 / 27 * y + 16) / 116) - 16;
}

Druecke rater(double versatz)
{
    Druecke d;
    for (int i = 1; i <= 120; ++i)
        d.emplace_back(i * 4.1 + versatz + (i % 3) * 0.2, 1 + (i * i) % 7);
    return d;
}

} // namespace

void TestBilder::initTestCase()
{
    a_ = dir_.filePath(QStringLiteral("k17_anna_Verlauf.dat"));
    b_ = dir_.filePath(QStringLiteral("k17_bert_Verlauf.dat"));
    QVERIFY(testDateiSchreiben(a_, testVerlauf(rater(0)), QStringLiteral("k17"),
                               QStringLiteral("anna")));
    Druecke b = rater(0.6);
    for (size_t i = 0; i < b.size(); i += 9)
        b[i].second = KNL;
    QVERIFY(testDateiSchreiben(b_, testVerlauf(b), QStringLiteral("k17"), QStringLiteral("bert")));
}

void TestBilder::init()
{
    aus_.clear();
    fehler_.clear();
}

int TestBilder::aufruf(const QStringList &argumente)
{
    return auswertungAufrufen(argumente, aus_, fehler_);
}

void TestBilder::paletteInGrau()
{
    // Printed in grey, every two codes still differ clearly, and the pause still shows
    // against the white paper.
    for (int a = TL; a <= NIX; ++a) {
        const auto ga = grauwerte(kategorieFarbe(a));
        for (size_t w = 0; w < ga.size(); ++w)
            QVERIFY2(255 - ga[w] >= 10, qPrintable(EinschaetzungKuerzel[a]));
        for (int b = a + 1; b <= NIX; ++b) {
            const auto gb = grauwerte(kategorieFarbe(b));
            QVERIFY2(std::abs(cieL(kategorieFarbe(a)) - cieL(kategorieFarbe(b))) >= 12,
                     qPrintable(EinschaetzungKuerzel[a] + EinschaetzungKuerzel[b]));
            for (size_t w = 0; w < ga.size(); ++w)
                QVERIFY2(std::abs(ga[w] - gb[w]) >= 25,
                         qPrintable(QStringLiteral("%1 und %2: %3 gegen %4")
                                        .arg(EinschaetzungKuerzel[a], EinschaetzungKuerzel[b])
                                        .arg(ga[w])
                                        .arg(gb[w])));
        }
    }
}

void TestBilder::zeitleisteDruckgroesse()
{
    const QString png = dir_.filePath(QStringLiteral("z.png"));
    QCOMPARE(aufruf({QStringLiteral("zeitleiste"), a_, b_, QStringLiteral("-o"), png}), 0);
    const QImage bild(png);
    // 17 cm at 300 dpi.
    QCOMPARE(bild.width(), 2008);
    QCOMPARE(bild.dotsPerMeterX(), 11811);
    QVERIFY(qAbs(bild.width() / (bild.dotsPerMeterX() / 100.0) - 17.0) < 0.01);

#ifndef MORVANTO_SVG
    QSKIP("built without Qt Svg (the Windows build writes no SVG timelines)");
#endif
    const QString svg = dir_.filePath(QStringLiteral("z.svg"));
    QCOMPARE(aufruf({QStringLiteral("zeitleiste"), a_, b_, QStringLiteral("-o"), svg}), 0);
    QVERIFY(dateiInhalt(svg).contains("<svg width=\"170mm\""));
}

void TestBilder::zeitleisteTitelNamenAusschnitt()
{
#ifndef MORVANTO_SVG
    QSKIP("built without Qt Svg (the Windows build writes no SVG timelines)");
#endif
    const QString svg = dir_.filePath(QStringLiteral("t.svg"));
    QCOMPARE(aufruf({QStringLiteral("zeitleiste"), a_, b_, QStringLiteral("-o"), svg,
                     QStringLiteral("--titel"), QStringLiteral("Sitzung 3 – Übereinstimmung"),
                     QStringLiteral("--von"), QStringLiteral("1:00"), QStringLiteral("--bis"),
                     QStringLiteral("120")}),
             0);
    const QString text = QString::fromUtf8(dateiInhalt(svg));
    QVERIFY(text.contains(QStringLiteral("Sitzung 3 – Übereinstimmung")));
    QVERIFY(text.contains(QStringLiteral("Ausschnitt 01:00.000 bis 02:00.000")));
    // Bands carry the raters' names, not the raw file names.
    QVERIFY(text.contains(QLatin1String(">anna<")));
    QVERIFY(!text.contains(QLatin1String("_Verlauf.dat")));
    // The axis starts at the window.
    QVERIFY(text.contains(QLatin1String(">01:00<")));
    QVERIFY(!text.contains(QLatin1String(">00:00<")));

    QCOMPARE(aufruf({QStringLiteral("zeitleiste"), a_, b_, QStringLiteral("-o"), svg,
                     QStringLiteral("--namen"), QStringLiteral("Rater 1, Rater 2")}),
             0);
    QVERIFY(dateiInhalt(svg).contains(">Rater 2"));
}

void TestBilder::vollerDatentraeger_data()
{
    QTest::addColumn<QStringList>("argumente");
    QTest::addColumn<QString>("ziel");
    QTest::newRow("PNG") << QStringList{QStringLiteral("zeitleiste")} << "voll.png";
#ifdef MORVANTO_SVG
    QTest::newRow("SVG") << QStringList{QStringLiteral("zeitleiste")} << "voll.svg";
#endif
    QTest::newRow("PDF") << QStringList{QStringLiteral("bericht"), QStringLiteral("--bootstrap"),
                                        QStringLiteral("50")}
                         << "voll.pdf";
    QTest::newRow("CSV") << QStringList{QStringLiteral("uebereinstimmung"), QStringLiteral("--csv"),
                                        QStringLiteral("--bootstrap"), QStringLiteral("0")}
                         << "voll.csv";
}

void TestBilder::vollerDatentraeger()
{
    // A write that fails for real, as on a full disk: the previous file stays as it was,
    // nothing half-written takes its place, and the failure is reported as one.
    QFETCH(QStringList, argumente);
    QFETCH(QString, ziel);
    QTemporaryDir ordner;
    const QString pfad = ordner.filePath(ziel);
    QVERIFY(dateiSchreiben(pfad, "die vorige Fassung"));
    int r = 0;
    {
        VOLLE_PLATTE_ODER_UEBERSPRINGEN(true);
        const DateigroessenGrenze grenze(4096);
        r = aufruf(argumente + QStringList{a_, b_, QStringLiteral("-o"), pfad});
    }
    QCOMPARE(r, int(Auswertung::Dateifehler));
    QVERIFY2(fehler_.contains(pfad + QStringLiteral(": kann nicht geschrieben werden")) ||
                 fehler_.contains(pfad + QStringLiteral(" kann nicht geschrieben werden")),
             qPrintable(fehler_));
    QCOMPARE(dateiInhalt(pfad), QByteArray("die vorige Fassung"));
    QCOMPARE(eintraege(ordner.path()), QStringList{ziel});
}

// The PDF's text is read back with Debian's pdftotext, which a Windows program cannot start.
#ifdef Q_OS_WIN
#define PDF_LESER_ODER_UEBERSPRINGEN()                                                             \
    QSKIP("pdftotext, a Debian program, cannot be started from Windows")
#else
#define PDF_LESER_ODER_UEBERSPRINGEN()
#endif

QString TestBilder::pdfText(const QString &pdf, int &seiten)
{
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    if (!p.waitForFinished(30000) || p.exitCode() != 0) {
        seiten = -1;
        return QString::fromUtf8(p.readAllStandardError());
    }
    const QString text = QString::fromUtf8(p.readAllStandardOutput());
    // pdftotext ends every page with a form feed.
    seiten = int(text.count(QLatin1Char('\f')));
    return text;
}

void TestBilder::berichtPaar()
{
    const QString pdf = dir_.filePath(QStringLiteral("paar.pdf"));
    QCOMPARE(aufruf({QStringLiteral("bericht"), QStringLiteral("--versatz"), QStringLiteral("auto"),
                     a_, b_, QStringLiteral("-o"), pdf}),
             0);
    QVERIFY2(fehler_.isEmpty(), qPrintable(fehler_));
    QVERIFY(dateiInhalt(pdf).startsWith("%PDF-"));
    PDF_LESER_ODER_UEBERSPRINGEN();
    int seiten = 0;
    const QString text = pdfText(pdf, seiten);
    QCOMPARE(seiten, 3);

    // The figures, as the comparison computes them.
    Vergleichseinstellungen e;
    e.versatzAutomatisch = true;
    const Uebereinstimmung u(testSitzung(rater(0)), testSitzung(rater(0.6)), e);
    QCOMPARE(u.versatz(), -us(0.6));
    const QRegularExpression kappa(QStringLiteral("7 Kategorien\\s+zeitbasiert\\s+\\d+ Scheiben\\s+"
                                                  "[0-9.]+ %\\s+(0\\.\\d{3})\\s+\\[(0\\.\\d{3}), "
                                                  "(0\\.\\d{3})\\]"));
    const QRegularExpressionMatch m = kappa.match(text);
    QVERIFY2(m.hasMatch(), qPrintable(text.left(3000)));
    QVERIFY(m.captured(2).toDouble() < m.captured(1).toDouble());
    QVERIFY(m.captured(1).toDouble() < m.captured(3).toDouble());
    for (const char *erwartet :
         {"Rater A: k17_anna_Verlauf.dat", "Versatz von B -0.600 s", "Cohens Kappa [KI]",
          "ereignisbasiert", "mit Segmentierung", "Je Kategorie", "Zeitleiste",
          "Für den Methodenteil", "Scheiben zu 0.1 s", "höchstens 2 s auseinanderliegen",
          "im Bereich ±3 s", "1000 Wiederholungen", "Für den Ergebnisteil", "Quellen",
          "Randhomogenität (Stuart-Maxwell)", "Sprecherebene"})
        QVERIFY2(text.contains(QString::fromUtf8(erwartet)), erwartet);

    // Kept for looking at: MORVANTO_BILDER=/some/dir ctest ...
    const QString ablage = qEnvironmentVariable("MORVANTO_BILDER");
    if (!ablage.isEmpty())
        QFile::copy(pdf, ablage + QStringLiteral("/bericht-paar.pdf"));
}

void TestBilder::berichtStudie()
{
    QTemporaryDir studie;
    for (int k = 1; k <= 3; ++k) {
        for (int r = 0; r < (k == 2 ? 3 : 2); ++r) {
            const QString rater = QStringLiteral("r%1").arg(r);
            QVERIFY(testDateiSchreiben(
                studie.filePath(QStringLiteral("k%1_%2_Verlauf.dat").arg(k).arg(rater)),
                testVerlauf(rater == QLatin1String("r0") ? ::rater(0) : ::rater(0.2 * r)),
                QStringLiteral("k%1").arg(k), rater));
        }
    }
    const QString pdf = dir_.filePath(QStringLiteral("studie.pdf"));
    QCOMPARE(aufruf({QStringLiteral("bericht"), studie.path(), QStringLiteral("-o"), pdf,
                     QStringLiteral("--titel"), QStringLiteral("Studie Ü"),
                     QStringLiteral("--dezimalkomma")}),
             0);
    QVERIFY(dateiInhalt(pdf).startsWith("%PDF-"));
    PDF_LESER_ODER_UEBERSPRINGEN();
    int seiten = 0;
    const QString text = pdfText(pdf, seiten);
    QVERIFY2(seiten >= 3, qPrintable(text.left(2000)));
    for (const char *erwartet :
         {"Studie Ü", "3 Klienten mit mindestens zwei Ratern, 7 Verlaufsdateien, 5 Rater-Paare",
          "Kennwerte, gepoolt über alle Paare", "Fleiss' Kappa", "Krippendorffs Alpha",
          "Für den Methodenteil", "Je Paar", "Zeitleisten je Klient", "Klient k1", "Klient k2",
          "Klient k3", "Bootstrap über ganze Sitzungen", "nur 3 Sitzungen", "ICC(A,1)",
          "Bland-Altman", "Scheiben zu 0,1 s",
          // Sessions of eight minutes in rows of five.
          "Ausschnitt 00:00.000 bis 05:00.000", "Ausschnitt 05:00.000 bis 08:"})
        QVERIFY2(text.contains(QString::fromUtf8(erwartet)), erwartet);
    // No page ends with a section's heading: it goes with its content.
    const QStringList abschnitte = {QStringLiteral("Kennwerte, gepoolt über alle Paare"),
                                    QStringLiteral("Größen je Sitzung"),
                                    QStringLiteral("Alle Rater eines Klienten (zeitbasiert)"),
                                    QStringLiteral("Kreuztabellen, gepoolt"),
                                    QStringLiteral("Je Kategorie, gepoolt"),
                                    QStringLiteral("Für den Methodenteil"),
                                    QStringLiteral("Für den Ergebnisteil"),
                                    QStringLiteral("Quellen"),
                                    QStringLiteral("Je Paar"),
                                    QStringLiteral("Zeitleisten je Klient")};
    for (const QString &seite : text.split(QLatin1Char('\f'))) {
        QStringList zeilen = seite.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        while (!zeilen.isEmpty() && (zeilen.last().trimmed().isEmpty() ||
                                     zeilen.last().contains(QStringLiteral("– Seite"))))
            zeilen.removeLast();
        QVERIFY2(zeilen.isEmpty() || !abschnitte.contains(zeilen.last().trimmed()),
                 qPrintable(zeilen.value(zeilen.size() - 1)));
    }
    // The client with three raters has its own multi-rater line.
    QVERIFY(text.contains(QRegularExpression(QStringLiteral("k2\\s+r0, r1, r2\\s+\\d+"))));
}

QTEST_MAIN(TestBilder)
#include "tst_bilder.moc"
