// Crashes and ends from outside, with real processes: a child rates through the real
// console and is killed or signalled; the session is then recovered in this process.
#include "dateigroessengrenze.h"
#include "konsolentest.h"
#include "sitzungsjournal.h"
#include "sitzungssperre.h"
#include "testdateien.h"
#include "wiederherstellungsfrage.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <csignal>
#include <memory>

namespace {

const QString journalK17 = QStringLiteral("k17_elmaro_Journal.dat");

// What the child rates, in the history file's line format with the names given.
QByteArray kindVerlauf(const QString &klient = QStringLiteral("k17"),
                       const QString &rater = QStringLiteral("elmaro"))
{
    return verlaufZeilen(klient, rater, 4);
}

// The answers to the recovery question, and what it asked; a retry prompt gives up.
struct Antworten : Rueckfrage
{
    explicit Antworten(QList<bool> a) : antworten(std::move(a)), vorher(einsetzen(this)) {}
    ~Antworten() override { einsetzen(vorher); }
    Antworten(const Antworten &) = delete;
    Antworten &operator=(const Antworten &) = delete;

    int fragen(Art art, QObject *, const QString &titel, const QString &text) override
    {
        if (art == Art::Hinweis)
            hinweise << titel;
        if (art != Art::Wiederherstellen && art != Art::WiederherstellenAelter)
            return art == Art::Wiederholen ? Aufgeben : Ja;
        titel_ << titel;
        texte << text;
        return !antworten.isEmpty() && antworten.takeFirst() ? Ja : Nein;
    }

    QList<bool> antworten;
    QStringList titel_;
    QStringList texte;
    QStringList hinweise;
    Rueckfrage *vorher;
};

} // namespace

class TstWiederherstellung : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void nachKill9WiederherstellenUndWeiterbewerten();
    void signalSchreibtSicherungskopie_data();
    void signalSchreibtSicherungskopie();
    void signalOhneBewertungenSchreibtNichts();
    void ablehnenLaesstJournalLiegen();
    void journalNichtZuSchreiben();
    void laufendeSitzungGehoertIhremFenster();
    void misslungeneSicherungEndetMitFehler();

private:
    // Starts the helper in the test's folder and waits until it has done its part.
    void kindStarten(const char *auftrag);

    QTemporaryDir basis;
    QString ordner;
    std::unique_ptr<QProcess> kind;
};

void TstWiederherstellung::initTestCase()
{
    QVERIFY(basis.isValid());
    schriftWieImProgramm();
}

void TstWiederherstellung::init()
{
    ordner = arbeitsordnerBetreten(basis);
    QVERIFY(!ordner.isEmpty());
}

void TstWiederherstellung::cleanup()
{
    if (kind && kind->state() != QProcess::NotRunning) {
        kind->kill();
        kind->waitForFinished(5000);
    }
    kind.reset();
}

void TstWiederherstellung::kindStarten(const char *auftrag)
{
    kind = std::make_unique<QProcess>();
    kind->setWorkingDirectory(ordner);
    kind->start(QStringLiteral(KONSOLENKIND), {QString::fromLatin1(auftrag)});
    QVERIFY2(kind->waitForStarted(5000), qPrintable(kind->errorString()));
    while (!kind->canReadLine())
        QVERIFY2(kind->waitForReadyRead(10000), kind->readAllStandardError().constData());
    QCOMPARE(kind->readLine(), QByteArray("bereit\n"));
}

