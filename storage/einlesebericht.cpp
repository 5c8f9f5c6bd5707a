#include "einlesebericht.h"

#include "atomaredatei.h"
#include "dateifehler.h"

#include <QFile>
#include <QFileInfo>

QString EinleseBericht::erstellen(const QString &datei, bool gelesen,
                                  const Verlauf::Lesestopp &stopp, int sinneinheiten,
                                  const QDateTime &jetzt)
{
    if (!gelesen || !stopp.unvollstaendig)
        return tr("Daten wurden") + (gelesen ? QStringLiteral(" ") : tr(" NICHT ")) +
               tr("erfolgreich aus ") + datei + tr(" eingelesen");

    const QString bericht =
        tr("Daten wurden NUR TEILWEISE aus %1 eingelesen (Zeile %2 "
           "fehlerhaft, %3 Sinneinheiten gelesen)")
            .arg(datei, QString::number(stopp.zeile), QString::number(sinneinheiten));
    QString fehler;
    const QString kopie = originalKopieren(datei, jetzt, &fehler);
    if (kopie.isEmpty())
        return bericht + tr("\nDas Original konnte NICHT gesichert werden (%1): vor 'Ende' bitte "
                            "selbst kopieren!")
                             .arg(fehler);
    return bericht + tr("\nDas vollständige Original bleibt erhalten als ") + kopie;
}

QString EinleseBericht::kopieName(const QString &datei, const QDateTime &jetzt)
{
    // Same folder as the original, and as bare as its name was given.
    const QFileInfo info(datei);
    const QString ort =
        datei.contains(QLatin1Char('/')) ? info.path() + QLatin1Char('/') : QString();
    const QString stamm = ort + info.completeBaseName() + QStringLiteral("_Original_") +
                          jetzt.toString(QStringLiteral("yyyyMMdd_HHmmss"));
    const QString endung = info.suffix().isEmpty() ? QString() : QLatin1Char('.') + info.suffix();
    QString name = stamm + endung;
    for (int nummer = 2; QFileInfo::exists(name); ++nummer)
        name = stamm + QLatin1Char('_') + QString::number(nummer) + endung;
    return name;
}

QString EinleseBericht::originalKopieren(const QString &datei, const QDateTime &jetzt,
                                         QString *fehler)
{
    QFile original(datei);
    QByteArray inhalt;
    if (original.open(QIODevice::ReadOnly))
        inhalt = original.readAll();
    if (!original.isOpen() || original.error() != QFileDevice::NoError) {
        *fehler = dateiFehlerBeschreibung(datei, original.error(), false);
        return QString();
    }
    const QString kopie = kopieName(datei, jetzt);
    return AtomareDatei::schreibenAtomar(kopie, inhalt, fehler) ? kopie : QString();
}
