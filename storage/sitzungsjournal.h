#ifndef SITZUNGSJOURNAL_H
#define SITZUNGSJOURNAL_H

#include "verlauf.h"
#include "zeitpunkt.h"

#include <QMutex>
#include <QObject>
#include <QString>
#include <QWaitCondition>

#include <memory>
#include <vector>

class QThread;

// Keeps every change of the session's history on disk as it happens, so that a crash loses
// nothing: client + "_" + rater + "_Journal.dat" in the session's folder, in the history
// file's own line format, always complete (replaced atomically and synced to the device).
//
// The caller's side only queues the change; a writer thread of its own does the disk work, so
// that a rating press never waits for the disk. Changes that come while a write is under way
// go into the next one. A journal file that exists before this journal first writes belongs
// to another session (one not recovered, say) and is never touched: the journal then takes
// the next free name, client + "_" + rater + "_Journal_2.dat" and so on.
//
// Rewriting the whole file, not appending, because a correction changes an existing line
// (and the line format keeps the first of two equal time points), and because a replaced
// file can never hold half a line.
class SitzungsJournal : public QObject
{
    Q_OBJECT

public:
    explicit SitzungsJournal(QObject *parent = nullptr);
    // Writes what is still queued; never removes the file.
    ~SitzungsJournal() override;
    SitzungsJournal(const SitzungsJournal &) = delete;
    SitzungsJournal &operator=(const SitzungsJournal &) = delete;

    // The file name for the names; nummer > 1 gives the alternatives.
    static QString dateiName(const QString &klient, const QString &rater, int nummer = 1);

    // Whose session it is and in which folder (absolute). A journal already written moves
    // to the new name with the next write; the old file goes only after the new one is safe.
    void benennen(const QString &klient, const QString &rater, const QString &ordner);
    // Continues an existing journal file (a recovered session): it is this session's now.
    void uebernehmen(const QString &pfad, const QString &klient, const QString &rater);

    void eintragen(const Zeitpunkt &t, int einschaetzung);
    // The entry at t gets a new category.
    void korrigieren(const Zeitpunkt &t, int einschaetzung);
    // The whole history at once (a history read back).
    void ersetzen(const Verlauf &verlauf);

    // The session is safe elsewhere: removes this journal's file (and syncs its folder) and
    // starts empty for the next session. False when the file exists and could not be removed;
    // it is then marked as saved, so that it is not offered again.
    bool entfernen();
    // Blocks until every change queued so far is on the device or its write has failed;
    // true when it is on the device (or there was nothing the rater made to write).
    bool warten();

    // The file this journal wrote or took over; empty while there is none.
    QString dateiPfad() const;
    // Number of changes queued so far; geschrieben() reports against it.
    quint64 stand() const;

signals:
    // A write failed while the last one had succeeded, or failed for another reason.
    void fehlgeschlagen(const QString &dateiName, const QString &grund);
    // The first successful write after failed ones.
    void wiederGeschrieben(const QString &dateiName);
    // Sent from the writer thread: every change up to stand is on the device.
    void geschrieben(quint64 stand);

private:
    struct Aenderung
    {
        enum Art
        {
            Eintragen,
            Korrigieren,
            Ersetzen,
            Leeren
        } art;
        Zeitpunkt t;
        int einschaetzung = 0;
        std::shared_ptr<const Verlauf> alle;
    };
    struct Ziel
    {
        QString klient;
        QString rater;
        QString ordner;
        QString eigeneDatei;
    };
    struct Ergebnis
    {
        bool geschrieben = false;
        bool fehlgeschlagen = false;
        QString datei;
        QString grund;
    };

    void einreihen(Aenderung a);
    void schleife();
    static void anwenden(Verlauf &kopie, const Aenderung &a);
    static Ergebnis schreiben(const Verlauf &kopie, const Ziel &ziel);
    static QString zielWaehlen(const Ziel &ziel);
    void ergebnisMelden(const Ergebnis &e, quint64 bis);

    mutable QMutex sperre;
    QWaitCondition arbeit;
    QWaitCondition erledigt;
    std::vector<Aenderung> auftraege;
    Ziel ziel;
    quint64 gemeldet = 0;
    quint64 erledigtBis = 0;
    bool namenGeaendert = false;
    bool beschaeftigt = false;
    bool fehlerZustand = false;
    QString letzterGrund;
    bool ende = false;
    QThread *schreiber = nullptr;
};

#endif
