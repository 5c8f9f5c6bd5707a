#ifndef VIDEOKOPPLUNG_H
#define VIDEOKOPPLUNG_H

#include "mpvprotokoll.h"

#include <QLocalSocket>
#include <QObject>
#include <QTimer>

#include <deque>
#include <functional>

// The connection to the player started by morvanto-video: looks for its socket every
// second, observes the playback time, the pause state and the title, passes on the rating
// keys pressed in the player, and pauses and resumes it. Every report is stamped with the
// counter's time base at its arrival, so that the counter can advance the position from
// there on its own clock.
class VideoKopplung : public QObject
{
    Q_OBJECT

public:
    using Uhr = std::function<qint64()>;
    static constexpr int suchAbstandMs = 1000;
    // While the player plays, its reports of this long are weighed together, and a report
    // further behind the others than this is a stall or a jump, not a late delivery.
    static constexpr qint64 fensterMs = 300;
    static constexpr qint64 verspaetungMs = 10;

    explicit VideoKopplung(Uhr uhr, QObject *parent = nullptr);
    ~VideoKopplung() override;

    // Looks for the player at this socket now and, until found and after it went away,
    // every second.
    void suchen(const QString &sockelPfad);
    QString sockel() const { return pfad; }

    bool gekoppelt() const { return verbunden; }
    // Known once the player has a file and reported its playback time.
    bool positionBekannt() const { return positionMs >= 0; }
    // The player's position at the instant gemeldetUm() of the time base, from its reports.
    qint64 gemeldetePositionMs() const { return positionMs; }
    qint64 gemeldetUm() const { return stempel; }
    bool pausiert() const { return angehalten; }
    QString titel() const { return videoTitel; }
    int verworfeneZeilen() const { return protokoll.verworfeneZeilen(); }

    void pausieren(bool pause);

signals:
    void gefunden();
    // The position or the pause state changed.
    void standGemeldet();
    void titelGemeldet(const QString &titel);
    // A rating key pressed in the player; positionMs is negative when the player sent none.
    void tasteGemeldet(QChar taste, qint64 positionMs);
    // Once per coupling, when the player went away.
    void beendet();

private:
    void versuchen();
    void verbindungSteht();
    void lesen();
    void verarbeiten(const MpvNachricht &n, qint64 t);
    void getrennt();
    qint64 schaetzen(qint64 gemeldet, qint64 t);

    Uhr uhr;
    QString pfad;
    QLocalSocket socket;
    QTimer suchTakt;
    MpvProtokoll protokoll;
    bool verbunden = false;
    qint64 positionMs = -1;
    qint64 letzteMeldung = -1; // as reported: the frame the player shows
    // Position minus arrival instant of the recent reports, the largest first.
    struct Vorsprung
    {
        qint64 stempel;
        qint64 ms;
    };
    std::deque<Vorsprung> fenster;
    qint64 stempel = 0;
    bool angehalten = true;
    QString videoTitel;
    int gemeldetVerworfen = 0;
};

#endif
