#ifndef SITZUNGSGROESSEN_H
#define SITZUNGSGROESSEN_H

#include "schaetzung.h"
#include "sitzung.h"
#include "vergleichseinstellungen.h"

#include <QString>
#include <QStringList>

#include <vector>

// The quantities studies analyse, per session and rater: the number of units, the rated
// duration, and the shares TL/(TL+TNL) and KL/(KL+KNL) by time; how well raters agree on
// them is the ICC(A,1) across sessions, with an interval from resampling sessions. The
// model needs the same raters everywhere: the first k raters (by name) of every session,
// k the smallest number of raters of any session.
class Sitzungsgroessen
{
public:
    struct Groesse
    {
        QString name;
        QString einheit; // of the values, for the picture's axes
        QStringList klienten;
        std::vector<std::vector<double>> werte; // per session taking part, per rater
        Schaetzung icc;
    };

    Sitzungsgroessen() = default;
    // raterJeKlient[i]: the sessions of client i's raters, in the raters' order.
    Sitzungsgroessen(const QStringList &klienten,
                     const std::vector<std::vector<const Sitzung *>> &raterJeKlient,
                     const Vergleichseinstellungen &e);

    int rater() const { return rater_; }
    const std::vector<Groesse> &groessen() const { return groessen_; }

private:
    int rater_ = 0;
    std::vector<Groesse> groessen_;
};

#endif
