#include "datenordner.h"

#include <QDir>
#include <QStandardPaths>

QString datenordner(const QString &unterordner)
{
    const QString basis = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (basis.isEmpty())
        return QString();
    const QString pfad = QDir(basis).filePath(QStringLiteral("morvanto/") + unterordner);
    return QDir().mkpath(pfad) ? QDir::cleanPath(pfad) : QString();
}
