#ifndef MPVNACHRICHT_H
#define MPVNACHRICHT_H

#include <QChar>
#include <QString>

// One message of the player, reduced to what the coupling needs.
struct MpvNachricht
{
    enum class Art
    {
        Unbekannt, // a reply, an event of no interest, or nothing usable
        Position,  // playback-time changed
        Pause,     // pause changed
        Titel,     // media-title changed
        Taste,     // a rating key pressed in the player
        Ende,      // the player shuts down
    };

    Art art = Art::Unbekannt;
    // Position: the playback time; Taste: the player's position at the key. Negative when
    // the player has none (no file) or sent none that makes sense.
    double sekunden = -1.0;
    bool pausiert = false;
    QString titel;
    QChar taste;
};

#endif