void TstWiederherstellung::nachKill9WiederherstellenUndWeiterbewerten()
{
    kindStarten("bewerten");
    // Every press is on disk within a second, without anything ending the session.
    QTRY_COMPARE_WITH_TIMEOUT(dateiInhalt(journalK17), kindVerlauf(), 1000);
    ::kill(pid_t(kind->processId()), SIGKILL);
    QVERIFY(kind->waitForFinished(5000));
    QCOMPARE(kind->exitStatus(), QProcess::CrashExit);
    QCOMPARE(eintraege(ordner), QStringList{journalK17});

    Konsole k;
    QVERIFY(k.aktiv);
    MorvantoDialog *d = k.fenster();
    {
        Antworten antworten({true});
        d->wiederherstellungAnbieten();
        QCOMPARE(antworten.titel_,
                 QStringList{QStringLiteral("Morvanto - Sitzung wiederherstellen?")});
        const QString text = antworten.texte.value(0);
        for (const QString &teil :
             {QStringLiteral("Klient: k17\n"), QStringLiteral("Rater: elmaro\n"),
              QStringLiteral("Anzahl Sinneinheiten: 3\n"),
              QStringLiteral("letzte Sinneinheit bei: 01:35.500\n"),
              QStringLiteral("Datei: k17_elmaro_Journal.dat\n")})
            QVERIFY2(text.contains(teil), qPrintable(text));
    }
    // As if continued with "ja": names, counter, statistics and the state Ready.
    QCOMPARE(d->konfiguration()->LineEditKlient->text(), QStringLiteral("k17"));
    QCOMPARE(d->konfiguration()->LineEditRater->text(), QStringLiteral("elmaro"));
    QVERIFY(d->konfiguration()->ja->isChecked());
    QCOMPARE(k.zeitpunkte(), QStringLiteral("00:00.000=0 00:04.250=4 01:10.003=2 01:35.500=7"));
    QCOMPARE(d->infoline1->text(),
             QStringLiteral("Daten wurden erfolgreich aus k17_elmaro_Journal.dat eingelesen\n"
                            "OK. Es kann losgehen..."));
    QCOMPARE(d->SldMins->value(), 1);
    QCOMPARE(d->SldSecs->value(), 35);
    QCOMPARE(d->TextLabelAnzahl->text(), QStringLiteral("3"));
    QCOMPARE(d->TextLabelMittlereDauer->text(), QStringLiteral("00:31.833"));
    QVERIFY(d->istWeitergefuehrt() && d->istPauseGedrueckt());
    QVERIFY(d->FrmRun->isEnabled());

    // Rate on from there (the counter starts at the whole second shown); "Ende" writes the normal
    // pair, and only then the journal goes.
    k.umschalten(Qt::Key_R, d->BtRun);
    k.uhr->ms = 2000;
    k.taste(Qt::Key_2);
    QTRY_VERIFY_WITH_TIMEOUT(
        dateiInhalt(journalK17).endsWith("01:37.000\t6\t7\t1.5\tk17\telmaro\t1\t37\t0\n"), 1000);
    QCOMPARE(eintraege(ordner), QStringList{journalK17});
    k.umschalten(Qt::Key_R, d->BtRun);
    QTest::mousePress(d->BtSave, Qt::LeftButton);
    QCOMPARE(dateiInhalt(QStringLiteral("k17_elmaro_Verlauf.dat")),
             kindVerlauf() + "01:37.000\t6\t7\t1.5\tk17\telmaro\t1\t37\t0\n");
    QVERIFY(dateiInhalt(QStringLiteral("k17_elmaro_Info.dat"))
                .endsWith("Weitergefuehrte Session:\tja\nPause gedr\xfc"
                          "ckt:\tja\n"));
    QCOMPARE(eintraege(ordner), QStringList({QStringLiteral("k17_elmaro_Info.dat"),
                                             QStringLiteral("k17_elmaro_Verlauf.dat")}));
}

void TstWiederherstellung::signalSchreibtSicherungskopie_data()
{
    QTest::addColumn<int>("signal");
    QTest::newRow("SIGTERM") << int(SIGTERM);
    QTest::newRow("SIGHUP") << int(SIGHUP);
    QTest::newRow("SIGINT") << int(SIGINT);
}

