#include "videostart.h"

#include "mpvprotokoll.h"
#include "plattform.h"

#include <QDir>
#include <QFileInfo>
#include <QLocalSocket>

QByteArray VideoStart::tastenKonfiguration(const QByteArray &eigene)
{
    QByteArray text = eigene;
    if (!text.isEmpty() && !text.endsWith('\n'))
        text += '\n';
    text += "# Written by morvanto-video: the rating keys go to Morvanto, with the\n"
            "# player's position at the key.\n";
    const QByteArray nachricht = MpvProtokoll::tastenNachricht;
    for (const char taste : QByteArray(MpvProtokoll::tasten)) {
        const QByteArray befehl =
            " script-message " + nachricht + ' ' + taste + " ${=playback-time}\n";
        text += taste + befehl;
        // The number block's digits are keys of their own for the player.
        if (taste >= '0' && taste <= '9')
            text += "KP" + QByteArray(1, taste) + befehl;
    }
    return text;
}

QByteArray VideoStart::eigeneTastenKonfiguration()
{
    QFile datei(
        QDir(Plattform::spielerEinstellungsOrdner()).filePath(QStringLiteral("input.conf")));
    // A key configuration is a few kilobytes; anything else is not one.
    if (!datei.open(QIODevice::ReadOnly) || datei.size() > 1024 * 1024)
        return QByteArray();
    return datei.readAll();
}

QString VideoStart::tastenDatei(const QString &sockel)
{
    return QFileInfo(sockel).dir().filePath(QLatin1String(tastenDateiName));
}

QStringList VideoStart::argumente(const QString &sockel, const QString &tastenDatei,
                                  const QStringList &eigene)
{
    // Paused at 0 with the time in milliseconds on screen; at the end the last frame stays,
    // so that the coupling does not end with the video.
    QStringList a = {QStringLiteral("--input-ipc-server=") + sockel,
                     QStringLiteral("--input-conf=") + tastenDatei,
                     QStringLiteral("--pause"),
                     QStringLiteral("--start=0"),
                     QStringLiteral("--keep-open=yes"),
                     QStringLiteral("--osd-level=3"),
                     QStringLiteral("--osd-fractions"),
                     QStringLiteral("--title=Morvanto-Video: ${media-title}")};
    return a + eigene;
}

bool VideoStart::spielerLaeuft(const QString &sockel)
{
    if (!QFileInfo::exists(sockel))
        return false;
    QLocalSocket probe;
    probe.connectToServer(sockel);
    return probe.waitForConnected(500);
}
