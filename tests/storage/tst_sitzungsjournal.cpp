#include "dateigroessengrenze.h"
#include "journalfund.h"
#include "journalvermerk.h"
#include "sitzungsjournal.h"
#include "testdateien.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTextStream>

#include <memory>

namespace {

QString verlaufText(const QString &pfad)
{
    QFile datei(pfad);
    if (!datei.open(QIODevice::ReadOnly))
        return QStringLiteral("<nicht lesbar>");
    QTextStream stream(&datei);
    Verlauf v;
    if (!v.einlesen(stream))
        return QStringLiteral("<fehlerhaft>");
    QStringList s;
    for (const auto &[t, kategorie] : v.eintraege())
        s << t.toString() + QLatin1Char('=') + QString::number(kategorie);
    return s.join(QLatin1Char(' '));
}

} // namespace

class TstSitzungsJournal : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void init();

    void schreibtJedeAenderungImVerlaufsformat();
    void fremdesJournalBleibtUnberuehrt();
    void neueNamenZiehenUm();
    void fehlschlagGemeldetUndNachgeholt();
    void zerstoerenSchreibtAusstehendes();
    void uebernommeneDateiWirdWeitergefuehrt();
    void findenLiestNamenUndStand();

private:
    QString pfad(const QString &name) const { return ordner->filePath(name); }
    // 00:04.250 category 4, 01:10.003 first 1, then corrected to 2.
    static void bewerten(SitzungsJournal &j);

    std::unique_ptr<QTemporaryDir> ordner;
};

void TstSitzungsJournal::init()
{
    ordner = std::make_unique<QTemporaryDir>();
    QVERIFY(ordner->isValid());
}

void TstSitzungsJournal::bewerten(SitzungsJournal &j)
{
    j.eintragen(Zeitpunkt(0, 4.25), 4);
    j.eintragen(Zeitpunkt(1, 10.003), 1);
    j.korrigieren(Zeitpunkt(1, 10.003), 2);
}

void TstSitzungsJournal::schreibtJedeAenderungImVerlaufsformat()
{
    SitzungsJournal j;
    j.benennen(QStringLiteral("k17"), QStringLiteral("elmaro"), ordner->path());
    // A fresh history holds nothing the rater made: no file.
    j.ersetzen(Verlauf());
    QVERIFY(j.warten());
    QVERIFY(eintraege(ordner->path()).isEmpty());

    bewerten(j);
    const QString datei = pfad(QStringLiteral("k17_elmaro_Journal.dat"));
    QTRY_COMPARE_WITH_TIMEOUT(dateiInhalt(datei), k17Zeile0 + k17Zeile1 + k17Zeile2, 1000);
    QCOMPARE(j.dateiPfad(), datei);
    QCOMPARE(verlaufText(datei), QStringLiteral("00:00.000=0 00:04.250=4 01:10.003=2"));
    QCOMPARE(eintraege(ordner->path()), QStringList{QStringLiteral("k17_elmaro_Journal.dat")});

    // The session saved: the file goes, and the next session starts from nothing.
    QVERIFY(j.entfernen());
    QVERIFY(!QFile::exists(datei));
    j.eintragen(Zeitpunkt(0, 2.0), 7);
    QVERIFY(j.warten());
    QCOMPARE(verlaufText(datei), QStringLiteral("00:00.000=0 00:02.000=7"));
}

// A journal that was there before (a session not recovered) is another session's data.
void TstSitzungsJournal::fremdesJournalBleibtUnberuehrt()
{
    const QByteArray fremd = k17Zeile0 + "00:09.000\t7\t0\t9\tk17\telmaro\t0\t9\t0\n";
    QVERIFY(dateiSchreiben(pfad(QStringLiteral("k17_elmaro_Journal.dat")), fremd));
    SitzungsJournal j;
    j.benennen(QStringLiteral("k17"), QStringLiteral("elmaro"), ordner->path());
    bewerten(j);
    QVERIFY(j.warten());
    QCOMPARE(j.dateiPfad(), pfad(QStringLiteral("k17_elmaro_Journal_2.dat")));
    QCOMPARE(dateiInhalt(j.dateiPfad()), k17Zeile0 + k17Zeile1 + k17Zeile2);

    QVERIFY(j.entfernen());
    QCOMPARE(eintraege(ordner->path()), QStringList{QStringLiteral("k17_elmaro_Journal.dat")});
    QCOMPARE(dateiInhalt(pfad(QStringLiteral("k17_elmaro_Journal.dat"))), fremd);
}

