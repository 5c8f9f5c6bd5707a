// morvanto-video DATEI: starts mpv so that Morvanto's counter follows it.

#include "atomaredatei.h"
#include "kopplungsort.h"
#include "plattform.h"
#include "videostart.h"

#include <QCoreApplication>
#include <QFile>

#include <cstdio>

namespace {

const char *const hilfe =
    "Aufruf: morvanto-video [mpv-Optionen] DATEI\n"
    "\n"
    "Startet den Videoplayer mpv so, dass Morvanto sich mit ihm koppelt: pausiert bei 0,\n"
    "mit der Zeit auf die Millisekunde im Bild. Das Zählwerk von Morvanto folgt dann dem\n"
    "Video, und die Bewertungstasten 1 bis 7, 0 und r wirken auch im Videofenster.\n"
    "\n"
    "  --help     zeigt diese Hilfe\n"
    "  --version  gibt die Versionsnummer aus\n";

int fehler(const QString &text, int code)
{
    std::fprintf(stderr, "morvanto-video: %s\n", text.toLocal8Bit().constData());
    return code;
}

// Replaces this process with mpv: its window, its exit code and its signals are the
// rater's player's. Returns only when mpv cannot be started.
int mpvStarten(const QStringList &argumente)
{
    const QString grund = Plattform::programmErsetzen(QStringLiteral("mpv"), argumente);
    return fehler(
        QStringLiteral("mpv nicht zu starten (%1); ist das Paket mpv installiert?").arg(grund),
        127);
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList eigene = app.arguments().mid(1);
    if (eigene == QStringList{QStringLiteral("--help")}) {
        std::fputs(hilfe, stdout);
        return 0;
    }
    if (eigene == QStringList{QStringLiteral("--version")}) {
        std::printf("morvanto-video %s\n", MORVANTO_VERSION);
        return 0;
    }
    if (eigene.isEmpty()) {
        std::fputs(hilfe, stderr);
        return 2;
    }

    QString problem;
    const QString sockel = KopplungsOrt::sockel(&problem);
    if (sockel.isEmpty())
        return fehler(problem, 1);
    if (VideoStart::spielerLaeuft(sockel))
        return fehler(QStringLiteral("es läuft schon ein mit Morvanto gekoppelter Videoplayer "
                                     "(%1)")
                          .arg(sockel),
                      1);
    const QString tasten = VideoStart::tastenDatei(sockel);
    if (!AtomareDatei::schreibenAtomar(
            tasten, VideoStart::tastenKonfiguration(VideoStart::eigeneTastenKonfiguration()),
            &problem))
        return fehler(problem, 1);
    return mpvStarten(VideoStart::argumente(sockel, tasten, eigene));
}
