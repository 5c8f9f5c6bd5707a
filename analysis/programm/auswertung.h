#ifndef AUSWERTUNG_H
#define AUSWERTUNG_H

#include "sitzung.h"

#include <QStringList>

#include <functional>
#include <memory>
#include <vector>

class Angleichung;
class Befehlszeile;
class QTextStream;
class Studie;
class Uebereinstimmung;

// Runs one command of morvanto-auswertung: checks the call, reads every file first and
// presents figures only when all of them could be read.
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

    // Runs right before the first picture is painted, once the call and the files are known
    // to be sound: the program creates its graphical application object there, so that no
    // other command (and no wrong call) ever starts the graphics.
    void grafikVorbereiten(std::function<void()> vorbereiten);

    int ausfuehren(const QStringList &argumente);

private:
    int befehl(const Befehlszeile &b, QTextStream &ziel);
    bool dateienSammeln(const Befehlszeile &b, QStringList &dateien);
    bool lesen(const QStringList &dateien, std::vector<Sitzung> &sitzungen);
    bool scheibenMachbar(const Befehlszeile &b, const std::vector<Sitzung> &s);
    int zusammenfassung(const Befehlszeile &b, const std::vector<Sitzung> &s, QTextStream &ziel);
    int uebereinstimmung(const Befehlszeile &b, const std::vector<Sitzung> &s, QTextStream &ziel);
    int studie(const Befehlszeile &b, const std::vector<Sitzung> &s, QTextStream &ziel);
    int sequenzen(const Befehlszeile &b, const std::vector<Sitzung> &s, QTextStream &ziel);
    int zeitleiste(const Befehlszeile &b, std::vector<Sitzung> s);
    int bericht(const Befehlszeile &b, const std::vector<Sitzung> &s);
    int blandAltman(const Befehlszeile &b, const std::vector<Sitzung> &s);
    int exportieren(const Befehlszeile &b, std::vector<Sitzung> s, QTextStream &ziel);
    // Moves the later sessions onto the first as the call asks; warns of an edge shift.
    Angleichung angleichen(const Befehlszeile &b, std::vector<Sitzung> &s);
    // Null with rueckgabe set when there is nothing to compare; warnings go out on the way.
    std::unique_ptr<Uebereinstimmung>
    paarVergleichen(const Befehlszeile &b, const std::vector<Sitzung> &s, int &rueckgabe);
    std::unique_ptr<Studie> studieAufbauen(const Befehlszeile &b, const std::vector<Sitzung> &s,
                                           int &rueckgabe);
    int keineGemeinsameZeit(const Befehlszeile &b, const Sitzung &a, const Sitzung &bs);
    int ausgabeSchreiben(const QString &pfad, const QString &text);
    void warnen(const QString &warnung);
    int scheitern(int rueckgabe, const QString &meldung);

    QTextStream &aus_;
    QTextStream &fehler_;
    std::function<void()> grafik_;
};

#endif
