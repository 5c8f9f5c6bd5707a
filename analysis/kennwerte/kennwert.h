#ifndef KENNWERT_H
#define KENNWERT_H

#include <QString>

// A figure that may be undefined; then grund says why instead of a NaN.
struct Kennwert
{
    bool definiert = false;
    double wert = 0.0;
    QString grund;

    static Kennwert mit(double wert) { return Kennwert{true, wert, QString()}; }
    static Kennwert ohne(const QString &grund) { return Kennwert{false, 0.0, grund}; }
};

#endif
