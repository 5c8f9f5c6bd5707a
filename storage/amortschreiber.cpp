#include "amortschreiber.h"

#include "atomaredatei.h"
#include "dateifehler.h"
#include "datenordner.h"
#include "plattform.h"

#include <QCryptographicHash>
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>

bool AmOrtSchreiber::noetig(const QString &pfad)
{
    const QFileInfo info(pfad);
    if (!info.isFile() || !info.isWritable())
        return false;
    const Plattform::DatentraegerZustand zustand =
        Plattform::datentraegerZustand(info.absolutePath());
    return !zustand.beschreibbar && !zustand.nurLesbar;
}

// One copy per file: the same name in two folders must not share it.
QString AmOrtSchreiber::kopiePfad(const QString &pfad)
{
    const QString ordner = datenordner(QStringLiteral("Kopien"));
    if (ordner.isEmpty())
        return QString();
    const QFileInfo info(pfad);
    const QByteArray herkunft =
        QCryptographicHash::hash(QFile::encodeName(info.absolutePath()), QCryptographicHash::Sha1);
    return ordner + QLatin1Char('/') + QString::fromLatin1(herkunft.toHex().left(8)) +
           QLatin1Char('_') + info.fileName();
}

bool AmOrtSchreiber::schreiben(const QString &pfad, const QByteArray &inhalt, QString *fehler)
{
    QFile ziel(pfad);
    if (!ziel.open(QIODevice::ReadWrite)) {
        *fehler = dateiFehlerBeschreibung(pfad, ziel.error(), true);
        return false;
    }
    const QByteArray alt = ziel.readAll();
    const QString kopie = kopiePfad(pfad);
    QString kopieFehler = QStringLiteral("kein eigener Datenordner");
    if (ziel.error() != QFileDevice::NoError || kopie.isEmpty() ||
        !AtomareDatei::schreibenAtomar(kopie, alt, &kopieFehler)) {
        *fehler = QStringLiteral("Ordner nicht beschreibbar, und keine Kopie des alten Inhalts "
                                 "möglich (%1)")
                      .arg(kopieFehler);
        return false;
    }
    // Not truncated first: a kill before the write leaves the old content where it was.
    const bool ok = ziel.seek(0) && ziel.write(inhalt) == inhalt.size() &&
                    ziel.resize(inhalt.size()) && Plattform::dateiSynchronisieren(ziel);
    if (!ok) {
        *fehler = dateiFehlerBeschreibung(pfad, ziel.error(), true) +
                  QStringLiteral("; alter Inhalt in ") + kopie;
        qDebug("ERROR rewriting %s in place; old content kept in %s", qUtf8Printable(pfad),
               qUtf8Printable(kopie));
        return false;
    }
    ziel.close();
    if (!QFile::remove(kopie))
        qDebug("ERROR removing the copy %s", qUtf8Printable(kopie));
    return true;
}