// A logout sends SIGTERM: the forbidden close's backup, without a box nobody could answer.
void TstWiederherstellung::signalSchreibtSicherungskopie()
{
    QFETCH(int, signal);
    kindStarten("bewerten");
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(journalK17), 1000);
    ::kill(pid_t(kind->processId()), signal);
    QVERIFY(kind->waitForFinished(5000));
    QCOMPARE(kind->exitStatus(), QProcess::NormalExit);
    QCOMPARE(kind->exitCode(), 0);
    const QString ausgabe = QString::fromLocal8Bit(kind->readAllStandardError());
    QVERIFY2(ausgabe.contains(QStringLiteral("Verlauf Speichern war erfolgreich: 1\n")),
             qPrintable(ausgabe));
    QVERIFY(ausgabe.contains(QStringLiteral("InfoSpeichern war erfolgreich: 1\n")));

    const QStringList dateien = eintraege(ordner);
    QCOMPARE(dateien.size(), 2);
    const QRegularExpressionMatch name =
        QRegularExpression(QStringLiteral("^(SIKO_\\d{8})_(\\d{6})_Info\\.dat$"))
            .match(dateien.at(0));
    QVERIFY2(name.hasMatch(), qPrintable(dateien.join(QLatin1Char(' '))));
    const QByteArray teil1 = name.captured(1).toLatin1(), teil2 = name.captured(2).toLatin1();
    QCOMPARE(dateien.at(1), name.captured(1) + QLatin1Char('_') + name.captured(2) +
                                QStringLiteral("_Verlauf.dat"));
    QCOMPARE(dateiInhalt(dateien.at(1)), kindVerlauf(name.captured(1), name.captured(2)));
    infoVergleichen(dateien.at(0),
                    {"Klient:\t" + teil1, "Rater:\t" + teil2, "letzte Sinneinheit bei:\t01:35.500",
                     "Anzahl Sinneinheiten:\t3", "Dauer mittlerer Sinneinheit:\t00:31.833",
                     "Weitergefuehrte Session:\tnein",
                     "Pause gedr\xfc"
                     "ckt:\tnein"});
}

void TstWiederherstellung::signalOhneBewertungenSchreibtNichts()
{
    kindStarten("leer");
    ::kill(pid_t(kind->processId()), SIGTERM);
    QVERIFY(kind->waitForFinished(5000));
    QCOMPARE(kind->exitStatus(), QProcess::NormalExit);
    QCOMPARE(eintraege(ordner), QStringList());
}

// Declining keeps the journal exactly as it was; the same names rated anew get a journal of
// their own beside it.
void TstWiederherstellung::ablehnenLaesstJournalLiegen()
{
    const QByteArray alt = kindVerlauf();
    QVERIFY(dateiSchreiben(journalK17, alt));
    QVERIFY(dateiSchreiben(QStringLiteral("k18_elmaro_Journal.dat"),
                           kindVerlauf(QStringLiteral("k18"))));
    const QDateTime geaendert = QFileInfo(journalK17).lastModified();

    Konsole k;
    QVERIFY(k.aktiv);
    MorvantoDialog *d = k.fenster();
    {
        Antworten antworten({false, false});
        d->wiederherstellungAnbieten();
        QCOMPARE(antworten.texte.size(), 2);
    }
    QCOMPARE(d->sitzungsVerlauf().size(), 1);
    QVERIFY(!d->FrmRun->isEnabled());

    k.konfigurieren(QStringLiteral("k17"), QStringLiteral("elmaro"));
    k.umschalten(Qt::Key_R, d->BtRun);
    k.uhr->ms = 1000;
    k.taste(Qt::Key_7);
    QVERIFY(d->sitzungsJournal()->warten());
    QCOMPARE(dateiInhalt(QStringLiteral("k17_elmaro_Journal_2.dat")),
             QByteArray("00:00.000\t0\t0\t0\tk17\telmaro\t0\t0\t0\n"
                        "00:01.000\t7\t0\t1\tk17\telmaro\t0\t1\t0\n"));
    k.umschalten(Qt::Key_R, d->BtRun);
    QTest::mousePress(d->BtSave, Qt::LeftButton);
    QVERIFY(!QFile::exists(QStringLiteral("k17_elmaro_Journal_2.dat")));
    QCOMPARE(dateiInhalt(journalK17), alt);
    QCOMPARE(QFileInfo(journalK17).lastModified(), geaendert);
    QVERIFY(QFile::exists(QStringLiteral("k18_elmaro_Journal.dat")));
}

