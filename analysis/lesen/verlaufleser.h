#ifndef VERLAUFLESER_H
#define VERLAUFLESER_H

#include "sitzung.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>

class Zeitpunkt;

// Reads a history file strictly: where the console's reader only stops, this one names
// the file and the line of the damage, so that no figure rests on half a file.
class VerlaufLeser
{
public:
    bool lesen(const QString &datei);
    bool lesen(const QString &datei, const QByteArray &inhalt);

    const Sitzung &sitzung() const { return sitzung_; }
    // "DATEI, Zeile N: ..." or "DATEI: ..."; empty after success.
    const QString &fehler() const { return fehler_; }
    // Notes on a file read nonetheless (a last line without its line end).
    const QStringList &hinweise() const { return hinweise_; }

private:
    // False with meldung_ set when the line is damaged; eintrag false for a line that
    // holds nothing to enter (empty, or a bare time point as the console allows).
    bool zeilePruefen(QByteArrayView zeile, Zeitpunkt &t, int &kategorie, bool &eintrag);
    bool feldPruefen(QByteArrayView feld, int nummer);
    void namenMerken(QByteArrayView klient, QByteArrayView rater);
    bool zeitPruefen(QByteArrayView feld, Zeitpunkt &t);
    bool kategoriePruefen(QByteArrayView feld, const Zeitpunkt &t, int &kategorie);
    static bool vollstaendig(QByteArrayView zeile);
    int ersteZeileMit(const QByteArray &inhalt, const Zeitpunkt &gesucht);
    bool fehlschlagen(const QString &datei, int zeile, const QString &meldung);

    Sitzung sitzung_;
    QString fehler_;
    QStringList hinweise_;
    QString meldung_;
    QString klient_;
    QString rater_;
};

#endif
