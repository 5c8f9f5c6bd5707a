#include "sprecherebene.h"

Kreuztabelle sprecherebene(const Kreuztabelle &t)
{
    QStringList kuerzel = {QStringLiteral("T"), QStringLiteral("K"), QStringLiteral("NIX")};
    std::vector<int> abbildung = {1, 1, 1, 2, 2, 2, 3};
    for (int k = 8; k <= t.kategorien(); ++k) {
        kuerzel << t.kuerzel(k);
        abbildung.push_back(int(kuerzel.size()));
    }
    return t.zusammengefasst(abbildung, kuerzel);
}
