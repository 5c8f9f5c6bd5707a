#include "wecker.h"

#include <QTimer>

#include <algorithm>
#include <limits>

void alsWeckerEinrichten(QTimer &timer)
{
    timer.setSingleShot(true);
    timer.setTimerType(Qt::PreciseTimer);
}

void weckerStellen(QTimer &timer, qint64 faellig, qint64 jetzt)
{
    const qint64 maxMs = std::numeric_limits<int>::max();
    timer.start(int(std::clamp<qint64>(faellig - jetzt, 0, maxMs)));
}
