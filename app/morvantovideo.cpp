// morvanto-video DATEI: starts mpv so that Morvanto's counter follows it.

#include "atomaredatei.h"
#include "durchsicht.h"
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
    "Aufruf: morvanto-video --verlauf A_Verlauf.dat B_Verlauf.dat [...] [--versatz S|auto]\n"
    "                      [--suchbereich S] [mpv-Optionen] VIDEO\n"
    "\n"
    "Durchsicht für die Schulung: unten im Bild je Rater eine Zeile mit der Kategorie der\n"
    "laufenden Einheit, Abweichungen markiert; jede Abweichung ist ein Kapitel (Bild auf:\n"
    "nächste, Bild ab: vorige). Verschoben wie bei morvanto-auswertung; schreibt nichts,\n"
    "koppelt sich an keine Konsole, die Bewertungstasten tun nichts.\n"
    "\n"
    "  --verlauf DATEI...  Durchsicht dieser Verlaufsdateien (siehe oben)\n"
    "  --versatz SEKUNDEN|auto, --suchbereich SEKUNDEN, --schritt SEKUNDEN\n"
    "             verschieben spätere Verlaufsdateien auf die erste, wie bei\n"
    "             morvanto-auswertung\n"
    "  --ohne-meldungen  Morvanto antwortet nicht im Bild des Players (sonst unten im Bild:\n"
    "             jede gespeicherte Einschätzung, Korrigieren, Run und Pause, Tasten ohne\n"
    "             Wirkung und warum, Warnungen)\n"
    "  --mpv=PROGRAMM  startet diesen Player statt mpv aus dem Suchpfad\n"
    "  --help     zeigt diese Hilfe\n"
    "  --version  gibt die Versionsnummer aus\n";

int fehler(const QString &text, int code)
{
    std::fprintf(stderr, "morvanto-video: %s\n", text.toLocal8Bit().constData());
    return code;
}

// Replaces this process with mpv: its window, its exit code and its signals are the
// rater's player's. Returns only when mpv cannot be started.
int mpvStarten(const QString &programm, const QStringList &argumente)
{
    const QString grund = Plattform::programmErsetzen(programm, argumente);
    return fehler(
        QStringLiteral("mpv nicht zu starten (%1); ist das Paket mpv installiert?").arg(grund),
        127);
}

// Where no package manager puts mpv on the search path (Windows), the rater may name it.
QString spielerEntnehmen(QStringList &argumente)
{
    const QString vorsatz = QStringLiteral("--mpv=");
    for (int i = 0; i < argumente.size(); ++i) {
        if (argumente.at(i).startsWith(vorsatz))
            return argumente.takeAt(i).mid(vorsatz.size());
    }
    return QStringLiteral("mpv");
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QStringList eigene = app.arguments().mid(1);
    const QString spieler = spielerEntnehmen(eigene);
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
    if (Durchsicht::gewuenscht(eigene))
        return Durchsicht::ausfuehren(eigene);

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
    return mpvStarten(spieler, VideoStart::argumente(sockel, tasten, eigene));
}
