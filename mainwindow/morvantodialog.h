#ifndef MORVANTODIALOG_H
#define MORVANTODIALOG_H

#include "morvantodialogbase.h"
#include "sitzung.h"
#include "sitzungsdateien.h"
#include "zaehlwerk.h"

#include "verlauf.h"
#include "zeitpunkt.h"

#include <QTimer>

#include <memory>

class QKeyEvent;
class SpielerAnbindung;
class VideoKopplung;
class SitzungsJournal;
class SitzungsKonfigurationDialog;
struct JournalFund;
struct SitzungsNamen;

// The rating console: shows the session (Sitzung), the counter (Zaehlwerk) and the
// player's coupling (SpielerAnbindung) and moves them through Unconfigured, Ready, Countdown,
// Running (with correction mode) and Paused by switching widgets and writing the two
// information lines.
class MorvantoDialog : public MorvantoDialogBase
{
    Q_OBJECT
    // The window's side of the coupling switches its widgets as the rater would.
    friend class SpielerAnbindung;

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

    Sitzung &sitzung() { return sitzung_; }
    const Verlauf &sitzungsVerlauf() const { return sitzung_.verlauf(); }
    Zeitpunkt bewertetBisStand() const { return sitzung_.bewertetBis(); }
    bool istWeitergefuehrt() const { return sitzung_.weitergefuehrt(); }
    bool istPauseGedrueckt() const { return sitzung_.pauseGedrueckt(); }
    bool bereichsWarnungAngezeigt() const { return bereichsWarnung; }
    SitzungsKonfigurationDialog *konfiguration() const { return konfigDialog; }

    // Title bar with window menu and close control, no minimise or maximise button.
    static Qt::WindowFlags titelleistenFlags();

    // The running program's own duties, not for tests sharing a process: offers to recover
    // a session that a crash left behind, and ends cleanly when the system asks it to.
    void imProgrammBetrieb();
    // For every session journal in the working folder, asks whether to continue it.
    void wiederherstellungAnbieten();
    SitzungsJournal *sitzungsJournal() { return sitzung_.journal(); }

    // Couples the counter to the player listening at this socket as soon as it is there,
    // and again whenever it comes back.
    void videoKopplungStarten(const QString &sockel);
    VideoKopplung *videoKopplung() const;
    bool videoGekoppelt() const;
    // The program's exit status: not 0 when the system ended it and the backup failed.
    int ausgangsStatus() const { return ausgang; }
    // The player plays but does not report: the counter stands.
    bool spielerAntwortetNicht() const;

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

protected:
    void keyPressEvent(QKeyEvent *e) override;
    bool eventFilter(QObject *o, QEvent *e) override;

private:
    void verbindungenHerstellen();
    SitzungsNamen sitzungsNamen() const;
    QString verlaufsDateiName();
    QString verlaufEinlesen(const QString &name);
    QString einlesenVerweigert();
    void konfigurationAbschliessen(const QString &bericht);
    void sitzungWiederherstellen(const JournalFund &fund);
    void statistikAnzeigen(int anzahl, const Zeitpunkt &stand);
    SitzungsDateien::Ergebnis sitzungSpeichern(const QString &teil1, const QString &teil2,
                                               const char *meldung);
    bool sitzungBelegen();
    void verbotenesBeenden();
    void signalBeenden(int signal);
    void journalFehlerZeigen(const QString &datei, const QString &grund);
    void journalWiederZeigen(const QString &datei);
    void ordnerPruefen();
    void zeile2(const QString &text);
    void sitzungZuruecksetzen();
    void sitzungsSteuerungFreigeben(bool frei);
    void bereichsWarnungZeigen(bool zeigen);
    void zaehlwerkStarten();
    void zaehlwerkAnhalten();
    void countdownBeenden();
    void countdownAbbrechen();
    void schiebereglerFreigeben();

    SitzungsKonfigurationDialog *konfigDialog;
    Zaehlwerk zaehlwerk;
    Sitzung sitzung_;
    QTimer sekundenTimer;
    QTimer countdownTimer;
    int korrekturEinschaetzung = 0;
    // Qt palettes read back from a widget never compare equal to the one set, so the
    // controller remembers whether the range warning is shown.
    bool bereichsWarnung = false;
    // The system's request to end has saved the session; the close handling has nothing
    // to do.
    bool durchSignalBeendet = false;
    int ausgang = 0;
    // Warnings that stay in front of infoline2 while their cause lasts, and the line's own
    // text behind them.
    QString journalWarnung;
    QString ordnerWarnung;
    QString zeile2Text;
    qint64 ordnerGeprueftUm = -1000;

    // Following the video player, made at the first search for one.
    SpielerAnbindung *anbindung = nullptr;
    int fensterHoehe = 0;
};

#endif
