#include "pruefgeraet.h"

PruefGeraet::PruefGeraet(QIODevice *ziel) : ziel(ziel) {}

qint64 PruefGeraet::writeData(const char *daten, qint64 laenge)
{
    const qint64 geschrieben = ziel->write(daten, laenge);
    if (geschrieben != laenge)
        kurz = true;
    return geschrieben;
}
