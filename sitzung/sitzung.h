#ifndef SITZUNG_H
#define SITZUNG_H

#include "sitzungssperre.h"
#include "verlauf.h"
#include "verlaufswaechter.h"
#include "zeitpunkt.h"

#include <QObject>
#include <QStringList>

#include <memory>
#include <optional>

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

    // Whose session it is and where its files go (the folder by its absolute path, kept
    // when the given one is empty). False, and nothing changed, when another running
    // Morvanto holds this session: one session, one writer.
    bool benennen(const QString &klient, const QString &rater, const QString &ordner);
    QString sperrFehler() const { return sperre.fehlerText(); }
    // The folder the session's files go to: where the session was configured, by its
    // absolute path, so that a folder deleted and made anew meanwhile is found again.
    QString ordner() const { return ordner_; }
    QString dateiPfad(const QString &name) const;
    // Continues a recovered journal file.
    void journalUebernehmen(const QString &pfad, const QString &klient, const QString &rater);

    // folgeWahren: the time comes from a player, which may stand or step back a little; a
    // press then lies after the one before, so that ratings keep the order of pressing.
    // Returns the time point stored.
    Zeitpunkt eintragen(const Zeitpunkt &t, int einschaetzung, bool folgeWahren = false);
    // The latest entry gets the category; false when there is none to correct.
    bool korrigieren(int einschaetzung);
    // After a read-back (or a recovery) filled the history; gelesen: the file was read.
    // datei: the session's history file that was read (empty for a journal).
    void eingelesen(bool gelesen, const QString &datei = QString());
    // Before the history file pfad is replaced: a file there that this session did not read
    // back or write is kept as a dated copy first (aufbewahrt()). False when it could not
    // be kept: it must not be replaced then (fehler: why).
    bool verlaufSichern(const QString &pfad, QString *fehler);
    QString aufbewahrt() const { return waechter.kopie(); }
    // The history file pfad now holds this session.
    void verlaufGeschrieben(const QString &pfad) { waechter.merken(pfad); }
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
    SitzungsSperre sperre;
    VerlaufsWaechter waechter;
    QString ordner_;
    // The latest press while the order of pressing is kept; none after a start or pause.
    std::optional<Zeitpunkt> letzterDruck;
    bool weitergefuehrt_ = false;
    bool pauseGedrueckt_ = false;
    Zeitpunkt bewertetBis_;
    bool seitLesenBewertet_ = false;
};

#endif
