#include "videokopplung.h"

#include <QDebug>
#include <QFileInfo>

#include <cmath>

VideoKopplung::VideoKopplung(Uhr uhr, QObject *parent) : QObject(parent), uhr(std::move(uhr))
{
    suchTakt.setInterval(suchAbstandMs);
    connect(&suchTakt, &QTimer::timeout, this, &VideoKopplung::versuchen);
    connect(&socket, &QLocalSocket::connected, this, &VideoKopplung::verbindungSteht);
    connect(&socket, &QLocalSocket::readyRead, this, &VideoKopplung::lesen);
    connect(&socket, &QLocalSocket::disconnected, this, &VideoKopplung::getrennt);
    connect(&socket, &QLocalSocket::errorOccurred, this, [this] {
        if (!verbunden)
            socket.abort();
    });
}

// Closing the socket reports a disconnection; the owner is going away and must not hear it.
VideoKopplung::~VideoKopplung()
{
    socket.disconnect(this);
}

void VideoKopplung::suchen(const QString &sockelPfad)
{
    pfad = sockelPfad;
    suchTakt.start();
    versuchen();
}

void VideoKopplung::versuchen()
{
    if (verbunden || socket.state() != QLocalSocket::UnconnectedState || pfad.isEmpty())
        return;
    // A missing socket is the normal case: no player started.
    if (!QFileInfo::exists(pfad))
        return;
    socket.connectToServer(pfad);
}

void VideoKopplung::verbindungSteht()
{
    verbunden = true;
    suchTakt.stop();
    positionMs = -1;
    letzteMeldung = -1;
    fenster.clear();
    angehalten = true;
    videoTitel.clear();
    qDebug("Videoplayer gekoppelt: %s", qPrintable(pfad));
    socket.write(MpvProtokoll::beobachtungsBefehle());
    emit gefunden();
}

void VideoKopplung::lesen()
{
    // One stamp for everything that arrived together: all of it was sent before now.
    const qint64 t = uhr();
    const QList<MpvNachricht> nachrichten = protokoll.aufnehmen(socket.readAll());
    if (protokoll.verworfeneZeilen() > gemeldetVerworfen) {
        gemeldetVerworfen = protokoll.verworfeneZeilen();
        qDebug("Videoplayer: %d unverständliche Zeilen verworfen", gemeldetVerworfen);
    }
    for (const MpvNachricht &n : nachrichten) {
        if (!verbunden)
            break;
        verarbeiten(n, t);
    }
}

void VideoKopplung::verarbeiten(const MpvNachricht &n, qint64 t)
{
    switch (n.art) {
    case MpvNachricht::Art::Position:
        letzteMeldung = n.sekunden < 0 ? -1 : std::llround(n.sekunden * 1000.0);
        positionMs = letzteMeldung < 0 || angehalten ? letzteMeldung : schaetzen(letzteMeldung, t);
        if (letzteMeldung < 0)
            fenster.clear();
        stempel = t;
        emit standGemeldet();
        break;
    case MpvNachricht::Art::Pause:
        if (n.pausiert == angehalten)
            break;
        // It stops at, or goes on from, the frame it shows.
        angehalten = n.pausiert;
        fenster.clear();
        positionMs = letzteMeldung;
        stempel = t;
        emit standGemeldet();
        break;
    case MpvNachricht::Art::Titel:
        videoTitel = n.titel;
        emit titelGemeldet(videoTitel);
        break;
    case MpvNachricht::Art::Taste:
        emit tasteGemeldet(n.taste, n.sekunden < 0 ? -1 : std::llround(n.sekunden * 1000.0));
        break;
    case MpvNachricht::Art::Ende:
        socket.abort();
        getrennt();
        break;
    case MpvNachricht::Art::Unbekannt:
        break;
    }
}

// The player shows each frame on time, but its report may reach us late, and never early:
// while it plays, the report that arrived most promptly in the recent past tells best where
// it is now. Late deliveries thus cost nothing, and a slow drift between its clock and ours
// is followed within the window.
qint64 VideoKopplung::schaetzen(qint64 gemeldet, qint64 t)
{
    const qint64 vorsprung = gemeldet - t;
    while (!fenster.empty() && fenster.front().stempel < t - fensterMs)
        fenster.pop_front();
    if (!fenster.empty() && vorsprung < fenster.front().ms - verspaetungMs)
        fenster.clear();
    while (!fenster.empty() && fenster.back().ms <= vorsprung)
        fenster.pop_back();
    fenster.push_back({t, vorsprung});
    return t + fenster.front().ms;
}

void VideoKopplung::pausieren(bool pause)
{
    if (verbunden)
        socket.write(MpvProtokoll::pauseBefehl(pause));
}

void VideoKopplung::getrennt()
{
    if (!verbunden)
        return;
    verbunden = false;
    qDebug("Videoplayer-Kopplung beendet");
    socket.abort();
    suchTakt.start();
    emit beendet();
}
