#include "spielerfolge.h"

#include "zaehlwerk.h"

void SpielerFolge::umschalten(bool laufen, bool befohlen)
{
    const qint64 t = zaehlwerk.jetzt();
    if (befohlen) {
        befohlenePause = !laufen;
        befohlenUm = t;
    }
    zaehlwerk.umschalten(t, laufen);
}

bool SpielerFolge::meldungVerwerfen(bool pausiert, qint64 t)
{
    if (!befohlenePause)
        return false;
    if (pausiert != *befohlenePause && t - befohlenUm < befehlsFristMs)
        return true;
    befohlenePause.reset();
    return false;
}

bool SpielerFolge::zurueckGesprungen(qint64 positionMs, qint64 t) const
{
    return positionMs + sprungToleranzMs < zaehlwerk.standMs(t);
}

void SpielerFolge::uebernehmen(qint64 positionMs, qint64 t, bool laeuft)
{
    zaehlwerk.setzen(positionMs, t, laeuft);
    zaehlwerk.begrenzen(positionMs + meldeFristMs);
}

// The player counts in whole frames; while it plays, the counter's own position at the
// message's arrival is the same playback to the millisecond, unless the message came late
// or the player jumped meanwhile.
Zeitpunkt SpielerFolge::tastenZeitpunkt(qint64 positionMs, qint64 t) const
{
    const qint64 eigen = zaehlwerk.standMs(t);
    const bool feiner =
        zaehlwerk.laeuft() && eigen >= positionMs && eigen - positionMs < bildToleranzMs;
    if (positionMs < 0 || feiner)
        return zaehlwerk.zeitpunkt(t);
    return Zaehlwerk::zeitpunktAusMs(positionMs);
}

void SpielerFolge::spielerWeg(bool runAn)
{
    zaehlwerk.umschalten(zaehlwerk.jetzt(), runAn && zaehlwerk.laeuft());
    zaehlwerk.begrenzen(std::nullopt);
}

bool SpielerFolge::antwortetNicht(qint64 t) const
{
    return zaehlwerk.begrenzt(t);
}

std::optional<qint64> SpielerFolge::stummAb() const
{
    return zaehlwerk.grenzeErreichtUm();
}
