#include "dateistand.h"

#include <QCryptographicHash>
#include <QFile>

DateiStand DateiStand::lesen(const QString &pfad)
{
    DateiStand stand;
    QFile datei(pfad);
    stand.vorhanden = datei.exists();
    if (!stand.vorhanden)
        return stand;
    QCryptographicHash summe(QCryptographicHash::Sha1);
    if (!datei.open(QIODevice::ReadOnly) || !summe.addData(&datei)) {
        stand.groesse = -1;
        return stand;
    }
    stand.groesse = datei.size();
    stand.pruefsumme = summe.result();
    return stand;
}
