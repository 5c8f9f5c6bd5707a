#ifndef DATENTRAEGER_H
#define DATENTRAEGER_H

#include <QString>

class QFileDevice;

// The few things storage needs of the operating system beyond what Qt offers: syncing a
// file or a folder to the device, and why a folder takes no file.
namespace Datentraeger {

struct Zustand
{
    bool ordnerDa = true;
    bool nurLesbar = false;
    bool voll = false;
    bool beschreibbar = true;
};

Zustand zustand(const QString &ordner);
// False when the content may not be on the device.
bool synchronisieren(QFileDevice &datei);
// A file created, renamed or removed is on the device only once its folder is synced too.
bool ordnerSynchronisieren(const QString &ordner);

} // namespace Datentraeger

#endif
