#ifndef JOURNALVERMERK_H
#define JOURNALVERMERK_H

#include <QString>

// Journals whose session is safe elsewhere but which could not be removed (a folder that
// takes no change, a read-only disk): marked in the rater's data folder, so that they are
// never offered for recovery again. A mark holds only while the file stays as it was.
class JournalVermerk
{
public:
    static bool vermerken(const QString &pfad);
    static bool vermerkt(const QString &pfad);

private:
    static QString listenPfad();
    static QString eintrag(const QString &pfad);
};

#endif
