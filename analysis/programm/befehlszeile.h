#ifndef BEFEHLSZEILE_H
#define BEFEHLSZEILE_H

#include "vergleichseinstellungen.h"

#include <QString>
#include <QStringList>

// The command line of morvanto-auswertung: a command, its files and options.
class Befehlszeile
{
public:
    // Arguments without the program name; false with fehler() set on a wrong call.
    bool lesen(const QStringList &argumente);

    static QString hilfetext();

    bool hilfe() const { return hilfe_; }
    const QString &befehl() const { return befehl_; }
    const QStringList &dateien() const { return dateien_; }
    bool csv() const { return csv_; }
    const QString &bild() const { return bild_; }
    const Vergleichseinstellungen &vergleich() const { return vergleich_; }
    const QString &fehler() const { return fehler_; }

private:
    bool optionLesen(const QString &name, const QString &wert);
    bool sekundenLesen(const QString &name, const QString &wert, double minimum, qint64 &ziel);
    bool passtZumBefehl();
    bool scheitern(const QString &meldung);

    bool hilfe_ = false;
    QString befehl_;
    QStringList dateien_;
    bool csv_ = false;
    QString bild_;
    Vergleichseinstellungen vergleich_;
    QStringList optionen_;
    QString fehler_;
};

#endif
