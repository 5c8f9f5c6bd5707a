#ifndef VERLAUF_H
#define VERLAUF_H

#include "eintraginfo.h"
#include "zeitpunkt.h"

#include <QString>

#include <map>

class QTextStream;

// The rating history of one session: time point -> category, unique time points,
// ascending time. A new history holds the start entry 00:00.000 with category 0.
class Verlauf
{
public:
    using Eintraege = std::map<Zeitpunkt, int>;

    // Where a read stopped: the rejected line (0 when none was), and whether entries of the
    // file may be missing from the history because something other than white space
    // followed unread.
    struct Lesestopp
    {
        int zeile = 0;
        bool unvollstaendig = false;
    };

    Verlauf();

    // Ignored when an entry with an equal time point exists.
    void eintragen(const Zeitpunkt &t, int einschaetzung);
    void entfernen(const Zeitpunkt &t);
    // The entry at t gets a new category (a correction; an entry there if none was).
    void korrigieren(const Zeitpunkt &t, int einschaetzung);
    // 00:00.000 for an empty history.
    Zeitpunkt letzterZeitpunkt() const;
    EintragInfo eintragInfo(const Zeitpunkt &t) const;
    int size() const;
    void clear();

    // Replaces the content by the lines of a history file; false at the first
    // rejected line, whose predecessors stay.
    bool einlesen(QTextStream &stream, Lesestopp *stopp = nullptr);
    // The names are written as the Latin-1 file can hold them.
    bool ausgeben(QTextStream &stream, const QString &namensteil1,
                  const QString &namensteil2) const;

    const Eintraege &eintraege() const { return eintraege_; }

private:
    Eintraege eintraege_;
};

#endif
