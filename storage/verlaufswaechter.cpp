#include "verlaufswaechter.h"

#include "datiertekopie.h"

#include <QDebug>
#include <QFileInfo>

void VerlaufsWaechter::merken(const QString &pfad)
{
    bekannt = QFileInfo(pfad).absoluteFilePath();
    stand = DateiStand::lesen(pfad);
}

void VerlaufsWaechter::vergessen()
{
    bekannt.clear();
    stand = DateiStand();
}

bool VerlaufsWaechter::sichern(const QString &pfad, const QDateTime &jetzt)
{
    kopiePfad.clear();
    fehler.clear();
    const DateiStand aufPlatte = DateiStand::lesen(pfad);
    const bool eigene = QFileInfo(pfad).absoluteFilePath() == bekannt && aufPlatte == stand;
    if (!aufPlatte.vorhanden || eigene)
        return true;
    kopiePfad = DatierteKopie::anlegen(pfad, jetzt, &fehler);
    if (kopiePfad.isEmpty()) {
        qDebug("ERROR keeping %s before replacing it (%s)", qUtf8Printable(pfad),
               qUtf8Printable(fehler));
        return false;
    }
    qDebug("%s changed on disk since this session read or wrote it; kept as %s",
           qUtf8Printable(pfad), qUtf8Printable(kopiePfad));
    return true;
}
