#include "raternamen.h"

#include "studienaufbau.h"

QStringList raterNamen(const std::vector<Sitzung> &sitzungen)
{
    QStringList klienten;
    QStringList rater;
    QStringList beide;
    for (const Sitzung &s : sitzungen) {
        QString k;
        QString r;
        if (!Studienaufbau::zerlegen(s, k, r))
            return {};
        if (!klienten.contains(k, Qt::CaseInsensitive))
            klienten << k;
        rater << r;
        beide << k + QStringLiteral(" / ") + r;
    }
    return klienten.size() <= 1 ? rater : beide;
}
