#ifndef SCHAETZUNG_H
#define SCHAETZUNG_H

#include "kennwert.h"

// Standard error and 95 % confidence interval of a figure; undefined with a reason, e.g.
// when the figure itself is undefined or no resampling was asked for. A defined interval
// may carry a caution (hinweis): too few units, too few sessions.
struct Intervall
{
    bool definiert = false;
    double standardfehler = 0.0;
    double unten = 0.0;
    double oben = 0.0;
    QString grund;
    QString hinweis;

    static Intervall ohne(const QString &grund) { return Intervall{false, 0, 0, 0, grund, {}}; }

    void punktPruefen()
    {
        if (definiert && hinweis.isEmpty() && oben - unten < 1e-12)
            hinweis = QStringLiteral("Intervall auf einen Punkt geschrumpft: nicht aussagekräftig");
    }

    // Below about 50 independent units an interval says little, and one that collapsed to
    // a point (every resample alike) says nothing.
    void einheitenPruefen(qint64 einheiten, const QString &was)
    {
        punktPruefen();
        if (definiert && hinweis.isEmpty() && einheiten < 50)
            hinweis =
                QStringLiteral("nur %1 %2: Intervall wenig aussagekräftig").arg(einheiten).arg(was);
    }
};

// A figure with its uncertainty.
struct Schaetzung
{
    Kennwert wert;
    Intervall intervall;
};

#endif
