#ifndef RATERNAMEN_H
#define RATERNAMEN_H

#include "sitzung.h"

#include <QStringList>

#include <vector>

// The label of each session: the rater from its name <client>_<rater>_Verlauf.dat, or
// "client / rater" when the files name different clients; empty when a name does not
// follow the pattern.
QStringList raterNamen(const std::vector<Sitzung> &sitzungen);

#endif
