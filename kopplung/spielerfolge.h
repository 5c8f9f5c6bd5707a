#ifndef SPIELERFOLGE_H
#define SPIELERFOLGE_H

#include "zeitpunkt.h"

#include <QtGlobal>

#include <optional>

class Zaehlwerk;

// The rules by which the counter follows the video player, without the connection and
// without a window: a command to the player is pending for a while, a report far behind
// the counter is a jump back, and a key in the player is timed to the counter's finer
// position when both are the same playback.
class SpielerFolge
{
public:
    // A player's report that lies this far behind the counter is a jump back, not jitter.
    static constexpr qint64 sprungToleranzMs = 100;
    // The player reports its position frame by frame; at its key the counter's own position
    // may lie up to this far ahead and still be the same playback, only finer.
    static constexpr qint64 bildToleranzMs = 100;
    // How long a command to the player may take before its old state counts again.
    static constexpr qint64 befehlsFristMs = 500;
    // A playing player reports every frame. Without a report for this long it does not
    // answer: the counter stops at its last report plus this much, no further ahead of the
    // frozen video, and no more than a jump back's tolerance, so that its resuming is not
    // taken for a jump.
    static constexpr qint64 meldeFristMs = sprungToleranzMs;

    explicit SpielerFolge(Zaehlwerk &zaehlwerk) : zaehlwerk(zaehlwerk) {}

    // Run or pause switched in Morvanto: the counter goes on, or stands, from where it is
    // until the player's report arrives. befohlen: a command went to the player.
    void umschalten(bool laufen, bool befohlen);
    // Whether to ignore a report of the player's state at t: it was sent before the
    // player took the pending command, which it would undo.
    bool meldungVerwerfen(bool pausiert, qint64 t);
    // Whether the player's position at t lies behind the counter by more than jitter.
    bool zurueckGesprungen(qint64 positionMs, qint64 t) const;
    // The counter takes the player's position and state.
    void uebernehmen(qint64 positionMs, qint64 t, bool laeuft);
    // The time point of a key pressed in the player at its position, reported at t.
    Zeitpunkt tastenZeitpunkt(qint64 positionMs, qint64 t) const;
    // The player is gone: the counter runs on only if Run is on.
    void spielerWeg(bool runAn);
    // The player plays but its reports stopped: the counter stands at its limit.
    bool antwortetNicht(qint64 t) const;
    // The instant at which the running counter reaches its limit unless a report comes
    // first; none without a limit.
    std::optional<qint64> stummAb() const;

private:
    Zaehlwerk &zaehlwerk;
    // Pause (true) or play (false) asked of the player and not yet confirmed, and since
    // when: its reports until then tell of the state before.
    std::optional<bool> befohlenePause;
    qint64 befohlenUm = 0;
};

#endif
