#ifndef FORMATIERUNG_H
#define FORMATIERUNG_H

#include <QString>

// Small formatting helpers for time points, the counter split and backup file names.
QString zweistellig(int n);
QString dreistellig(int n);
double nachkommaAnteil(double x);
double runden(double x);

// Appends n in decimal; a non-negative n is padded with leading zeros to `stellen` digits.
// The allocation-free core of zweistellig and dreistellig, for writing long files fast.
void mitNullenAnhaengen(QString &ziel, int n, int stellen);

#endif
