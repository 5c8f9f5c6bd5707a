#ifndef SITZUNGSDATEIEN_H
#define SITZUNGSDATEIEN_H

#include "verlauf.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>

class QWidget;
class Sitzung;

// The session's history and info files, each written or read by a saver made for the one
// operation with the window as parent (so that its retry prompt belongs to the window).
class SitzungsDateien
{
    // The window's texts, in the window's translation context.
    Q_DECLARE_TR_FUNCTIONS(MorvantoDialog)

public:
    struct Ergebnis
    {
        QString verlaufName;
        QString infoName;
        bool verlaufOk = false;
        bool infoOk = false;
        // Why the history or info file failed, in German; empty when both were written.
        QString grund;
        // A history file this session had not read or written, kept before it was replaced.
        QString aufbewahrt;
        bool ok() const { return verlaufOk && infoOk; }
    };
    struct Gelesen
    {
        bool ok = false;
        Verlauf::Lesestopp stopp;
    };

    explicit SitzungsDateien(QWidget *fenster) : fenster(fenster) {}

    // Writes the history file and then, always, the info file under the two name parts,
    // with the statistics as the labels show them, into the session's folder. A history
    // file there that this session did not read or write is kept as a dated copy first; if
    // that fails, it is not replaced.
    Ergebnis speichern(Sitzung &sitzung, const QString &teil1, const QString &teil2,
                       const QString &anzahl, const QString &dauer, const char *verlaufMeldung);
    // Replaces the session's history by the file's.
    Gelesen einlesen(Sitzung &sitzung, const QString &name);
    // The names the savers give to the two parts: history first, then info.
    QStringList namen(const QString &teil1, const QString &teil2);

    // The forbidden close's scolding: units and their duration, the backup's two names.
    static QString verbotenText(int anzahl, const QString &dauer, const QString &info,
                                const QString &verlauf);
    // Why a read-back was refused: it would have dropped ratings not yet saved.
    static QString einlesenVerweigertText(const QString &name);

private:
    QWidget *fenster;
};

#endif
