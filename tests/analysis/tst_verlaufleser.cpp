#include "einschaetzung.h"
#include "testsitzung.h"
#include "verlaufleser.h"

#include <QTemporaryDir>
#include <QTest>

class TestVerlaufLeser : public QObject
{
    Q_OBJECT

private slots:
    void beschaedigt_data();
    void beschaedigt();
    void fehlendeDatei();
    void nurStarteintrag();
    void erlaubteFormen();
    void rundreise();
};

namespace {

const QByteArray start = "00:00.000\t0\t0\t0\tk17\telmaro\t0\t0\t0\n";
const QByteArray zweite = "00:04.250\t4\t0\t4.25\tk17\telmaro\t0\t4\t250\n";
const QByteArray dritte = "01:10.003\t1\t4\t65.753\tk17\telmaro\t1\t10\t3\n";

} // namespace

void TestVerlaufLeser::beschaedigt_data()
{
    QTest::addColumn<QByteArray>("inhalt");
    QTest::addColumn<int>("zeile");
    QTest::addColumn<QString>("meldung");

    QTest::newRow("leer") << QByteArray() << 0 << "leer";
    QTest::newRow("CR LF") << QByteArray(start).replace("\n", "\r\n") << 1 << "CR LF";
    QTest::newRow("Leerzeichen statt TAB")
        << start + "00:04.250 4\t0\t4.25\tk17\telmaro\t0\t4\t250\n"
        << 2 << "Leerzeichen";
    QTest::newRow("Kategorie 4x") << start + QByteArray(zweite).replace("\t4\t0", "\t4x\t0") << 2
                                  << "keine ganze Zahl";
    QTest::newRow("Kategorie 9") << start + zweite + QByteArray(dritte).replace("\t1\t4", "\t9\t4")
                                 << 3 << "außerhalb von 1 bis 7";
    QTest::newRow("Kategorie -2") << start + QByteArray(zweite).replace("\t4\t0", "\t-2\t0") << 2
                                  << "außerhalb von 1 bis 7";
    QTest::newRow("Kategorie 0 mitten drin")
        << start + QByteArray(zweite).replace("\t4\t0", "\t0\t0") << 2 << "Starteintrag";
    QTest::newRow("Rating bei 00:00.000")
        << QByteArray(start).replace("\t0\t0\t0\tk", "\t5\t0\t0\tk") << 1 << "Starteintrag";
    QTest::newRow("letzte Zeile mitten abgeschnitten")
        << start + zweite + dritte.left(20) << 3 << "mitten abgeschnitten";
    QTest::newRow("letzte Zeile ohne die letzte Ziffer")
        << start + zweite + dritte.chopped(2) << 3 << "mitten abgeschnitten";
    QTest::newRow("sieben Felder") << start + "00:04.250\t4\t0\t4.25\tk17\telmaro\t0\n"
                                   << 2 << "7 Felder";
    QTest::newRow("leeres Namensfeld") << start + "00:04.250\t4\t0\t4.25\t\telmaro\t0\t4\t250\n"
                                       << 2 << "Feld 5 ist leer";
    QTest::newRow("Zeit ohne Doppelpunkt")
        << start + QByteArray(zweite).replace("00:04.250", "4.25") << 2 << "Zeitpunkt";
    QTest::newRow("negative Zeit")
        << start + QByteArray(zweite).replace("00:04.250", "-1:30.5") << 2 << "negativer Zeitpunkt";
    QTest::newRow("doppelter Zeitpunkt")
        << start + zweite + QByteArray(zweite).replace("\t4\t0", "\t5\t4") << 3
        << "steht schon in Zeile 2";
    // Files that are no history file at all are named for what they are.
    QTest::newRow("PNG") << QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16) << 0 << "PNG-Bild";
    QTest::newRow("Word-Datei") << QByteArray("PK\x03\x04\x14\0\x06\0", 8) << 0 << "ZIP-Archiv";
    QTest::newRow("Video") << QByteArray("\0\0\0\x20"
                                         "ftypisom\0\0\x02\0",
                                         16)
                           << 0 << "MP4";
    QTest::newRow("UTF-8 mit BOM") << "\xef\xbb\xbf" + start << 0 << "Byte-Order-Mark";
    QTest::newRow("UTF-16 mit BOM") << QByteArray("\xff\xfe"
                                                  "0\0"
                                                  "0\0"
                                                  ":\0"
                                                  "0\0"
                                                  "0\0"
                                                  "\t\0"
                                                  "0\0"
                                                  "\n\0",
                                                  18)
                                    << 0 << "UTF-16 (Little Endian, mit Byte-Order-Mark)";
    QByteArray utf16be;
    for (const char c : start)
        utf16be.append('\0').append(c);
    QTest::newRow("UTF-16 ohne BOM") << utf16be << 0 << "UTF-16 (Big Endian)";
    QTest::newRow("Nullbytes") << start + QByteArray("\0\x13\0\0\x7f\x01", 6) + zweite << 0
                               << "Binärdaten";
    QTest::newRow("Steuerzeichen")
        << start + QByteArray(zweite).replace("k17", "k\x1b[2J17") << 2 << "Steuerzeichen \\x1B";
}

