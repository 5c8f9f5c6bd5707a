#ifndef EINLESEBERICHT_H
#define EINLESEBERICHT_H

#include "verlauf.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QString>

// What the rater is told after a history file was read back. A file read only in part is
// first kept as a copy, because the next "Ende" replaces it with the shortened history: the
// copy holds the unread lines for mending by hand.
class EinleseBericht
{
    Q_DECLARE_TR_FUNCTIONS(EinleseBericht)

public:
    // sinneinheiten: the ratings now in the history.
    static QString erstellen(const QString &datei, bool gelesen, const Verlauf::Lesestopp &stopp,
                             int sinneinheiten, const QDateTime &jetzt);

    // client_rater_Verlauf_Original_20030616_093005.dat, or with _2 and on when taken.
    static QString kopieName(const QString &datei, const QDateTime &jetzt);
    // The file's bytes under kopieName(); the copy's name, or empty with *fehler set.
    static QString originalKopieren(const QString &datei, const QDateTime &jetzt, QString *fehler);
};

#endif
