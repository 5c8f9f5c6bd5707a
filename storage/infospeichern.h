#ifndef INFOSPEICHERN_H
#define INFOSPEICHERN_H

#include "datenspeichern.h"
#include "zeitpunkt.h"

#include <QDateTime>

#include <functional>

// Writes the nine-line summary client + "_" + rater + "_Info.dat"; cannot read it back.
class InfoSpeichern : public DatenSpeichern
{
public:
    using Uhr = std::function<QDateTime()>;

    explicit InfoSpeichern(QWidget *parent = nullptr, const char *name = nullptr,
                           Qt::WindowFlags f = {});

    void InfoDatenSetzen(QString anzahl, QString dauer, Zeitpunkt letzte, bool weitergefuehrt,
                         bool pauseGedrueckt);

    bool DatenSpeicherStream(QTextStream &stream) override;
    bool DatenLeseStream(QTextStream &stream) override;
    QString DateiName(QString erster, QString zweiter) override;

    // Test seam for every info saver in the process: the local date and time written into
    // the file. An empty function restores the system clock. Returns the one set before.
    static Uhr uhrSetzen(Uhr uhr);

private:
    QString anzahlSinneinheiten;
    QString dauerMittlererSinneinheit;
    Zeitpunkt letzteSinneinheit;
    bool weitergefuehrt = false;
    bool pauseGedrueckt = false;
};

#endif
