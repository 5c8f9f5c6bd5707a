#include "datenspeichern.h"

#include "atomaredatei.h"
#include "dateifehler.h"
#include "latin1text.h"
#include "meldungsfenster.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QTextStream>

namespace {

// Literally, so that a percent sign in a file name is printed as it is.
void debugZeile(const char *text, const QString &dateiName)
{
    qDebug("%s%s", text, qUtf8Printable(dateiName));
}

} // namespace

DatenSpeichern::DatenSpeichern(QWidget *parent, const char *name, Qt::WindowFlags f)
    : QWidget(parent, f)
{
    if (name)
        setObjectName(QString::fromLatin1(name));
}

bool DatenSpeichern::DatenSpeicherStream(QTextStream &)
{
    qDebug("virtual");
    return true;
}

bool DatenSpeichern::DatenLeseStream(QTextStream &)
{
    qDebug("virtual");
    return true;
}

QString DatenSpeichern::DateiName(QString, QString)
{
    qDebug("virtual");
    return QLatin1String("");
}

bool DatenSpeichern::DateiSpeichern(QString dateiName, QString bezeichnung)
{
    return wiederholen(dateiName, bezeichnung, QStringLiteral("speichern"),
                       "ERROR saving or closing file ", [&] { return speicherVersuch(dateiName); });
}

bool DatenSpeichern::DateiLesen(QString dateiName, QString bezeichnung)
{
    return wiederholen(dateiName, bezeichnung, QStringLiteral("lesen"),
                       "ERROR reading or closing file ", [&] { return leseVersuch(dateiName); });
}

bool DatenSpeichern::wiederholen(const QString &dateiName, const QString &bezeichnung,
                                 const QString &verb, const char *fehlerText,
                                 const std::function<Versuch()> &versuch)
{
    for (;;) {
        const Versuch ergebnis = versuch();
        if (ergebnis == Versuch::Gelungen)
            return true;
        const bool nichtGeoeffnet = ergebnis == Versuch::NichtGeoeffnet;
        debugZeile(nichtGeoeffnet ? "ERROR opening file " : fehlerText, dateiName);
        const QString grund = QLatin1Char('(') + bezeichnung +
                              (nichtGeoeffnet ? QStringLiteral(" - Datei nicht zu ÖFFNEN)")
                                              : QStringLiteral(" - Datei nicht zu SCHLIESSEN)"));
        if (NochMalVersuchen(dateiName, verb, grund) != 1)
            return false;
    }
}

QString DatenSpeichern::pfad(const QString &dateiName) const
{
    return ordner.isEmpty() ? dateiName : QDir(ordner).filePath(dateiName);
}

DatenSpeichern::Versuch DatenSpeichern::speicherVersuch(const QString &dateiName)
{
    AtomareDatei datei(pfad(dateiName));
    const bool offen = datei.oeffnen();
    bool ok = false;
    if (offen) {
        QTextStream stream(datei.geraet());
        latin1Einrichten(stream);
        DatenSpeicherStream(stream);
        ok = datei.abschliessen(&stream);
    }
    letzterGrund = datei.fehlerText();
    if (ok)
        return Versuch::Gelungen;
    return offen ? Versuch::Fehlgeschlagen : Versuch::NichtGeoeffnet;
}

DatenSpeichern::Versuch DatenSpeichern::leseVersuch(const QString &dateiName)
{
    QFile datei(pfad(dateiName));
    letzterGrund.clear();
    if (!datei.open(QIODevice::ReadOnly) || datei.error() != QFileDevice::NoError) {
        letzterGrund = dateiFehlerBeschreibung(datei.fileName(), datei.error(), false);
        return Versuch::NichtGeoeffnet;
    }

    bool fehlerfrei = false;
    {
        QTextStream stream(&datei);
        latin1Einrichten(stream);
        DatenLeseStream(stream);
        // A failed read looks like the end of the file to the stream; only the file knows,
        // and close() forgets it.
        fehlerfrei = datei.error() == QFileDevice::NoError &&
                     stream.status() != QTextStream::ReadCorruptData;
    }
    if (!fehlerfrei)
        letzterGrund = dateiFehlerBeschreibung(datei.fileName(), QFileDevice::ReadError, false);
    datei.close();
    return fehlerfrei && datei.error() == QFileDevice::NoError ? Versuch::Gelungen
                                                               : Versuch::Fehlgeschlagen;
}

int DatenSpeichern::NochMalVersuchen(QString dateiName, QString verb, QString grund)
{
    const QString titel = QStringLiteral("Morvanto Festplattenzugriff?");
    const QString text = QStringLiteral("Konnte die Daten nicht ") + verb +
                         QStringLiteral(".\n\n") + dateiName + QLatin1Char('\n') + grund +
                         QStringLiteral("\n\nNoch mal versuchen?");
    const int antwort = rueckfragen(Rueckfrage::Art::Wiederholen, this, titel, text);
    return antwort == 1 || antwort == 0 ? antwort : -1;
}

QString DatenSpeichern::namenMerken(const QString &erster, const QString &zweiter,
                                    const QString &endung)
{
    klient = erster;
    rater = zweiter;
    return erster + QLatin1Char('_') + zweiter + endung;
}
