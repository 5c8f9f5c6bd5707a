#include "zeitpunkt.h"

#include "formatierung.h"

#include <QTextStream>

#include <climits>
#include <cmath>

namespace {

// Truncation toward zero that cannot overflow: values beyond the int range never come
// from the counter, but a hand-edited file or a computed value must not cause UB.
int ganzzahlig(double x)
{
    if (!(x > double(INT_MIN)))
        return INT_MIN;
    if (!(x < double(INT_MAX)))
        return INT_MAX;
    return int(x);
}

} // namespace

Zeitpunkt::Zeitpunkt() : minuten(0), sekunden(0.0) {}

Zeitpunkt::Zeitpunkt(int minuten, double sekunden, int millisekunden)
{
    const double d = (millisekunden * 0.001 + minuten * 60.0) + sekunden;
    this->minuten = ganzzahlig(d / 60);
    this->sekunden = std::fmod(std::trunc(d), 60.0) + nachkommaAnteil(d);
}

Zeitpunkt Zeitpunkt::operator-(const Zeitpunkt &b) const
{
    return Zeitpunkt(0, inSekunden() - b.inSekunden(), 0);
}

Zeitpunkt::Anzeige Zeitpunkt::anzeige() const
{
    Anzeige a{minuten, ganzzahlig(sekunden), ganzzahlig(runden(nachkommaAnteil(sekunden) * 1000))};
    if (a.millisekunden >= 1000) {
        a.millisekunden -= 1000;
        a.sekunden += sekunden < 0 ? -1 : 1;
        if (a.sekunden == 60) {
            a.sekunden = 0;
            ++a.minuten;
        }
    }
    return a;
}

QString Zeitpunkt::toString() const
{
    const Anzeige a = anzeige();
    QString text;
    text.reserve(10);
    mitNullenAnhaengen(text, a.minuten, 2);
    text += QLatin1Char(':');
    mitNullenAnhaengen(text, a.sekunden, 2);
    text += QLatin1Char('.');
    mitNullenAnhaengen(text, a.millisekunden, 3);
    return text;
}

bool Zeitpunkt::einlesen(QTextStream &stream)
{
    QString wort;
    stream >> wort;
    return ausWort(wort.toLatin1());
}

bool Zeitpunkt::ausWort(QByteArrayView wort, bool *negativ)
{
    if (negativ)
        *negativ = false;
    const qsizetype doppelpunkt = wort.indexOf(':');
    if (doppelpunkt <= 0)
        return false;

    bool minutenOk = false;
    bool sekundenOk = false;
    const int m = wort.first(doppelpunkt).toInt(&minutenOk, 10);
    double s = wort.sliced(doppelpunkt + 1).toDouble(&sekundenOk);
    if (!std::isfinite(s)) {
        s = 0.0;
        sekundenOk = false;
    }

    // A negative or out-of-range total would be silently distorted by the normalisation.
    const double gesamt = m * 60.0 + s;
    if (gesamt < 0 && negativ)
        *negativ = true;
    if (gesamt < 0 || gesamt / 60 >= double(INT_MAX))
        return false;

    *this = Zeitpunkt(m, s, 0);
    return minutenOk && sekundenOk;
}
