#ifndef AUSWERTUNG_H
#define AUSWERTUNG_H

#include "sitzung.h"

#include <QStringList>

#include <vector>

class Befehlszeile;
class QTextStream;

// Runs one command of morvanto-auswertung: reads every file first and presents figures
// only when all of them could be read.
class Auswertung
{
public:
    enum Rueckgabe
    {
        Erfolg = 0,
        Dateifehler = 1,
        Aufruffehler = 2
    };

    Auswertung(QTextStream &aus, QTextStream &fehler);

    int ausfuehren(const QStringList &argumente);
    // True when the command draws a picture and so needs a GUI application object.
    static bool brauchtGrafik(const QStringList &argumente);

private:
    bool lesen(const QStringList &dateien, std::vector<Sitzung> &sitzungen);
    bool scheibenMachbar(const Befehlszeile &b, const std::vector<Sitzung> &s);
    int zusammenfassung(const Befehlszeile &b, const std::vector<Sitzung> &s);
    int uebereinstimmung(const Befehlszeile &b, const std::vector<Sitzung> &s);
    int sequenzen(const Befehlszeile &b, const std::vector<Sitzung> &s);
    int zeitleiste(const Befehlszeile &b, std::vector<Sitzung> s);

    QTextStream &aus_;
    QTextStream &fehler_;
};

#endif
