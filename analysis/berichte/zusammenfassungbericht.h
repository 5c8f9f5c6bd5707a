#ifndef ZUSAMMENFASSUNGBERICHT_H
#define ZUSAMMENFASSUNGBERICHT_H

#include "sitzung.h"

#include <vector>

class QTextStream;

// Writes the session summaries: a German text block per file, or one CSV row per file.
class ZusammenfassungBericht
{
public:
    static void text(QTextStream &aus, const std::vector<Sitzung> &sitzungen);
    static void csv(QTextStream &aus, const std::vector<Sitzung> &sitzungen);
};

#endif
