// Run as a child process by the tests of crashes, signals and file rights: the real rating
// console, offscreen, with the running program's own duties.
//   konsolenkind bewerten       configures k17 / elmaro, rates 00:04.250 (key 1), 01:10.003
//                               (key 4, corrected with 6) and 01:35.500 (key 7) on a test
//                               clock, prints "bereit" and waits to be ended from outside;
//   konsolenkind leer           the same without configuring or rating;
//   konsolenkind speichern NAME saves a two-entry history to NAME through the history saver,
//                               giving up at the first retry prompt; prints "gespeichert 1"
//                               or "gespeichert 0";
//   konsolenkind entfernen NAME removes the journal NAME as after a saved session; prints
//                               "entfernt 1" or "entfernt 0".
#include "konsolentest.h"
#include "sitzungsjournal.h"
#include "skriptrueckfrage.h"
#include "verlauf.h"
#include "verlaufspeichern.h"
#include "wanduhr.h"

#include <cstdio>
#include <cstring>

namespace {

void melden(const char *zeile)
{
    std::printf("%s\n", zeile);
    std::fflush(stdout);
}

void bewerten(MorvantoDialog &d, TestUhr *uhr)
{
    if (!sitzungStarten(d))
        std::fprintf(stderr, "konsolenkind: window not active after the configuration\n");
    uhr->ms = 4250;
    tasteAnFokus(d, Qt::Key_1);
    uhr->ms = 70003;
    tasteAnFokus(d, Qt::Key_4);
    d.BtKorrigieren->setChecked(true);
    tasteAnFokus(d, Qt::Key_6);
    uhr->ms = 95500;
    tasteAnFokus(d, Qt::Key_7);
}

int speichern(const char *name)
{
    Verlauf v;
    v.eintragen(Zeitpunkt(0, 4.25), 4);
    VerlaufSpeichern speicher;
    speicher.verlauf = &v;
    // An empty script gives up at the first retry prompt.
    const SkriptRueckfrage aufgeben;
    // The names written into the lines; the file is the one given.
    speicher.DateiName(QStringLiteral("k17"), QStringLiteral("elmaro"));
    const bool ok =
        speicher.DateiSpeichern(QString::fromLocal8Bit(name), QStringLiteral("Rating Verlauf"));
    std::printf("gespeichert %d\n", int(ok));
    return 0;
}

int journalEntfernen(const char *name)
{
    SitzungsJournal journal;
    journal.uebernehmen(QString::fromLocal8Bit(name), QStringLiteral("k17"),
                        QStringLiteral("elmaro"));
    std::printf("entfernt %d\n", int(journal.entfernen()));
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    if (argc == 3 && std::strcmp(argv[1], "speichern") == 0)
        return speichern(argv[2]);
    if (argc == 3 && std::strcmp(argv[1], "entfernen") == 0)
        return journalEntfernen(argv[2]);
    if (argc != 2 || (std::strcmp(argv[1], "bewerten") != 0 && std::strcmp(argv[1], "leer") != 0))
        return 2;

    schriftWieImProgramm();
    // Backup names the test knows beforehand.
    const FesteWanduhr wanduhr(QDateTime(QDate(2003, 6, 16), QTime(9, 30, 5)));
    Wanduhr::einsetzen(&wanduhr);
    auto *d = new MorvantoDialog(nullptr, "Morvanto Hauptfenster", true,
                                 MorvantoDialog::titelleistenFlags());
    TestUhr *uhr = testUhrEinsetzen(*d);
    d->imProgrammBetrieb();
    d->show();
    if (!QTest::qWaitForWindowActive(d))
        std::fprintf(stderr, "konsolenkind: window not active\n");
    const bool mitBewertung = std::strcmp(argv[1], "bewerten") == 0;
    QTimer::singleShot(0, d, [d, uhr, mitBewertung] {
        if (mitBewertung)
            bewerten(*d, uhr);
        melden("bereit");
    });
    d->exec();
    const int status = d->ausgangsStatus();
    delete d;
    Wanduhr::einsetzen(nullptr);
    return status;
}