// A full disk stops the journal, never the session: one clear line, and rating goes on.
void TstWiederherstellung::journalNichtZuSchreiben()
{
    Konsole k;
    QVERIFY(k.aktiv);
    MorvantoDialog *d = k.fenster();
    k.konfigurieren(QStringLiteral("k17"), QStringLiteral("elmaro"));
    k.umschalten(Qt::Key_R, d->BtRun);
    {
        VOLLE_PLATTE_ODER_UEBERSPRINGEN(true);
        DateigroessenGrenze grenze(40);
        k.uhr->ms = 4250;
        k.taste(Qt::Key_1);
        QTRY_VERIFY(d->infoline2->text().startsWith(
            QLatin1String("ACHTUNG: k17_elmaro_Journal.dat nicht zu schreiben (")));
        // In front of what the line says, as long as the journal fails.
        QVERIFY(d->infoline2->text().contains(QStringLiteral(")! Bald 'Ende' drücken.\nDas "
                                                             "Zählwerk läuft.")));
        k.uhr->ms = 5000;
        k.taste(Qt::Key_2);
        QVERIFY(!d->sitzungsJournal()->warten());
    }
    QCOMPARE(k.zeitpunkte(), QStringLiteral("00:00.000=0 00:04.250=4 00:05.000=6"));
    QVERIFY(!QFile::exists(journalK17));

    k.uhr->ms = 6000;
    k.taste(Qt::Key_7);
    QTRY_COMPARE(d->infoline2->text(),
                 QStringLiteral("Journal k17_elmaro_Journal.dat wird wieder geschrieben."));
    QVERIFY(d->sitzungsJournal()->warten());
    QVERIFY(dateiInhalt(journalK17).endsWith("00:06.000\t7\t6\t1\tk17\telmaro\t0\t6\t0\n"));
}

// Two processes on one session: the journal of a session still running in another Morvanto
// is not offered, and configuring that session here is refused; once that process is gone
// (killed, its lock left behind), its journal is offered.
void TstWiederherstellung::laufendeSitzungGehoertIhremFenster()
{
    kindStarten("bewerten");
    QTRY_COMPARE_WITH_TIMEOUT(dateiInhalt(journalK17), kindVerlauf(), 1000);
    Konsole k;
    QVERIFY(k.aktiv);
    Antworten antworten({false});
    k->wiederherstellungAnbieten();
    QCOMPARE(antworten.titel_.size(), 0);
    k.konfigurieren(QStringLiteral("k17"), QStringLiteral("ELMARO"));
    QCOMPARE(antworten.hinweise, QStringList{QStringLiteral("Morvanto - Sitzung schon geöffnet")});
    QVERIFY(!k->FrmRun->isEnabled());
    QCOMPARE(k->sitzungsVerlauf().size(), 1);
    // An old lock of a living holder holds all the same: its age tells nothing.
    QFile sperre(
        SitzungsSperre::dateiPfad(ordner, QStringLiteral("k17"), QStringLiteral("elmaro")));
    QVERIFY(sperre.open(QIODevice::ReadWrite));
    QVERIFY(sperre.setFileTime(QDateTime::currentDateTime().addSecs(-3600),
                               QFileDevice::FileModificationTime));
    QVERIFY(SitzungsSperre::belegt(ordner, QStringLiteral("K17"), QStringLiteral("elmaro")));

    ::kill(pid_t(kind->processId()), SIGKILL);
    QVERIFY(kind->waitForFinished(5000));
    k->wiederherstellungAnbieten();
    QCOMPARE(antworten.titel_.size(), 1);
    QCOMPARE(dateiInhalt(journalK17), kindVerlauf());
}

// A signal's backup that fails (a folder in the way of its history file) ends the program
// with status 1 and a line naming the journal that still holds the ratings.
void TstWiederherstellung::misslungeneSicherungEndetMitFehler()
{
    QVERIFY(QDir().mkdir(QStringLiteral("SIKO_20030616_093005_Verlauf.dat")));
    kindStarten("bewerten");
    QTRY_COMPARE_WITH_TIMEOUT(dateiInhalt(journalK17), kindVerlauf(), 1000);
    ::kill(pid_t(kind->processId()), SIGTERM);
    QVERIFY(kind->waitForFinished(5000));
    QCOMPARE(kind->exitStatus(), QProcess::NormalExit);
    QCOMPARE(kind->exitCode(), 1);
    const QString ausgabe = QString::fromLocal8Bit(kind->readAllStandardError());
    QVERIFY2(ausgabe.contains(QStringLiteral("morvanto: Sicherungskopie fehlgeschlagen; die "
                                             "Bewertungen stehen im Journal ") +
                              QDir(ordner).filePath(journalK17) + QLatin1Char('\n')),
             qPrintable(ausgabe));
    QCOMPARE(dateiInhalt(journalK17), kindVerlauf());
}

QTEST_MAIN(TstWiederherstellung)
#include "tst_wiederherstellung.moc"
