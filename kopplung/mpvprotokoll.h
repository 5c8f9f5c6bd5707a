#ifndef MPVPROTOKOLL_H
#define MPVPROTOKOLL_H

#include "mpvnachricht.h"

#include <QByteArray>
#include <QList>

// The player's JSON IPC: one JSON object per line. Every byte from the socket is untrusted:
// a line that is too long, not JSON or not understood is dropped and counted, and never
// stops the lines after it.
class MpvProtokoll
{
public:
    // Longer lines are dropped up to their end; a title is the longest thing we need.
    static constexpr int zeilenGrenze = 64 * 1024;
    // Positions beyond this are nonsense, whatever the player says.
    static constexpr double hoechstePosition = 1.0e7;
    // The client message a key bound by morvanto-video sends: name, key, position.
    static constexpr const char *tastenNachricht = "morvanto-taste";
    static constexpr const char *tasten = "12345670r";

    // Takes the bytes as they arrive, in pieces of any size, and returns the messages of
    // the lines they complete.
    QList<MpvNachricht> aufnehmen(const QByteArray &daten);
    // Lines dropped so far as too long or malformed.
    int verworfeneZeilen() const { return verworfen; }

    static MpvNachricht deuten(const QByteArray &zeile, bool *verstanden = nullptr);

    // The commands sent to the player, each one line.
    static QByteArray beobachtungsBefehle();
    static QByteArray pauseBefehl(bool pause);

private:
    void zeileAufnehmen(const QByteArray &zeile, QList<MpvNachricht> &nachrichten);

    QByteArray rest;
    bool ueberlang = false; // dropping up to the end of a line that was too long
    int verworfen = 0;
};

#endif
