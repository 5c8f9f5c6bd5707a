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
    // Makes the copy when the read stopped early. sinneinheiten: the ratings now in the
    // history.
    EinleseBericht(const QString &datei, bool gelesen, const Verlauf::Lesestopp &stopp,
                   int sinneinheiten, const QDateTime &jetzt);

    // For the information line.
    QString zeile() const { return zeile_; }
    // The whole story of a partial read, for a message box; empty after any other read.
    QString hinweis() const { return hinweis_; }
    static QString hinweisTitel();

    // client_rater_Verlauf_Original_20030616_093005.dat, or with _2 and on when taken.
    static QString kopieName(const QString &datei, const QDateTime &jetzt);
    // The file's bytes under kopieName(); the copy's name, or empty with *fehler set.
    static QString originalKopieren(const QString &datei, const QDateTime &jetzt, QString *fehler);

private:
    QString zeile_;
    QString hinweis_;
};

#endif
