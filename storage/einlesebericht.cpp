#include "einlesebericht.h"

#include "atomaredatei.h"
#include "dateifehler.h"

#include <QFile>
#include <QFileInfo>

EinleseBericht::EinleseBericht(const QString &datei, bool gelesen, const Verlauf::Lesestopp &stopp,
                               int sinneinheiten, const QDateTime &jetzt)
{
    if (!gelesen || !stopp.unvollstaendig) {
        zeile_ = tr("Daten wurden") + (gelesen ? QStringLiteral(" ") : tr(" NICHT ")) +
                 tr("erfolgreich aus ") + datei + tr(" eingelesen");
        return;
    }
    const QString zeilenNummer = QString::number(stopp.zeile);
    zeile_ = tr("Daten wurden NUR TEILWEISE aus %1 eingelesen (Zeile %2 fehlerhaft)")
                 .arg(datei, zeilenNummer);

    QString fehler;
    const QString kopie = originalKopieren(datei, jetzt, &fehler);
    const QString original =
        kopie.isEmpty()
            ? tr("Das Original konnte NICHT gesichert werden (%1): bitte vor dem nächsten 'Ende' "
                 "die Datei %2 selbst kopieren, sonst sind die Zeilen ab Zeile %3 verloren!")
                  .arg(fehler, datei, zeilenNummer)
            : tr("Das vollständige Original bleibt erhalten als\n%1\nDort lassen sich die Zeilen "
                 "ab Zeile %2 von Hand nachbessern.")
                  .arg(kopie, zeilenNummer);
    hinweis_ = tr("Daten wurden NUR TEILWEISE aus %1 eingelesen: Zeile %2 ist fehlerhaft, "
                  "eingelesen sind die %3 Sinneinheiten davor.\n\nDas nächste 'Ende' speichert "
                  "nur diese und die neuen Sinneinheiten.\n\n")
                   .arg(datei, zeilenNummer, QString::number(sinneinheiten)) +
               original;
}

QString EinleseBericht::hinweisTitel()
{
    return tr("Morvanto - Verlauf nur TEILWEISE eingelesen");
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
