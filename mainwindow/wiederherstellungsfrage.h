#ifndef WIEDERHERSTELLUNGSFRAGE_H
#define WIEDERHERSTELLUNGSFRAGE_H

#include <QCoreApplication>
#include <QString>

class QWidget;
struct JournalFund;

// Asks at start-up whether to continue the session a journal holds.
class WiederherstellungsFrage
{
    Q_DECLARE_TR_FUNCTIONS(WiederherstellungsFrage)

public:
    // True when the rater chose "Wiederherstellen" (the box's default button, unless the
    // journal is older than the session's saved history; "Nicht wiederherstellen" is its
    // escape button).
    static bool stellen(QWidget *eltern, const JournalFund &fund);
    static QString titel();
    static QString text(const JournalFund &fund);

private:
    static QString aelter(const JournalFund &fund);
};

#endif
