#include "kopplungsort.h"

#include "plattform.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

void setzen(QString *problem, const QString &text)
{
    if (problem)
        *problem = text;
}

} // namespace

QString KopplungsOrt::sockel(QString *problem)
{
    const QString vorgegeben = qEnvironmentVariable(umgebungsVariable);
    if (!vorgegeben.isEmpty())
        return pruefen(QFileInfo(vorgegeben).absoluteFilePath(), problem);

    const QString laufzeit = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!laufzeit.isEmpty() && QDir::isAbsolutePath(laufzeit))
        return pruefen(QDir(laufzeit).filePath(QLatin1String(sockelName)), problem);

    const QString ordner = ersatzOrdner(problem);
    if (ordner.isEmpty())
        return QString();
    return pruefen(QDir(ordner).filePath(QLatin1String(sockelName)), problem);
}

// $XDG_RUNTIME_DIR is unset outside a login session; the cache folder is the user's own.
QString KopplungsOrt::ersatzOrdner(QString *problem)
{
    const QString cache = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation);
    if (cache.isEmpty()) {
        setzen(problem, QStringLiteral("kein Ordner für den Videoplayer-Socket"));
        return QString();
    }
    const QString ordner = QDir(cache).filePath(QStringLiteral("morvanto"));
    QDir().mkpath(cache);
    // mkdir with its mode at once: a folder created open and closed later could be entered
    // in between.
    const QString grund = Plattform::privatenOrdnerAnlegen(ordner);
    if (!grund.isEmpty()) {
        setzen(problem, QStringLiteral("%1 nicht anzulegen (%2)").arg(ordner, grund));
        return QString();
    }
    return ordner;
}

QString KopplungsOrt::pruefen(const QString &pfad, QString *problem)
{
    if (!ordnerPrivat(QFileInfo(pfad).absolutePath(), problem))
        return QString();
    // The kernel's limit for a socket's path, terminating zero included.
    if (QFile::encodeName(pfad).size() >= Plattform::sockelPfadGrenze()) {
        setzen(problem, QStringLiteral("Socket-Pfad zu lang: %1").arg(pfad));
        return QString();
    }
    return pfad;
}

bool KopplungsOrt::ordnerPrivat(const QString &ordner, QString *problem)
{
    const Plattform::OrdnerZustand zustand = Plattform::ordnerPruefen(ordner);
    if (zustand == Plattform::OrdnerZustand::Fehlt) {
        setzen(problem, QStringLiteral("Ordner %1 fehlt").arg(ordner));
        return false;
    }
    if (zustand == Plattform::OrdnerZustand::Fremd) {
        setzen(problem, QStringLiteral("Ordner %1 ist nicht privat (andere Benutzer könnten den "
                                       "Videoplayer steuern)")
                            .arg(ordner));
        return false;
    }
    return true;
}
