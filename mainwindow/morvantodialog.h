#ifndef MORVANTODIALOG_H
#define MORVANTODIALOG_H

#include "morvantodialogbase.h"
#include "zaehlwerk.h"

#include "verlauf.h"
#include "zeitpunkt.h"

#include <QTimer>

#include <memory>
#include <optional>

class QAbstractButton;
class QKeyEvent;
class SpielerRueckmeldung;
class VideoKopplung;
class SitzungsJournal;
class SitzungsKonfigurationDialog;
struct JournalFund;
struct SitzungsNamen;

// The rating console: owns the session (history, counter, flags, configuration dialog)
// and moves it through Unconfigured, Ready, Countdown, Running (with correction mode)
// and Paused by switching widgets and writing the two information lines.
class MorvantoDialog : public MorvantoDialogBase
{
    Q_OBJECT

public:
    explicit MorvantoDialog(QWidget *parent = nullptr, const char *name = nullptr,
                            bool modal = false, Qt::WindowFlags fl = {});
    ~MorvantoDialog() override;

    // Counter position in seconds, and split into whole minutes and the seconds within
    // the minute (with the milliseconds as fraction); each from one reading of the clock.
    double zaehlwerkStand() const;
    int standMinuten() const;
    double standSekunden() const;

    // Replaces the counter's time base; only while the counter stands.
    void zaehlwerkUhrEinsetzen(std::unique_ptr<ZaehlwerkUhr> uhr);
    // The one-shot timers of the display refresh and of the countdown steps, armed for the
    // instant the next change is due.
    const QTimer &anzeigeTakt() const { return sekundenTimer; }
    const QTimer &countdownTakt() const { return countdownTimer; }

    const Verlauf &sitzungsVerlauf() const { return *verlauf; }
    Zeitpunkt bewertetBisStand() const { return bewertetBis; }
    bool istWeitergefuehrt() const { return weitergefuehrt; }
    bool istPauseGedrueckt() const { return pauseGedrueckt; }
    bool bereichsWarnungAngezeigt() const { return bereichsWarnung; }
    SitzungsKonfigurationDialog *konfiguration() const { return konfigDialog; }

    // Title bar with window menu and close control, no minimise or maximise button.
    static Qt::WindowFlags titelleistenFlags();

    // The running program's own duties, not for tests sharing a process: offers to recover
    // a session that a crash left behind, and ends cleanly on SIGTERM, SIGHUP and SIGINT.
    void imProgrammBetrieb();
    // For every session journal in the working folder, asks whether to continue it.
    void wiederherstellungAnbieten();
    SitzungsJournal *sitzungsJournal() const { return journal.get(); }

    // Couples the counter to the player listening at this socket as soon as it is there,
    // and again whenever it comes back.
    void videoKopplungStarten(const QString &sockel);
    VideoKopplung *videoKopplung() const { return kopplung; }
    bool videoGekoppelt() const;

public slots:
    void openKonfigDialog();

private slots:
    void RatingBeginnOderPause(bool on);
    void aktualisiereZeitanzeige();
    void SpeichereRatingButton(int id);
    void RatingEnde();
    void KorrigierenSchalter(bool on);
    void SliderCheckFaerbung();
    void CountdownStart(bool on);
    void Countdown();
    void spielerGefunden();
    void spielerStand();
    void spielerTaste(QChar taste, qint64 positionMs);
    void spielerWeg();
    void kopplungZeigen();

protected:
    void keyPressEvent(QKeyEvent *e) override;

private:
    struct SpeicherErgebnis
    {
        QString verlaufName;
        QString infoName;
        bool verlaufOk = false;
        bool infoOk = false;
    };

    void verbindungenHerstellen();
    SitzungsNamen sitzungsNamen() const;
    QString verlaufsDateiName();
    QString verlaufEinlesen(const QString &name);
    QString einlesenVerweigert();
    void konfigurationAbschliessen(const QString &bericht);
    void sitzungWiederherstellen(const JournalFund &fund);
    void statistikAnzeigen(int anzahl, const Zeitpunkt &stand);
    SpeicherErgebnis sitzungSpeichern(const QString &teil1, const QString &teil2,
                                      const char *verlaufMeldung);
    QStringList sitzungsDateiNamen(const QString &teil1, const QString &teil2);
    void verbotenesBeenden();
    QStringList sicherungsTeile() const;
    void sicherungSpeichern(const QString &erster, const QString &zweiter);
    void signalBeenden(int signal);
    void journalFehlerZeigen(const QString &datei, const QString &grund);
    void journalWiederZeigen(const QString &datei);
    bool journalWarnungSichtbar(const QString &datei = QString()) const;
    void sitzungZuruecksetzen();
    void sitzungsSteuerungFreigeben(bool frei);
    Zeitpunkt zaehlwerkZeitpunkt() const;
    void korrigiereLetzteEinschaetzung(int id);
    void zaehleTastendruck(const Zeitpunkt &t);
    void bereichsWarnungZeigen(bool zeigen);
    void zaehlwerkStarten();
    void zaehlwerkAnhalten();
    void countdownBeenden();
    void countdownAbbrechen();
    void spielerSteuern(bool laufen);
    void schiebereglerFreigeben();
    QAbstractButton *knopfFuerTaste(QChar taste) const;
    Zeitpunkt spielerZeitpunkt(qint64 positionMs) const;

    SitzungsKonfigurationDialog *konfigDialog;
    Zaehlwerk zaehlwerk;
    bool weitergefuehrt = false;
    bool pauseGedrueckt = false;
    Zeitpunkt bewertetBis;
    std::unique_ptr<Verlauf> verlauf;
    QTimer sekundenTimer;
    QTimer countdownTimer;
    int korrekturEinschaetzung = 0;
    // Qt palettes read back from a widget never compare equal to the one set, so the
    // controller remembers whether the range warning is shown.
    bool bereichsWarnung = false;

    // Every change of the history on disk at once (a crash loses nothing).
    std::unique_ptr<SitzungsJournal> journal;
    // Ratings made since the last read-back or save: a read-back would replace them.
    bool seitLesenBewertet = false;
    // A termination signal has saved the session; the close handling has nothing to do.
    bool durchSignalBeendet = false;

    // The video player whose position the counter follows, once one is found.
    VideoKopplung *kopplung = nullptr;
    // Its answers in the player's picture.
    SpielerRueckmeldung *rueckmeldung = nullptr;
    // Run is being switched to the player's state: no command back to the player.
    bool spielerMeldet = false;
    // Pause (true) or play (false) asked of the player and not yet confirmed, and since when:
    // its reports until then tell of the state before.
    std::optional<bool> befohlenePause;
    qint64 befohlenUm = 0;
    // The time point of a rating key pressed in the player, while its button is clicked.
    std::optional<Zeitpunkt> spielerTastenZeit;
    int fensterHoehe = 0;
};

#endif
