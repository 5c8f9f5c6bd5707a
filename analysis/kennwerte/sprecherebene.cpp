#include "sprecherebene.h"

Kreuztabelle sprecherebene(const Kreuztabelle &t)
{
    static const QStringList drei = {QStringLiteral("T"), QStringLiteral("K"),
                                     QStringLiteral("NIX")};
    QStringList kuerzel = drei;
    std::vector<int> abbildung = {1, 1, 1, 2, 2, 2, 3};
    for (int k = 8; k <= t.kategorien(); ++k) {
        kuerzel << t.kuerzel(k);
        abbildung.push_back(int(kuerzel.size()));
    }
    return t.zusammengefasst(abbildung, kuerzel);
}
