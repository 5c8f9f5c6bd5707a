#ifndef PDFBERICHT_H
#define PDFBERICHT_H

#include "sitzung.h"
#include "zeitleistenoptionen.h"

#include <QString>

#include <vector>

class Seitensatz;
class Studie;
class Uebereinstimmung;
class Vergleichsergebnis;
struct Vergleichseinstellungen;

// The report to hand in, as a PDF on A4 written with Qt's own PDF writer: the figures with
// their intervals, the confusion tables as shaded grids, the timeline, and paragraphs for
// the methods and results sections; for one pair or for a whole study. Readable on paper
// in grey: the grids are grey, the timeline's codes differ in brightness.
class PdfBericht
{
public:
    explicit PdfBericht(const Zeitleistenoptionen &optionen);

    // Written atomically; false with fehler set.
    bool paarSchreiben(const QString &pfad, const Uebereinstimmung &u, QString &fehler) const;
    bool studieSchreiben(const QString &pfad, const Studie &s,
                         const std::vector<Sitzung> &sitzungen, QString &fehler) const;

private:
    void paarSetzen(Seitensatz &satz, const Uebereinstimmung &u) const;
    void studieSetzen(Seitensatz &satz, const Studie &s,
                      const std::vector<Sitzung> &sitzungen) const;
    // intervalle: how the intervals were obtained.
    static void kennwerte(Seitensatz &satz, const Vergleichsergebnis &e, const QString &intervalle,
                          bool gepoolt);
    static void zeitleisteInZeilen(Seitensatz &satz, const std::vector<Sitzung> &sitzungen,
                                   const Zeitleistenoptionen &optionen);
    static void raster(Seitensatz &satz, const Vergleichsergebnis &e);
    static void jeKategorie(Seitensatz &satz, const Vergleichsergebnis &e);
    static void methode(Seitensatz &satz, const QString &methode, const QString &ergebnis);

    Zeitleistenoptionen optionen_;
};

#endif
