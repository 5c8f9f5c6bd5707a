#include "verlaufspeichern.h"

#include "verlauf.h"

#include <QDebug>

VerlaufSpeichern::VerlaufSpeichern(QWidget *parent, const char *name, Qt::WindowFlags f)
    : DatenSpeichern(parent, name, f)
{
}

bool VerlaufSpeichern::DatenSpeicherStream(QTextStream &stream)
{
    qDebug("overridden virtual");
    Q_ASSERT(verlauf);
    const bool ok = verlauf->ausgeben(stream, klient, rater);
    qDebug("VerlaufSpeichern::DatenSpeicherStream erfolgreich? %d", int(ok));
    return ok;
}

bool VerlaufSpeichern::DatenLeseStream(QTextStream &stream)
{
    qDebug("overridden virtual");
    Q_ASSERT(verlauf);
    const bool ok = verlauf->einlesen(stream, &lesestopp);
    qDebug("VerlaufSpeichern::DatenLeseStream erfolgreich? %d", int(ok));
    return ok;
}

QString VerlaufSpeichern::DateiName(QString erster, QString zweiter)
{
    return namenMerken(erster, zweiter, QStringLiteral("_Verlauf.dat"));
}
