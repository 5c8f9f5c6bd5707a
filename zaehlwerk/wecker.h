#ifndef WECKER_H
#define WECKER_H

#include <QtGlobal>

class QTimer;

// A coarse timer may fire 5 % early or late; the display and the countdown must change
// within a few milliseconds of their instants: one-shot, precise timers armed for an instant.
void alsWeckerEinrichten(QTimer &timer);
// Arms the timer for the instant `faellig` of the counter's time base, read at `jetzt`.
void weckerStellen(QTimer &timer, qint64 faellig, qint64 jetzt);

#endif
