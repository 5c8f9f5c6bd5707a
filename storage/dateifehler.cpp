#include "dateifehler.h"

#include "plattform.h"

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

QString ordnerGrund(const Plattform::DatentraegerZustand &zustand)
{
    if (!zustand.ordnerDa)
        return QStringLiteral("der Ordner existiert nicht");
    if (zustand.nurLesbar)
        return QStringLiteral("Datenträger nur lesbar (schreibgeschützt)");
    if (zustand.voll)
        return QStringLiteral("kein Platz mehr auf dem Datenträger");
    if (!zustand.beschreibbar)
        return QStringLiteral("keine Schreibrechte im Ordner");
    return QString();
}

QString dateiFehlerBeschreibung(const QString &pfad, QFileDevice::FileError fehler, bool schreiben)
{
    const QFileInfo info(pfad);
    // Qt reports a folder in the way under different codes, depending on who noticed.
    if (fehler != QFileDevice::NoError && info.isDir())
        return QStringLiteral("ist ein Ordner, keine Datei");
    // The error code alone tells a read-only or full disk from missing rights only vaguely,
    // and some failures come without any code.
    if (fehler != QFileDevice::NoError && schreiben) {
        Plattform::DatentraegerZustand zustand =
            Plattform::datentraegerZustand(info.absolutePath());
        // A writable file needs no rights in its folder.
        zustand.beschreibbar = zustand.beschreibbar || (info.exists() && info.isWritable());
        const QString grund = ordnerGrund(zustand);
        if (!grund.isEmpty())
            return grund;
    }
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
