#ifndef VERLAUFSPEICHERN_H
#define VERLAUFSPEICHERN_H

#include "datenspeichern.h"
#include "verlauf.h"

// Writes the rating history to client + "_" + rater + "_Verlauf.dat" and reads it back.
class VerlaufSpeichern : public DatenSpeichern
{
public:
    explicit VerlaufSpeichern(QWidget *parent = nullptr, const char *name = nullptr,
                              Qt::WindowFlags f = {});

    bool DatenSpeicherStream(QTextStream &stream) override;
    bool DatenLeseStream(QTextStream &stream) override;
    QString DateiName(QString erster, QString zweiter) override;

    // Not owned; set by the creator before any other call.
    Verlauf *verlauf = nullptr;
    // Where the last read stopped; a complete read leaves line 0.
    Verlauf::Lesestopp lesestopp;
};

#endif
