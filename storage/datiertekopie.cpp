#include "datiertekopie.h"

#include "atomaredatei.h"
#include "dateifehler.h"
#include "datenordner.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

QString DatierteKopie::name(const QString &dateiName, const QDateTime &jetzt, int nummer)
{
    const QFileInfo info(dateiName);
    const QString nummerText = nummer > 1 ? QStringLiteral("_%1").arg(nummer) : QString();
    const QString endung = info.suffix().isEmpty() ? QString() : QLatin1Char('.') + info.suffix();
    return info.completeBaseName() + jetzt.toString(QStringLiteral("_yyyyMMdd_HHmmss")) +
           nummerText + endung;
}

namespace {

QString freierPfad(const QString &ordner, const QString &dateiName, const QDateTime &jetzt)
{
    const QDir dir(ordner);
    for (int nummer = 1;; ++nummer) {
        const QString pfad = dir.absoluteFilePath(DatierteKopie::name(dateiName, jetzt, nummer));
        if (!QFileInfo::exists(pfad) && !QFileInfo(pfad).isSymLink())
            return pfad;
    }
}

} // namespace

QString DatierteKopie::anlegen(const QString &pfad, const QDateTime &jetzt, QString *fehler)
{
    QFile alt(pfad);
    if (!alt.open(QIODevice::ReadOnly)) {
        *fehler = dateiFehlerBeschreibung(pfad, alt.error(), false);
        return QString();
    }
    const QByteArray inhalt = alt.readAll();
    if (alt.error() != QFileDevice::NoError) {
        *fehler = dateiFehlerBeschreibung(pfad, alt.error(), false);
        return QString();
    }
    const QFileInfo info(pfad);
    for (const QString &ordner : {info.absolutePath(), datenordner(QStringLiteral("Kopien"))}) {
        if (ordner.isEmpty())
            continue;
        const QString kopie = freierPfad(ordner, info.fileName(), jetzt);
        if (AtomareDatei::schreibenAtomar(kopie, inhalt, fehler))
            return kopie;
    }
    return QString();
}
