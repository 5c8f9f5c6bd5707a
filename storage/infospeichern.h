#ifndef INFOSPEICHERN_H
#define INFOSPEICHERN_H

#include "datenspeichern.h"
#include "zeitpunkt.h"

// Writes the nine-line summary client + "_" + rater + "_Info.dat"; cannot read it back.
// Date and time are the wall clock's (Wanduhr).
class InfoSpeichern : public DatenSpeichern
{
public:
    explicit InfoSpeichern(QWidget *parent = nullptr, const char *name = nullptr,
                           Qt::WindowFlags f = {});

    void InfoDatenSetzen(QString anzahl, QString dauer, Zeitpunkt letzte, bool weitergefuehrt,
                         bool pauseGedrueckt);

    bool DatenSpeicherStream(QTextStream &stream) override;
    bool DatenLeseStream(QTextStream &stream) override;
    QString DateiName(QString erster, QString zweiter) override;

private:
    QString anzahlSinneinheiten;
    QString dauerMittlererSinneinheit;
    Zeitpunkt letzteSinneinheit;
    bool weitergefuehrt = false;
    bool pauseGedrueckt = false;
};

#endif
