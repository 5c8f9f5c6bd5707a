#ifndef SICHTBAR_H
#define SICHTBAR_H

#include <QByteArrayView>
#include <QString>

// Text from a file or the command line made safe for a terminal: control characters
// (C0, DEL, C1) appear as \xNN instead of moving the cursor or ringing the bell, and an
// overlong excerpt is cut.
QString sichtbar(QByteArrayView latin1, int hoechstens = 40);
QString sichtbar(const QString &text);

#endif
