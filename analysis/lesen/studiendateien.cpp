#include "studiendateien.h"

#include "sichtbar.h"

#include <QDir>
#include <QFileInfo>

bool Studiendateien::istSicherung(const QString &pfad)
{
    return QFileInfo(pfad).fileName().startsWith(QLatin1String("SIKO_"), Qt::CaseInsensitive);
}

bool Studiendateien::sammeln(const QStringList &pfade)
{
    for (const QString &pfad : pfade) {
        if (QFileInfo(pfad).isDir())
            ordnerSammeln(pfad);
        else
            aufnehmen(pfad);
    }
    if (!dateien_.isEmpty())
        return true;
    fehler_ = QStringLiteral("keine Verlaufsdatei (*_Verlauf.dat) gefunden in %1")
                  .arg(sichtbar(pfade.join(QStringLiteral(", "))));
    return false;
}

bool Studiendateien::aufnehmen(const QString &pfad)
{
    if (!istSicherung(pfad)) {
        dateien_ << pfad;
        return true;
    }
    warnungen_ << QStringLiteral("%1 ist eine Sicherungskopie und bleibt außen vor; umbenannt "
                                 "in <Klient>_<Rater>_Verlauf.dat zählt sie mit")
                      .arg(sichtbar(pfad));
    return false;
}

void Studiendateien::ordnerSammeln(const QString &ordner)
{
    // Unreadable files are listed too: reading them then says why they fail.
    const QDir dir(ordner);
    const QStringList namen =
        dir.entryList({QStringLiteral("*_Verlauf.dat")}, QDir::Files | QDir::Hidden, QDir::Name);
    int gefunden = 0;
    for (const QString &name : namen)
        gefunden += aufnehmen(dir.filePath(name)) ? 1 : 0;
    if (gefunden == 0)
        warnungen_ << QStringLiteral("%1: keine Verlaufsdatei (*_Verlauf.dat) im Ordner")
                          .arg(sichtbar(ordner));
}
