#include "kapiteldatei.h"

#include "ausgabeformat.h"

#include <algorithm>

QString Kapiteldatei::text(const std::vector<std::pair<qint64, qint64>> &abschnitte)
{
    std::vector<std::pair<qint64, qint64>> ms;
    for (const auto &[von, bis] : abschnitte) {
        const qint64 beginn = std::max<qint64>(von, 0) / 1000;
        const qint64 ende = std::max<qint64>(bis, 0) / 1000;
        if (ende > beginn)
            ms.emplace_back(beginn, ende);
    }
    QString s = QStringLiteral(";FFMETADATA1\n");
    for (size_t i = 0; i < ms.size(); ++i)
        s += QStringLiteral("\n[CHAPTER]\nTIMEBASE=1/1000\nSTART=%1\nEND=%2\n"
                            "title=Abweichung %3 von %4 (%5)\n")
                 .arg(ms[i].first)
                 .arg(ms[i].second)
                 .arg(i + 1)
                 .arg(ms.size())
                 .arg(zeitText(ms[i].first * 1000));
    return s;
}
