#include "formatierung.h"

#include <cmath>

QString zweistellig(int n)
{
    if (n >= 0 && n <= 9)
        return QLatin1Char('0') + QString::number(n);
    return QString::number(n);
}

QString dreistellig(int n)
{
    if (n >= 0 && n <= 99)
        return QLatin1Char('0') + zweistellig(n);
    return zweistellig(n);
}

double nachkommaAnteil(double x)
{
    // std::trunc instead of a cast to int: same result, no overflow for huge values
    return std::fabs(x - std::trunc(x));
}

double runden(double x)
{
    return std::floor(x + 0.5);
}
