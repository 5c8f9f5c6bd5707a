#ifndef TESTDATEIEN_H
#define TESTDATEIEN_H

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

class QTemporaryDir;

// A file's bytes, or "<nicht lesbar>" when it cannot be read.
QByteArray dateiInhalt(const QString &pfad);
bool dateiSchreiben(const QString &pfad, const QByteArray &inhalt);
// Every entry of a folder, hidden ones included, so that a left-over temporary file shows.
QStringList eintraege(const QString &verzeichnis);

// A fresh working folder per test (and data row) below basis, made current so that the
// session files land there. Its path, or empty when it could not be made or entered.
QString arbeitsordnerBetreten(const QTemporaryDir &basis);

// An info file's nine lines as written; the date and time lines are checked by their form
// only, the other seven against ohneDatumZeit.
void infoVergleichen(const QString &name, const QList<QByteArray> &ohneDatumZeit);

#endif
