#ifndef DATEIFEHLER_H
#define DATEIFEHLER_H

#include <QFileDevice>
#include <QString>

namespace Plattform {
struct DatentraegerZustand;
}

// German words for a failed file operation, instead of the operating system's English
// ones inside a German sentence. Looks at the path itself where the error code alone is
// vague (a folder in the way, a missing folder, missing rights).
QString dateiFehlerBeschreibung(const QString &pfad, QFileDevice::FileError fehler, bool schreiben);

// Why a folder takes no file, as far as its file system tells: gone, read-only, full or
// closed to this user; empty when none of these.
QString ordnerGrund(const Plattform::DatentraegerZustand &zustand);

#endif
