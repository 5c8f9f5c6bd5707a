#include "infospeichern.h"

#include "latin1text.h"
#include "wanduhr.h"

#include <QDebug>
#include <QTextStream>

#include <utility>

namespace {

QString jaNein(bool wert)
{
    return wert ? QStringLiteral("ja") : QStringLiteral("nein");
}

} // namespace

InfoSpeichern::InfoSpeichern(QWidget *parent, const char *name, Qt::WindowFlags f)
    : DatenSpeichern(parent, name, f), letzteSinneinheit(0, 0, 0)
{
}

void InfoSpeichern::InfoDatenSetzen(QString anzahl, QString dauer, Zeitpunkt letzte,
                                    bool weitergefuehrt, bool pauseGedrueckt)
{
    anzahlSinneinheiten = anzahl;
    dauerMittlererSinneinheit = dauer;
    letzteSinneinheit = letzte;
    this->weitergefuehrt = weitergefuehrt;
    this->pauseGedrueckt = pauseGedrueckt;
}

bool InfoSpeichern::DatenSpeicherStream(QTextStream &stream)
{
    qDebug("overridden virtual");
    // One reading of the clock, so that date and time cannot straddle midnight.
    const QDateTime zeitpunkt = Wanduhr::lesen();
    const std::pair<QString, QString> zeilen[] = {
        {QStringLiteral("Klient:"), latin1Tauglich(klient)},
        {QStringLiteral("Rater:"), latin1Tauglich(rater)},
        {QStringLiteral("Datum:"), zeitpunkt.date().toString()},
        {QStringLiteral("Zeit:"), zeitpunkt.time().toString()},
        {QStringLiteral("letzte Sinneinheit bei:"), letzteSinneinheit.toString()},
        {QStringLiteral("Anzahl Sinneinheiten:"), latin1Tauglich(anzahlSinneinheiten)},
        {QStringLiteral("Dauer mittlerer Sinneinheit:"), latin1Tauglich(dauerMittlererSinneinheit)},
        {QStringLiteral("Weitergefuehrte Session:"), jaNein(weitergefuehrt)},
        {QStringLiteral("Pause gedrückt:"), jaNein(pauseGedrueckt)},
    };
    for (const auto &[bezeichnung, wert] : zeilen)
        stream << bezeichnung << QLatin1Char('\t') << wert << QLatin1Char('\n');
    return true;
}

bool InfoSpeichern::DatenLeseStream(QTextStream &)
{
    qDebug("overridden virtual, aber nicht implementiert, weil nicht gebraucht!");
    return false;
}

QString InfoSpeichern::DateiName(QString erster, QString zweiter)
{
    return namenMerken(erster, zweiter, QStringLiteral("_Info.dat"));
}
