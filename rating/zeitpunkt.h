#ifndef ZEITPUNKT_H
#define ZEITPUNKT_H

#include <QByteArrayView>
#include <QString>

class QTextStream;

// A time point on the session counter: whole minutes and the seconds within the
// minute, the fraction carrying the milliseconds. Normalised on construction.
class Zeitpunkt
{
public:
    Zeitpunkt();
    Zeitpunkt(int minuten, double sekunden, int millisekunden = 0);

    double inSekunden() const { return minuten * 60.0 + sekunden; }
    double sekundenBis(const Zeitpunkt &b) const { return b.inSekunden() - inSekunden(); }

    bool operator==(const Zeitpunkt &b) const { return inSekunden() == b.inSekunden(); }
    bool operator!=(const Zeitpunkt &b) const { return !(*this == b); }
    bool operator<(const Zeitpunkt &b) const { return inSekunden() < b.inSekunden(); }
    Zeitpunkt operator-(const Zeitpunkt &b) const;

    // MM:SS.mmm
    QString toString() const;
    // Reads one word "M:S"; true only when both numbers converted.
    bool einlesen(QTextStream &stream);
    // The same for a word already at hand, as Latin-1 bytes (numbers are plain ASCII, and
    // byte conversion is several times faster). A negative or out-of-range value is refused
    // and leaves the time point unchanged; *negativ then tells the two apart.
    bool ausWort(QByteArrayView wort, bool *negativ = nullptr);

    // The printed parts, milliseconds rounded; a rounding to 1000 ms is carried into
    // the seconds (and on into the minutes) so that every printed form is valid.
    struct Anzeige
    {
        int minuten;
        int sekunden;
        int millisekunden;
    };
    Anzeige anzeige() const;

    int minuten;
    double sekunden;
};

#endif
