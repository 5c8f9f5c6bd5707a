#ifndef SITZUNG_H
#define SITZUNG_H

#include "einheit.h"

#include <QString>

#include <vector>

class Verlauf;
class Zeitpunkt;

// The units of one history file in time order, the view every analysis works on.
class Sitzung
{
public:
    Sitzung() = default;
    // Entries at 00:00.000 (the start entry) open the first unit and carry none.
    Sitzung(const QString &datei, const Verlauf &verlauf);

    static qint64 mikrosekunden(const Zeitpunkt &t);

    const QString &datei() const { return datei_; }
    // Client and rater as the file's lines name them (fields 5 and 6); empty for a file
    // with no entry.
    const QString &klient() const { return klient_; }
    const QString &rater() const { return rater_; }
    void namenSetzen(const QString &klient, const QString &rater);
    const std::vector<Einheit> &einheiten() const { return einheiten_; }
    // The rated span: from the start (0, or the shift) to the end of the last unit.
    qint64 beginn() const { return beginn_; }
    qint64 ende() const;
    // The latest end of all of them, 0 for none.
    static qint64 spaetestesEnde(const std::vector<Sitzung> &sitzungen);

    // The same units moved by versatz microseconds (a rater's reaction lag).
    Sitzung verschoben(qint64 versatz) const;

private:
    QString datei_;
    QString klient_;
    QString rater_;
    qint64 beginn_ = 0;
    std::vector<Einheit> einheiten_;
};

#endif
