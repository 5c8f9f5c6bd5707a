#ifndef BEFEHLSZEILE_H
#define BEFEHLSZEILE_H

#include "vergleichseinstellungen.h"
#include "zeitleistenoptionen.h"

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
    bool dezimalkomma() const { return dezimalkomma_; }
    // The output file (-o); empty: standard output.
    const QString &ausgabe() const { return ausgabe_; }
    const Vergleichseinstellungen &vergleich() const { return vergleich_; }
    const Zeitleistenoptionen &zeitleiste() const { return zeitleiste_; }
    // The video an annotation document links (--video); empty for none.
    const QString &video() const { return video_; }
    const QString &fehler() const { return fehler_; }
    // The command paints (a picture or a PDF) and so needs the graphical application.
    bool malt() const;
    // A report of a whole study rather than of one pair: anything but two plain files.
    bool studienbericht() const;

private:
    bool optionLesen(const QString &name, const QString &wert);
    bool sekundenLesen(const QString &name, const QString &wert, double minimum, double maximum,
                       qint64 &ziel);
    bool zeitLesen(const QString &name, const QString &wert, qint64 &ziel);
    bool ganzzahlLesen(const QString &name, const QString &wert, qint64 minimum, qint64 maximum,
                       qint64 &ziel);
    bool passtZumBefehl();
    bool ausgabePasst();
    bool exportPasst();
    bool scheitern(const QString &meldung);

    bool hilfe_ = false;
    QString befehl_;
    QStringList dateien_;
    bool csv_ = false;
    bool dezimalkomma_ = false;
    QString ausgabe_;
    Vergleichseinstellungen vergleich_;
    Zeitleistenoptionen zeitleiste_;
    QString video_;
    QStringList optionen_;
    QString fehler_;
};

#endif
