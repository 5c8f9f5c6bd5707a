#include "dateifehler.h"

#include <QDir>
#include <QFileInfo>

namespace {

QString oeffnenFehler(const QFileInfo &info, bool schreiben)
{
    if (!info.dir().exists())
        return QStringLiteral("der Ordner existiert nicht");
    if (!schreiben && !info.exists())
        return QStringLiteral("Datei nicht gefunden");
    if (info.exists() && !(schreiben ? info.isWritable() : info.isReadable()))
        return schreiben ? QStringLiteral("keine Schreibrechte für die Datei")
                         : QStringLiteral("keine Leserechte für die Datei");
    return schreiben ? QStringLiteral("Datei nicht anzulegen (keine Schreibrechte im Ordner?)")
                     : QStringLiteral("Datei nicht zu öffnen");
}

} // namespace

QString dateiFehlerBeschreibung(const QString &pfad, QFileDevice::FileError fehler, bool schreiben)
{
    // Qt reports a folder in the way under different codes, depending on who noticed.
    if (fehler != QFileDevice::NoError && QFileInfo(pfad).isDir())
        return QStringLiteral("ist ein Ordner, keine Datei");
    switch (fehler) {
    case QFileDevice::NoError:
        return QString();
    case QFileDevice::ResourceError:
        return QStringLiteral("kein Platz mehr auf dem Datenträger");
    case QFileDevice::WriteError:
        return QStringLiteral("Schreibfehler (Datenträger voll oder Dateigröße begrenzt?)");
    case QFileDevice::ReadError:
        return QStringLiteral("Lesefehler des Datenträgers");
    case QFileDevice::RenameError:
        return QStringLiteral("fertige Datei nicht an ihren Platz zu bringen");
    case QFileDevice::OpenError:
    case QFileDevice::PermissionsError:
        return oeffnenFehler(QFileInfo(pfad), schreiben);
    default:
        return schreiben ? QStringLiteral("Datei nicht zu schreiben")
                         : QStringLiteral("Datei nicht zu lesen");
    }
}
