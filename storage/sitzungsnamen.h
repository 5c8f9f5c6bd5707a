#ifndef SITZUNGSNAMEN_H
#define SITZUNGSNAMEN_H

#include <QString>

// The two name parts of a session's files. The configuration dialog finds a session's files
// whatever the letter case of the typed names; read-back and "Ende" must then use the
// names of the files that exist, so that one session stays one pair of files.
struct SitzungsNamen
{
    QString klient;
    QString rater;

    // The typed names in the letter case of the session's history file in the folder (the
    // working folder when none is given), or else of its info file; as typed when neither
    // exists.
    static SitzungsNamen wieVorhanden(const QString &klient, const QString &rater,
                                      const QString &ordner = QString());
};

#endif
