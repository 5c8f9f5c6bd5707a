#include "formatierung.h"

#include <cmath>

void mitNullenAnhaengen(QString &ziel, int n, int stellen)
{
    char puffer[16];
    int i = sizeof puffer;
    unsigned int rest = n < 0 ? 0u - unsigned(n) : unsigned(n);
    do {
        puffer[--i] = char('0' + rest % 10);
        rest /= 10;
    } while (rest != 0);
    if (n < 0)
        puffer[--i] = '-';
    else
        while (i > 0 && int(sizeof puffer) - i < stellen) // at most the buffer, however many asked
            puffer[--i] = '0';
    ziel += QLatin1String(puffer + i, int(sizeof puffer) - i);
}

QString zweistellig(int n)
{
    QString text;
    mitNullenAnhaengen(text, n, 2);
    return text;
}

QString dreistellig(int n)
{
    QString text;
    mitNullenAnhaengen(text, n, 3);
    return text;
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
