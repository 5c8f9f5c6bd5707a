#ifndef BLANDALTMAN_H
#define BLANDALTMAN_H

#include "sitzungsgroessen.h"

#include <QRectF>
#include <QSizeF>
#include <QString>

class QPainter;

// Bland-Altman pictures (Bland and Altman 1986) for the first two raters of every session,
// one panel per quantity: each session at the mean of the two raters' values against
// their difference, with the mean difference (bias) and the limits of agreement
// bias ± 1.96 SD. Black on white, lines told apart by their dashes, so that a grey print
// loses nothing; 17 cm wide like the timeline.
class BlandAltman
{
public:
    explicit BlandAltman(const Sitzungsgroessen &groessen, const QString &titel = QString());

    QSizeF groesse() const;
    void zeichnen(QPainter &p) const;
    bool speichern(const QString &datei, QString &fehler) const;

    // Mean and standard deviation of the differences first minus second rater; sd 0 with
    // fewer than two sessions.
    struct Grenzen
    {
        double mittel;
        double sd;
    };
    static Grenzen grenzen(const Sitzungsgroessen::Groesse &g);

private:
    void feldZeichnen(QPainter &p, const QRectF &r, const Sitzungsgroessen::Groesse &g) const;

    Sitzungsgroessen groessen_;
    QString titel_;
};

#endif
