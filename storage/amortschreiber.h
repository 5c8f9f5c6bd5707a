#ifndef AMORTSCHREIBER_H
#define AMORTSCHREIBER_H

#include <QByteArray>
#include <QString>

// Rewrites a file in place where its folder cannot take a temporary file (the rater may write
// the file but not the folder). Not atomic, so the old content goes first to a copy in the
// rater's data folder, synced, and only then is the file overwritten and synced. A kill in
// between leaves the old content complete in that copy; the copy goes once the new content
// is on the device.
class AmOrtSchreiber
{
public:
    // The file exists and may be written, its folder may not.
    static bool noetig(const QString &pfad);
    static bool schreiben(const QString &pfad, const QByteArray &inhalt, QString *fehler);
    // Where the old content of pfad is kept while it is rewritten.
    static QString kopiePfad(const QString &pfad);
};

#endif
