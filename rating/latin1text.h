#ifndef LATIN1TEXT_H
#define LATIN1TEXT_H

#include <QString>

class QTextStream;

// Session files are Latin-1 both ways: no byte-order mark written, none honoured when
// reading, because a Latin-1 file may well start with the bytes of one.
void latin1Einrichten(QTextStream &stream);

// Every character outside Latin-1 becomes "?" (one per character, surrogate pairs
// included), so that a name stays one word that the file can hold.
QString latin1Tauglich(const QString &text);

#endif
