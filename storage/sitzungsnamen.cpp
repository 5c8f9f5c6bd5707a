#include "sitzungsnamen.h"

#include <QDir>
#include <QStringList>

SitzungsNamen SitzungsNamen::wieVorhanden(const QString &klient, const QString &rater,
                                          const QString &ordner)
{
    const QString stamm = klient + QLatin1Char('_') + rater;
    const QStringList dateien =
        (ordner.isEmpty() ? QDir::current() : QDir(ordner))
            .entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
    for (const QString &endung : {QStringLiteral("_Verlauf.dat"), QStringLiteral("_Info.dat")}) {
        const QString gesucht = stamm + endung;
        if (dateien.contains(gesucht))
            return {klient, rater};
        const QString klein = gesucht.toLower();
        for (const QString &datei : dateien) {
            // Same length, so the parts sit where the typed ones do.
            if (datei.size() == gesucht.size() && datei.toLower() == klein)
                return {datei.left(klient.size()), datei.mid(klient.size() + 1, rater.size())};
        }
    }
    return {klient, rater};
}
