#include "testdateien.h"

#include <QDir>
#include <QFile>

QByteArray dateiInhalt(const QString &pfad)
{
    QFile f(pfad);
    if (!f.open(QIODevice::ReadOnly))
        return QByteArray("<nicht lesbar>");
    return f.readAll();
}

bool dateiSchreiben(const QString &pfad, const QByteArray &inhalt)
{
    QFile f(pfad);
    return f.open(QIODevice::WriteOnly) && f.write(inhalt) == inhalt.size() && f.flush();
}

QStringList eintraege(const QString &verzeichnis)
{
    return QDir(verzeichnis)
        .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                   QDir::Name);
}
