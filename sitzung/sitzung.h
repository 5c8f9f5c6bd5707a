#ifndef SITZUNG_H
#define SITZUNG_H

#include "verlauf.h"
#include "zeitpunkt.h"

#include <QObject>
#include <QStringList>

#include <memory>

class SitzungsJournal;

// One rating session without its window: the history, its journal on disk and the flags
// the info file reports and the close handling asks. The window shows; this decides.
class Sitzung : public QObject
{
    Q_OBJECT

public:
    explicit Sitzung(QObject *parent = nullptr);
    ~Sitzung() override;

    // A fresh history and cleared flags: the next session is a new one.
    void zuruecksetzen();

    const Verlauf &verlauf() const { return *verlauf_; }
    // For the savers, which read and fill the history in place.
    Verlauf *verlaufZeiger() { return verlauf_.get(); }
    // The journal, started at its first use (starting it costs a thread).
    SitzungsJournal *journal();

    // Whose session it is and where its files go; continues a recovered journal file.
    void benennen(const QString &klient, const QString &rater, const QString &ordner);
    void journalUebernehmen(const QString &pfad, const QString &klient, const QString &rater);

    void eintragen(const Zeitpunkt &t, int einschaetzung);
    // The latest entry gets the category; false when there is none to correct.
    bool korrigieren(int einschaetzung);
    // After a read-back (or a recovery) filled the history; gelesen: the file was read.
    void eingelesen(bool gelesen);
    // Run switched on; true when it resumes a rated session (the pause flag is then set).
    bool gestartet();
    // Run switched off, or the player jumped back: rated up to the latest entry.
    void angehalten();
    // The session is safe in files: its journal goes. False when that failed.
    bool gesichert();
    // Waits until the journal holds everything rated so far.
    bool journalAbwarten();

    // Flags: continued from a file; run resumed over ratings; rated up to; rated since the
    // last read-back or save; unsaved ratings in memory.
    bool weitergefuehrt() const { return weitergefuehrt_; }
    bool pauseGedrueckt() const { return pauseGedrueckt_; }
    Zeitpunkt bewertetBis() const { return bewertetBis_; }
    bool seitLesenBewertet() const { return seitLesenBewertet_; }
    bool ungesichert() const { return verlauf_->size() > 1; }
    // Recovered ratings are in no history file yet.
    void alsUngesichertMarkieren() { seitLesenBewertet_ = ungesichert(); }

    // The backup's two name parts, "SIKO_" + date and the time, from one reading of the
    // wall clock.
    static QStringList sicherungsTeile();

signals:
    void journalFehlgeschlagen(const QString &datei, const QString &grund);
    void journalWiederGeschrieben(const QString &datei);

private:
    std::unique_ptr<Verlauf> verlauf_;
    std::unique_ptr<SitzungsJournal> journal_;
    bool weitergefuehrt_ = false;
    bool pauseGedrueckt_ = false;
    Zeitpunkt bewertetBis_;
    bool seitLesenBewertet_ = false;
};

#endif
