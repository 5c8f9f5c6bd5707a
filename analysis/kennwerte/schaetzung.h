#ifndef SCHAETZUNG_H
#define SCHAETZUNG_H

#include "kennwert.h"

// Standard error and 95 % confidence interval of a figure; undefined with a reason, e.g.
// when the figure itself is undefined or no resampling was asked for.
struct Intervall
{
    bool definiert = false;
    double standardfehler = 0.0;
    double unten = 0.0;
    double oben = 0.0;
    QString grund;

    static Intervall ohne(const QString &grund) { return Intervall{false, 0, 0, 0, grund}; }
};

// A figure with its uncertainty.
struct Schaetzung
{
    Kennwert wert;
    Intervall intervall;
};

#endif