void TstSitzungsJournal::neueNamenZiehenUm()
{
    SitzungsJournal j;
    j.benennen(QStringLiteral("k17"), QStringLiteral("elmaro"), ordner->path());
    bewerten(j);
    QVERIFY(j.warten());
    j.benennen(QStringLiteral("k18"), QStringLiteral("elmaro"), ordner->path());
    QVERIFY(j.warten());
    QCOMPARE(eintraege(ordner->path()), QStringList{QStringLiteral("k18_elmaro_Journal.dat")});
    QCOMPARE(dateiInhalt(pfad(QStringLiteral("k18_elmaro_Journal.dat"))),
             QByteArray(k17Zeile0 + k17Zeile1 + k17Zeile2).replace("k17", "k18"));
}

// A full disk: reported once, the file is never left half written, and the next attempt
// after the space is back writes everything.
void TstSitzungsJournal::fehlschlagGemeldetUndNachgeholt()
{
    SitzungsJournal j;
    QSignalSpy fehler(&j, &SitzungsJournal::fehlgeschlagen);
    QSignalSpy wieder(&j, &SitzungsJournal::wiederGeschrieben);
    j.benennen(QStringLiteral("k17"), QStringLiteral("elmaro"), ordner->path());
    {
        VOLLE_PLATTE_ODER_UEBERSPRINGEN(true);
        DateigroessenGrenze grenze(50);
        j.eintragen(Zeitpunkt(0, 4.25), 4);
        QVERIFY(!j.warten());
        j.eintragen(Zeitpunkt(1, 10.003), 2);
        QVERIFY(!j.warten());
    }
    QTRY_COMPARE(fehler.size(), 1);
    QCOMPARE(fehler.at(0).at(0).toString(), QStringLiteral("k17_elmaro_Journal.dat"));
    QVERIFY(!fehler.at(0).at(1).toString().isEmpty());
    QVERIFY(eintraege(ordner->path()).isEmpty());
    QCOMPARE(wieder.size(), 0);

    j.eintragen(Zeitpunkt(2, 0.0), 7);
    QVERIFY(j.warten());
    QTRY_COMPARE(wieder.size(), 1);
    QCOMPARE(verlaufText(pfad(QStringLiteral("k17_elmaro_Journal.dat"))),
             QStringLiteral("00:00.000=0 00:04.250=4 01:10.003=2 02:00.000=7"));
    QCOMPARE(fehler.size(), 1);
}

void TstSitzungsJournal::zerstoerenSchreibtAusstehendes()
{
    {
        SitzungsJournal j;
        j.benennen(QStringLiteral("k17"), QStringLiteral("elmaro"), ordner->path());
        bewerten(j);
    }
    QCOMPARE(dateiInhalt(pfad(QStringLiteral("k17_elmaro_Journal.dat"))),
             k17Zeile0 + k17Zeile1 + k17Zeile2);
}

// A recovered session writes on in the journal it came from, also under a second number.
void TstSitzungsJournal::uebernommeneDateiWirdWeitergefuehrt()
{
    QVERIFY(dateiSchreiben(pfad(QStringLiteral("k17_elmaro_Journal.dat")), "fremd\n"));
    const QString eigene = pfad(QStringLiteral("k17_elmaro_Journal_2.dat"));
    QVERIFY(dateiSchreiben(eigene, k17Zeile0 + k17Zeile1));
    SitzungsJournal j;
    j.uebernehmen(eigene, QStringLiteral("k17"), QStringLiteral("elmaro"));
    j.benennen(QStringLiteral("k17"), QStringLiteral("elmaro"), ordner->path());
    Verlauf gelesen;
    gelesen.eintragen(Zeitpunkt(0, 4.25), 4);
    j.ersetzen(gelesen);
    j.eintragen(Zeitpunkt(1, 10.003), 2);
    QVERIFY(j.warten());
    QCOMPARE(j.dateiPfad(), eigene);
    QCOMPARE(dateiInhalt(eigene), k17Zeile0 + k17Zeile1 + k17Zeile2);
    QCOMPARE(eintraege(ordner->path()), QStringList({QStringLiteral("k17_elmaro_Journal.dat"),
                                                     QStringLiteral("k17_elmaro_Journal_2.dat")}));
}

