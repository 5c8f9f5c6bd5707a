#ifndef FORMATIERUNG_H
#define FORMATIERUNG_H

#include <QString>

// Small formatting helpers for time points, the counter split and backup file names.
QString zweistellig(int n);
QString dreistellig(int n);
double nachkommaAnteil(double x);
double runden(double x);

#endif
