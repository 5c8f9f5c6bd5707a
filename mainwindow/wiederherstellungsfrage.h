#ifndef WIEDERHERSTELLUNGSFRAGE_H
#define WIEDERHERSTELLUNGSFRAGE_H

#include <QCoreApplication>
#include <QString>

#include <functional>

class QWidget;
struct JournalFund;

// Asks at start-up whether to continue the session a journal holds.
class WiederherstellungsFrage
{
    Q_DECLARE_TR_FUNCTIONS(WiederherstellungsFrage)

public:
    // Answers in place of the message box: true means "Wiederherstellen".
    using Antwort = std::function<bool(const QString &titel, const QString &text)>;

    // True when the rater chose "Wiederherstellen".
    static bool stellen(QWidget *eltern, const JournalFund &fund);
    static QString titel();
    static QString text(const JournalFund &fund);

    // Test seam: replaces the box (modal, caption titel(), buttons "Wiederherstellen" as
    // default and "Nicht wiederherstellen" as escape). An empty function restores it.
    // Returns the function set before.
    static Antwort antwortSetzen(Antwort antwort);
};

#endif