// Offered: journals with a rating, newest first, each with its saved history if there is
// one. Not offered: a journal without a rating (and removed), one marked as saved.
void TstSitzungsJournal::findenLiestNamenUndStand()
{
    // A name with "_" in it: the lines' name fields tell where the file name splits.
    QVERIFY(dateiSchreiben(pfad(QStringLiteral("k_17_elmaro_Journal_2.dat")),
                           "00:00.000\t0\t0\t0\tk_17\telmaro\t0\t0\t0\n"
                           "00:04.250\t4\t0\t4.25\tk_17\telmaro\t0\t4\t250\n"));
    QVERIFY(dateiSchreiben(pfad(QStringLiteral("k_17_ELMARO_Verlauf.dat")),
                           verlaufZeilen(QStringLiteral("k_17"), QStringLiteral("elmaro"), 4)));
    QVERIFY(dateiSchreiben(pfad(QStringLiteral("k17_elmaro_Journal.dat")),
                           k17Zeile0 + k17Zeile1 + k17Zeile2));
    QVERIFY(dateiSchreiben(pfad(QStringLiteral("k17_elmaro_Verlauf.dat")), k17Zeile0));
    QVERIFY(dateiSchreiben(pfad(QStringLiteral("leer_Journal.dat")), ""));
    QVERIFY(dateiSchreiben(pfad(QStringLiteral("k18_elmaro_Journal.dat")), k17Zeile0 + k17Zeile1));
    QVERIFY(JournalVermerk::vermerken(pfad(QStringLiteral("k18_elmaro_Journal.dat"))));
    QVERIFY(dateiSchreiben(pfad(QStringLiteral("k19_elmaro_Journal.dat")), k17Zeile0 + k17Zeile1));
    QVERIFY(JournalVermerk::vermerken(pfad(QStringLiteral("k19_elmaro_Journal.dat"))));
    // Written again after the mark: a session of its own.
    QVERIFY(dateiSchreiben(pfad(QStringLiteral("k19_elmaro_Journal.dat")),
                           k17Zeile0 + k17Zeile1 + k17Zeile2));
    QVERIFY(QDir(ordner->path()).mkdir(QStringLiteral("k19_x_Journal.dat")));
    const QDateTime jetzt = QDateTime::currentDateTime();
    for (const auto &[name, sekunden] :
         {std::pair{"k_17_elmaro_Journal_2.dat", -60}, std::pair{"k17_elmaro_Journal.dat", 60},
          std::pair{"k19_elmaro_Journal.dat", -120}}) {
        QFile f(pfad(QLatin1String(name)));
        QVERIFY(f.open(QIODevice::ReadWrite));
        QVERIFY(f.setFileTime(jetzt.addSecs(sekunden), QFileDevice::FileModificationTime));
    }

    const QList<JournalFund> funde = JournalFund::finden(ordner->path());
    QStringList gefunden;
    for (const JournalFund &f : funde)
        gefunden << QStringLiteral("%1|%2|%3|%4|%5|%6 %7 %8")
                        .arg(f.dateiName, f.klient, f.rater, QString::number(f.sinneinheiten),
                             f.letzterZeitpunkt.toString(), f.verlaufDatei,
                             QString::number(f.verlaufEinheiten),
                             f.aelterAlsVerlauf() ? QStringLiteral("aelter") : QString());
    QCOMPARE(gefunden,
             QStringList({QStringLiteral("k17_elmaro_Journal.dat|k17|elmaro|2|01:10.003|"
                                         "k17_elmaro_Verlauf.dat 0 "),
                          QStringLiteral("k_17_elmaro_Journal_2.dat|k_17|elmaro|1|00:04.250|"
                                         "k_17_ELMARO_Verlauf.dat 3 aelter"),
                          QStringLiteral("k19_elmaro_Journal.dat|k19|elmaro|2|01:10.003| 0 ")}));
    QCOMPARE(funde.first().pfad, pfad(QStringLiteral("k17_elmaro_Journal.dat")));
    QVERIFY(!QFile::exists(pfad(QStringLiteral("leer_Journal.dat"))));
}

QTEST_GUILESS_MAIN(TstSitzungsJournal)
#include "tst_sitzungsjournal.moc"
