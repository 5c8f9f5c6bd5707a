#include "dateistand.h"

#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>

DateiStand DateiStand::lesen(const QString &pfad)
{
    DateiStand stand;
    QFile datei(pfad);
    // Only a file holds what someone made; a folder in the way is the writer's failure.
    stand.vorhanden = QFileInfo(pfad).isFile();
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
