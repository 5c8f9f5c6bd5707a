#ifndef SPURNAMEN_H
#define SPURNAMEN_H

#include "sitzung.h"

#include <QStringList>

#include <vector>

// One distinct name per session for a subtitle line or an annotation tier: the names given
// (one per session), else the raters from the file names, else the file names; a name
// that repeats gets its number, " (2)", so that no two tracks can be mixed up.
QStringList spurNamen(const std::vector<Sitzung> &sitzungen, const QStringList &vorgegeben = {});

#endif
