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

// The history file's lines of the tests' standard session, the opening line and 00:04.250
// category 4, 01:10.003 category 2 (after 4), 01:35.500 category 7: the first n of them,
// with the names given.
QByteArray verlaufZeilen(const QString &klient, const QString &rater, int n);
// Its first three lines one by one, for k17 / elmaro.
inline const QByteArray k17Zeile0 =
    verlaufZeilen(QStringLiteral("k17"), QStringLiteral("elmaro"), 1);
inline const QByteArray k17Zeile1 =
    verlaufZeilen(QStringLiteral("k17"), QStringLiteral("elmaro"), 2).mid(k17Zeile0.size());
inline const QByteArray k17Zeile2 =
    verlaufZeilen(QStringLiteral("k17"), QStringLiteral("elmaro"), 3)
        .mid(k17Zeile0.size() + k17Zeile1.size());

// A fresh working folder per test (and data row) below basis, made current so that the
// session files land there. Its path, or empty when it could not be made or entered.
QString arbeitsordnerBetreten(const QTemporaryDir &basis);

// An info file's nine lines as written; the date and time lines are checked by their form
// only, the other seven against ohneDatumZeit.
void infoVergleichen(const QString &name, const QList<QByteArray> &ohneDatumZeit);

#endif
