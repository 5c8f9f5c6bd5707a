#ifndef KAPITELDATEI_H
#define KAPITELDATEI_H

#include <QString>

#include <utility>
#include <vector>

// Stretches as chapters in the ffmetadata format that mpv reads with --chapters-file, so
// that the player's chapter keys jump from one to the next.
class Kapiteldatei
{
public:
    // Titles "Abweichung 1 von N (mm:ss.mmm)"; stretches in microseconds, those before 0 cut.
    static QString text(const std::vector<std::pair<qint64, qint64>> &abschnitte);
};

#endif
