#ifndef RATERSPUREN_H
#define RATERSPUREN_H

#include "sitzung.h"
#include "vergleichseinstellungen.h"

#include <QStringList>

#include <vector>

// Several raters of one video made ready to be shown side by side: every later session
// moved onto the first as the settings ask, one distinct name each, and the warnings a
// researcher must see (a shift on the edge of its search range, client fields that differ).
class Raterspuren
{
public:
    Raterspuren(std::vector<Sitzung> sitzungen, const Vergleichseinstellungen &e,
                const QStringList &namen = {});

    const std::vector<Sitzung> &sitzungen() const { return sitzungen_; }
    const QStringList &namen() const { return namen_; }
    const QStringList &warnungen() const { return warnungen_; }

private:
    std::vector<Sitzung> sitzungen_;
    QStringList namen_;
    QStringList warnungen_;
};

#endif
