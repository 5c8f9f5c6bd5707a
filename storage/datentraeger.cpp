#include "datentraeger.h"

#include <QFile>
#include <QFileDevice>

#include <cerrno>

#include <fcntl.h>
#include <sys/statvfs.h>
#include <unistd.h>

namespace Datentraeger {

Zustand zustand(const QString &ordner)
{
    Zustand z;
    const QByteArray pfad = QFile::encodeName(ordner);
    struct statvfs s = {};
    if (::statvfs(pfad.constData(), &s) != 0) {
        z.ordnerDa = errno != ENOENT && errno != ENOTDIR;
        z.beschreibbar = false;
        return z;
    }
    z.nurLesbar = (s.f_flag & ST_RDONLY) != 0;
    z.voll = s.f_bavail == 0;
    z.beschreibbar = ::access(pfad.constData(), W_OK) == 0;
    if (!z.beschreibbar && errno == EROFS)
        z.nurLesbar = true;
    return z;
}

bool synchronisieren(QFileDevice &datei)
{
    return datei.flush() && datei.handle() >= 0 && ::fsync(datei.handle()) == 0;
}

bool ordnerSynchronisieren(const QString &ordner)
{
    const QByteArray pfad = QFile::encodeName(ordner);
    const int fd = ::open(pfad.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool ok = ::fsync(fd) == 0;
    ::close(fd);
    return ok;
}

} // namespace Datentraeger
