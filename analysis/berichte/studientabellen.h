#ifndef STUDIENTABELLEN_H
#define STUDIENTABELLEN_H

#include <QList>
#include <QStringList>

class Studie;

// The tables of a study as rows of cell texts, head first, the same for the text report
// and the PDF.
class Studientabellen
{
public:
    // A row per pair: client, raters, shift, time-based and event-based figures.
    static QList<QStringList> paare(const Studie &s);
    static QList<bool> paareRechts();
    // A row per client with three or more raters, and a last one over all clients.
    static QList<QStringList> mehrrater(const Studie &s);
    static QList<bool> mehrraterRechts();
    // A row per quantity of the sessions: sessions, each rater's mean, ICC(A,1).
    static QList<QStringList> groessen(const Studie &s);
    static QList<bool> groessenRechts();
};

#endif
