#ifndef SITZUNGSDATEIEN_H
#define SITZUNGSDATEIEN_H

#include "verlauf.h"

#include <QString>
#include <QStringList>

class QWidget;
class Sitzung;

// The session's history and info files, each written or read by a saver made for the one
// operation with the window as parent (so that its retry prompt belongs to the window).
class SitzungsDateien
{
public:
    struct Ergebnis
    {
        QString verlaufName;
        QString infoName;
        bool verlaufOk = false;
        bool infoOk = false;
        bool ok() const { return verlaufOk && infoOk; }
    };
    struct Gelesen
    {
        bool ok = false;
        Verlauf::Lesestopp stopp;
    };

    explicit SitzungsDateien(QWidget *fenster) : fenster(fenster) {}

    // Writes the history file and then, always, the info file under the two name parts,
    // with the statistics as the labels show them.
    Ergebnis speichern(Sitzung &sitzung, const QString &teil1, const QString &teil2,
                       const QString &anzahl, const QString &dauer, const char *verlaufMeldung);
    // Replaces the session's history by the file's.
    Gelesen einlesen(Sitzung &sitzung, const QString &name);
    // The names the savers give to the two parts: history first, then info.
    QStringList namen(const QString &teil1, const QString &teil2);

private:
    QWidget *fenster;
};

#endif
