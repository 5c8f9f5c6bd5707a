#ifndef SPIELERANBINDUNG_H
#define SPIELERANBINDUNG_H

#include "spielerfolge.h"

#include <QObject>
#include <QTimer>

#include <optional>

class MorvantoDialog;
class QAbstractButton;
class SpielerRueckmeldung;
class VideoKopplung;

// The window's side of the coupling with the video player, made only once a player is
// searched for: Run follows the player's state, the player's keys press the window's
// buttons, and the strip below the counter names the video.
class SpielerAnbindung : public QObject
{
    Q_OBJECT

public:
    explicit SpielerAnbindung(MorvantoDialog &fenster);

    void suchen(const QString &sockel);
    bool gekoppelt() const;
    VideoKopplung *kopplung() const { return kopplung_; }
    // Run or pause switched in the window: the player follows, unless it reported it.
    void steuern(bool laufen);
    // The time point of a rating key pressed in the player, while its button is clicked.
    const std::optional<Zeitpunkt> &tastenZeit() const { return tastenZeit_; }
    // The player plays but does not report: the counter stands, and the strip says so.
    bool antwortetNicht() const { return stumm; }

private:
    void gefunden();
    void stand();
    void taste(QChar taste, qint64 positionMs);
    void weg();
    void streifenZeigen();
    void stummPruefen();
    QAbstractButton *knopfFuerTaste(QChar taste) const;

    MorvantoDialog &fenster;
    VideoKopplung *kopplung_;
    SpielerFolge folge;
    // Run is being switched to the player's state: no command back to the player.
    bool spielerMeldet = false;
    std::optional<Zeitpunkt> tastenZeit_;
    // What the window does, told in the player's picture.
    SpielerRueckmeldung *rueckmeldung;
    // Wakes when the playing player's next report is overdue.
    QTimer stummTakt;
    bool stumm = false;
};

#endif
