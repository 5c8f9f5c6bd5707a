#include "spurnamen.h"

#include "raternamen.h"

#include <QFileInfo>

QStringList spurNamen(const std::vector<Sitzung> &sitzungen, const QStringList &vorgegeben)
{
    QStringList namen =
        vorgegeben.size() == qsizetype(sitzungen.size()) ? vorgegeben : raterNamen(sitzungen);
    if (namen.size() != qsizetype(sitzungen.size())) {
        namen.clear();
        for (const Sitzung &s : sitzungen)
            namen << QFileInfo(s.datei()).completeBaseName();
    }
    for (qsizetype i = 1; i < namen.size(); ++i) {
        int nummer = 1;
        const QString name = namen[i];
        while (namen.mid(0, i).contains(namen[i]))
            namen[i] = QStringLiteral("%1 (%2)").arg(name).arg(++nummer);
    }
    return namen;
}
