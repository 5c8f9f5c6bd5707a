#ifndef ZAEHLWERK_H
#define ZAEHLWERK_H

#include "zaehlwerkuhr.h"
#include "zeitpunkt.h"

#include <QObject>

#include <memory>
#include <optional>

// The counter: a position that grows with the monotonic time base while it runs, and the
// schedule of the start countdown. Every answer is derived from one reading t of the time
// base, never from the number of timer ticks: a tick delivered early or late changes only
// the moment at which the display learns of a change, never a position.
class Zaehlwerk : public QObject
{
    Q_OBJECT

public:
    // The countdown shows 10 at the switch-on and one step less every 500 ms down to 0;
    // the counter starts one step after the 0, 5,500 ms after the switch-on.
    static constexpr int countdownAnfang = 10;
    static constexpr qint64 countdownSchrittMs = 500;
    static constexpr qint64 countdownDauerMs = (countdownAnfang + 1) * countdownSchrittMs;

    explicit Zaehlwerk(QObject *parent = nullptr);

    // Replaces the time base; only while the counter stands and no countdown runs.
    void uhrEinsetzen(std::unique_ptr<ZaehlwerkUhr> neu);
    // One reading of the time base.
    qint64 jetzt() const { return uhr->jetzt(); }

    // Starts at whole minutes and seconds: now, or at the end of a countdown at its zero
    // instant, however late the start comes.
    void starten(int minuten, int sekunden);
    // Stops at the whole seconds reached now, so that the display shows exactly where the
    // next start counts on from and a pause drops less than a second.
    void anhalten();
    // The position is positionMs at instant t of the time base and, when laufend, grows
    // from there. For a source that knows the position better than the rater's buttons.
    void setzen(qint64 positionMs, qint64 t, bool laufend);
    // From instant t on it runs, or stands, from the position it has then.
    void umschalten(qint64 t, bool laufend) { setzen(standMs(t), t, laufend); }
    bool laeuft() const { return laufend; }
    // While it runs, the position stops at bisMs (a source that stopped confirming it);
    // none: no limit. Starting or stopping by hand lifts it.
    void begrenzen(std::optional<qint64> bisMs);
    // It runs and stands at its limit.
    bool begrenzt(qint64 t) const;
    // The instant at which the running position reaches its limit; none without one.
    std::optional<qint64> grenzeErreichtUm() const;

    // The position at instant t: in milliseconds, in seconds, as a time point, and the
    // whole seconds the display shows (truncated, so never a second early).
    qint64 standMs(qint64 t) const;
    double stand(qint64 t) const;
    Zeitpunkt zeitpunkt(qint64 t) const;
    qint64 ganzeSekunden(qint64 t) const { return standMs(t) / 1000; }
    // While running: the instant after t at which the whole seconds change next.
    qint64 naechsteGanzeSekunde(qint64 t) const;

    // A position x in seconds split into whole minutes and the seconds within the minute
    // with the fraction; for example 754.25 gives 12 and 34.25.
    static int minutenAnteil(double x);
    static double sekundenAnteil(double x);
    // A position in milliseconds as a time point.
    static Zeitpunkt zeitpunktAusMs(qint64 ms);

    // Switches the countdown on now and returns that instant.
    qint64 countdownStarten();
    // The step due at t, 10 down to 0.
    int countdownStand(qint64 t) const;
    // The instant after t at which the next step, or the counter's zero instant, is due.
    qint64 naechsterCountdownSchritt(qint64 t) const;
    bool countdownAbgelaufen(qint64 t) const { return t >= countdownNullpunkt(); }
    qint64 countdownNullpunkt() const { return countdownBeginn + countdownDauerMs; }

signals:
    // Started, stopped or set: the display must show the position now and plan its next
    // change.
    void standGeaendert();

private:
    qint64 vergangen(qint64 t) const;
    static Zeitpunkt zeitpunktAus(double x);

    std::unique_ptr<ZaehlwerkUhr> uhr;
    qint64 startMs = 0;   // position at the zero instant
    qint64 nullpunkt = 0; // instant of the time base from which the position grows
    bool laufend = false;
    qint64 countdownBeginn = 0;
    // Switched on and not yet ended by a start: the next start begins at its zero instant.
    bool countdownOffen = false;
    std::optional<qint64> grenzeMs;
};

#endif