void TestVerlaufLeser::beschaedigt()
{
    QFETCH(QByteArray, inhalt);
    QFETCH(int, zeile);
    QFETCH(QString, meldung);

    VerlaufLeser leser;
    QVERIFY(!leser.lesen(QStringLiteral("x_Verlauf.dat"), inhalt));
    const QString ort = zeile > 0 ? QStringLiteral("x_Verlauf.dat, Zeile %1: ").arg(zeile)
                                  : QStringLiteral("x_Verlauf.dat: ");
    QVERIFY2(leser.fehler().startsWith(ort), qPrintable(leser.fehler()));
    QVERIFY2(leser.fehler().contains(meldung), qPrintable(leser.fehler()));
    // The message goes to a terminal: no byte of the file may move its cursor or clear it.
    for (const QChar c : leser.fehler())
        QVERIFY2(c.unicode() >= 0x20 && (c.unicode() < 0x7f || c.unicode() > 0x9f),
                 qPrintable(leser.fehler()));
    // No half-read session survives a failure.
    QVERIFY(leser.sitzung().einheiten().empty());
}

void TestVerlaufLeser::fehlendeDatei()
{
    // In German words, not the operating system's English ones.
    QTemporaryDir dir;
    const QString pfad = dir.filePath(QStringLiteral("fehlt_Verlauf.dat"));
    VerlaufLeser leser;
    QVERIFY(!leser.lesen(pfad));
    QCOMPARE(leser.fehler(), pfad + QStringLiteral(": kann nicht gelesen werden (Datei nicht "
                                                   "gefunden)"));
    QVERIFY(!leser.lesen(dir.path()));
    QCOMPARE(leser.fehler(), dir.path() + QStringLiteral(": kann nicht gelesen werden (ist ein "
                                                         "Ordner, keine Datei)"));
    QVERIFY(!leser.lesen(dir.filePath(QStringLiteral("fehlt/x_Verlauf.dat"))));
    QVERIFY2(leser.fehler().endsWith(QStringLiteral("(der Ordner existiert nicht)")),
             qPrintable(leser.fehler()));
}

void TestVerlaufLeser::nurStarteintrag()
{
    VerlaufLeser leser;
    QVERIFY(leser.lesen(QStringLiteral("s"), start));
    QVERIFY(leser.fehler().isEmpty());
    QVERIFY(leser.sitzung().einheiten().empty());
    QCOMPARE(leser.sitzung().ende(), 0);
}

void TestVerlaufLeser::erlaubteFormen()
{
    // Short six-field lines, empty lines, a bare time point, any order and a missing
    // start entry all read as the console reads them.
    const QByteArray inhalt = "01:10.003\t1\t4\t65.753\tk17\telmaro\n"
                              "\n"
                              "00:07.000\n"
                              "0:4.25\t4\t0\t4.25\tk17\telmaro\t0\t4\t250\n"
                              "\n";
    VerlaufLeser leser;
    QVERIFY2(leser.lesen(QStringLiteral("s"), inhalt), qPrintable(leser.fehler()));
    // Client and rater as the first entry names them.
    QCOMPARE(leser.sitzung().klient(), QStringLiteral("k17"));
    QCOMPARE(leser.sitzung().rater(), QStringLiteral("elmaro"));
    const std::vector<Einheit> &e = leser.sitzung().einheiten();
    QCOMPARE(e.size(), size_t(2));
    QCOMPARE(e[0].beginn, 0);
    QCOMPARE(e[0].ende, us(4.25));
    QCOMPARE(e[0].kategorie, int(KL));
    QCOMPARE(e[1].beginn, us(4.25));
    QCOMPARE(e[1].ende, us(70.003));
    QCOMPARE(e[1].kategorie, int(TL));
    QVERIFY(leser.hinweise().isEmpty());

    // A complete last line without its line end is read, with a note.
    QVERIFY2(leser.lesen(QStringLiteral("s"), start + zweite + dritte.chopped(1)),
             qPrintable(leser.fehler()));
    QCOMPARE(leser.sitzung().einheiten().size(), size_t(2));
    QCOMPARE(leser.hinweise().size(), 1);
    QVERIFY(leser.hinweise()[0].contains(QStringLiteral("Zeile (3) ohne Zeilenende")));
}

void TestVerlaufLeser::rundreise()
{
    // A history built here, written like the console writes it, read back entry by entry.
    Druecke druecke;
    for (int i = 1; i <= 200; ++i)
        druecke.emplace_back(i * 3.217 + (i % 7) * 0.001, 1 + (i * 5) % 7);
    const Verlauf v = testVerlauf(druecke);
    QTemporaryDir dir;
    const QString pfad = dir.filePath(QStringLiteral("k17_Jürgen_Verlauf.dat"));
    QVERIFY(testDateiSchreiben(pfad, v));

    VerlaufLeser leser;
    QVERIFY2(leser.lesen(pfad), qPrintable(leser.fehler()));
    const Sitzung &s = leser.sitzung();
    QCOMPARE(s.datei(), pfad);
    QCOMPARE(s.einheiten().size(), druecke.size());
    qint64 vorher = 0;
    for (size_t i = 0; i < druecke.size(); ++i) {
        const Einheit &e = s.einheiten()[i];
        QCOMPARE(e.beginn, vorher);
        QCOMPARE(e.ende, us(std::round(druecke[i].first * 1000) / 1000));
        QCOMPARE(e.kategorie, druecke[i].second);
        vorher = e.ende;
    }

    // The console's own reader sees the same entries.
    QFile f(pfad);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QTextStream stream(&f);
    stream.setEncoding(QStringConverter::Latin1);
    Verlauf gelesen;
    QVERIFY(gelesen.einlesen(stream));
    QCOMPARE(Sitzung(pfad, gelesen).einheiten().size(), s.einheiten().size());
}

QTEST_GUILESS_MAIN(TestVerlaufLeser)
#include "tst_verlaufleser.moc"
