#include "sitzung.h"
#include "sitzungsjournal.h"
#include "wanduhr.h"

#include "testdateien.h"

#include <QDir>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

// The session's flags and backup names without a window.
class TestSitzung : public QObject
{
    Q_OBJECT

private slots:
    void flaggen();
    void korrekturBrauchtEineEinschaetzung();
    void sicherungsNamen_data();
    void sicherungsNamen();
    void journalErstBeiBedarf();
    void reihenfolgeDerDruecke_data();
    void reihenfolgeDerDruecke();
    void einSchreiberProSitzung();
};

void TestSitzung::flaggen()
{
    Sitzung s;
    QVERIFY(!s.gestartet());
    QVERIFY2(!s.pauseGedrueckt(), "run started over the start entry only");
    s.eintragen(Zeitpunkt(0, 4.25), 4);
    QVERIFY(s.ungesichert() && s.seitLesenBewertet());
    QCOMPARE(s.bewertetBis(), Zeitpunkt(0, 0.0));
    s.angehalten();
    QCOMPARE(s.bewertetBis(), Zeitpunkt(0, 4.25));
    QVERIFY(s.gestartet());
    QVERIFY(s.pauseGedrueckt());

    // A read-back: continued, rated up to its last entry, nothing rated since.
    s.eingelesen(true);
    QVERIFY(s.weitergefuehrt() && !s.seitLesenBewertet());
    s.zuruecksetzen();
    QVERIFY(!s.weitergefuehrt() && !s.pauseGedrueckt() && !s.ungesichert());
    QCOMPARE(s.bewertetBis(), Zeitpunkt(0, 0.0));

    // A failed read-back continues nothing; one of a file without ratings sets no pause.
    s.eingelesen(false);
    QVERIFY(!s.weitergefuehrt());
    s.eingelesen(true);
    QVERIFY(s.weitergefuehrt() && !s.pauseGedrueckt());
    s.journal()->warten();
}

void TestSitzung::korrekturBrauchtEineEinschaetzung()
{
    Sitzung s;
    QVERIFY(!s.korrigieren(3));
    QVERIFY(!s.seitLesenBewertet());
    s.eintragen(Zeitpunkt(0, 4.25), 4);
    s.eintragen(Zeitpunkt(1, 10.003), 1);
    QVERIFY(s.korrigieren(2));
    QCOMPARE(s.verlauf().eintragInfo(Zeitpunkt(1, 10.003)).einschaetzung, 2);
    QCOMPARE(s.verlauf().eintragInfo(Zeitpunkt(0, 4.25)).einschaetzung, 4);
    s.journal()->warten();
}

void TestSitzung::sicherungsNamen_data()
{
    QTest::addColumn<QDateTime>("jetzt");
    QTest::addColumn<QStringList>("teile");
    QTest::newRow("Beispiel") << QDateTime(QDate(2003, 6, 16), QTime(9, 30, 5))
                              << QStringList{"SIKO_20030616", "093005"};
    QTest::newRow("Jahresende") << QDateTime(QDate(2026, 12, 31), QTime(23, 59, 59))
                                << QStringList{"SIKO_20261231", "235959"};
    QTest::newRow("Mitternacht") << QDateTime(QDate(2027, 1, 1), QTime(0, 0, 0))
                                 << QStringList{"SIKO_20270101", "000000"};
}

void TestSitzung::sicherungsNamen()
{
    QFETCH(QDateTime, jetzt);
    QFETCH(QStringList, teile);
    const FesteWanduhr uhr(jetzt);
    const Wanduhr *vorher = Wanduhr::einsetzen(&uhr);
    QCOMPARE(Sitzung::sicherungsTeile(), teile);
    Wanduhr::einsetzen(vorher);
}

// Its thread is started at the first rating or naming, not with the window.
void TestSitzung::journalErstBeiBedarf()
{
    QTemporaryDir ordner;
    Sitzung s;
    QVERIFY(s.gesichert() && s.journalAbwarten());
    s.benennen(QStringLiteral("k17"), QStringLiteral("elmaro"), ordner.path());
    s.eintragen(Zeitpunkt(0, 4.25), 4);
    QVERIFY(s.journalAbwarten());
    QVERIFY(QFile::exists(s.journal()->dateiPfad()));
    QVERIFY(s.gesichert());
    QVERIFY(!QFile::exists(ordner.filePath(QStringLiteral("k17_elmaro_Journal.dat"))));
}

// With a player setting the time, a press never lies at or before the one before it, until a
// start or pause (by hand, two presses in one millisecond still store one entry).
void TestSitzung::reihenfolgeDerDruecke_data()
{
    QTest::addColumn<bool>("angehalten");
    QTest::addColumn<QString>("gespeichert");
    QTest::newRow("stehend") << false << QStringLiteral("10.1=1 10.101=4 10.102=7 10.103=2");
    QTest::newRow("Pause dazwischen") << true << QStringLiteral("10=2 10.1=1 10.101=4 10.102=7");
}

void TestSitzung::reihenfolgeDerDruecke()
{
    QFETCH(bool, angehalten);
    QFETCH(QString, gespeichert);
    Sitzung s;
    // Three presses while the counter stands, then one after it stepped back.
    for (int kategorie : {1, 4, 7})
        s.eintragen(Zeitpunkt(0, 10.1), kategorie, true);
    if (angehalten)
        s.angehalten();
    s.eintragen(Zeitpunkt(0, 10.0), 2, true);
    QStringList liste;
    for (const auto &[t, kategorie] : s.verlauf().eintraege()) {
        if (kategorie > 0)
            liste << QString::number(t.inSekunden(), 'g', 6) + QLatin1Char('=') +
                         QString::number(kategorie);
    }
    QCOMPARE(liste.join(QLatin1Char(' ')), gespeichert);
    s.journalAbwarten();
}

// One session, one writer, and its files by the folder's absolute path.
void TestSitzung::einSchreiberProSitzung()
{
    QStandardPaths::setTestModeEnabled(true);
    QTemporaryDir ordner;
    Sitzung erste;
    Sitzung zweite;
    QVERIFY(erste.benennen(QStringLiteral("k17"), QStringLiteral("elmaro"), ordner.path()));
    QVERIFY(!zweite.benennen(QStringLiteral("K17"), QStringLiteral("Elmaro"), ordner.path()));
    QVERIFY(!zweite.sperrFehler().isEmpty());
    QVERIFY(zweite.benennen(QStringLiteral("k18"), QStringLiteral("elmaro"), ordner.path()));
    QCOMPARE(zweite.dateiPfad(QStringLiteral("x.dat")), QDir(ordner.path()).filePath("x.dat"));
    erste.zuruecksetzen();
    QVERIFY(zweite.benennen(QStringLiteral("K17"), QStringLiteral("Elmaro"), QString()));
    QCOMPARE(zweite.ordner(), QDir(ordner.path()).absolutePath());
}

QTEST_GUILESS_MAIN(TestSitzung)
#include "tst_sitzung.moc"
