// Benchmark of the coupling with a real mpv (not a test; figures for the release notes).
//  1. presses in Morvanto's window at random instants while the video plays: stored time
//     point minus the player's position at the press;
//  2. the same for rating keys pressed in the player's window;
//  3. the controller's own work per press on the GUI thread while coupled.
// The player's position at an instant is read over a second connection just before and
// just after it; the generated video has 1,000 frames per second (argument 1), so that the
// player's frame-by-frame position is itself exact to a millisecond. Argument 2: presses
// per series (200).
#include "konsolentest.h"
#include "messwerte.h"
#include "testspieler.h"
#include "videokopplung.h"

#include <QDir>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

namespace {

void bericht(const char *was, const std::vector<double> &abweichung,
             const std::vector<double> &spanne)
{
    std::vector<double> betrag(abweichung.size());
    std::transform(abweichung.begin(), abweichung.end(), betrag.begin(),
                   [](double x) { return std::abs(x); });
    std::printf("%s, %zu presses: stored minus player position: median %+.2f ms, |.| p99 %.2f "
                "ms, |.| max %.2f ms (target max < 5 ms); min %+.2f, max %+.2f; reading "
                "window median %.2f ms\n",
                was, abweichung.size(), perzentil(abweichung, 0.5), perzentil(betrag, 0.99),
                perzentil(betrag, 1.0), perzentil(abweichung, 0.0), perzentil(abweichung, 1.0),
                perzentil(spanne, 0.5));
}

// The player's position at instant `bei`, from one reading before and one after it: each
// reading is placed at the middle of its request and reply.
struct Messung
{
    double vorherMs, vorherUm, nachherMs, nachherUm;
    double bei(qint64 t) const
    {
        const double a = vorherMs + (double(t) / 1e6 - vorherUm);
        const double b = nachherMs - (nachherUm - double(t) / 1e6);
        return (a + b) / 2;
    }
};

double ablesen(TestSpieler &spieler, double *um)
{
    const qint64 a = jetztNs();
    const double p = spieler.position() * 1000.0;
    *um = double(a + jetztNs()) / 2e6;
    return p;
}

int eintraege(const MorvantoDialog &d)
{
    return d.sitzungsVerlauf().size() - 1;
}

double gespeichertMs(const MorvantoDialog &d)
{
    return d.sitzungsVerlauf().letzterZeitpunkt().inSekunden() * 1000.0;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const int bilder = argc > 1 ? std::atoi(argv[1]) : 1000;
    const int anzahl = argc > 2 ? std::atoi(argv[2]) : 200;
    schriftWieImProgramm();
    // The session's journal lands in the working folder; not in the caller's.
    QTemporaryDir arbeitsordner;
    QDir::setCurrent(arbeitsordner.path());

    TestSpieler spieler(QStringLiteral(MORVANTO_VIDEO_PROGRAMM), bilder);
    QString ausgabe;
    if (!spieler.starten(&ausgabe)) {
        std::fprintf(stderr, "player did not start: %s\n", qPrintable(ausgabe));
        return 1;
    }
    MorvantoDialog d(nullptr, "Morvanto Hauptfenster", true, MorvantoDialog::titelleistenFlags());
    d.show();
    d.videoKopplungStarten(spieler.sockel());
    if (!QTest::qWaitFor([&] { return d.videoGekoppelt(); }, 5000) || !sitzungStarten(d) ||
        !QTest::qWaitFor([&] { return !spieler.pausiert(); }, 5000)) {
        std::fprintf(stderr, "coupling or session start failed\n");
        return 1;
    }

    SlotDauer slot(d);
    const std::vector<double> &slotUs = slot.us;

    auto *zufall = QRandomGenerator::global();
    std::vector<double> fenster, fensterSpanne, spielerTasten, spielerSpanne;
    for (int i = 0; i < anzahl; ++i) {
        QTest::qWait(50 + zufall->bounded(250));
        Messung m{};
        m.vorherMs = ablesen(spieler, &m.vorherUm);
        const qint64 gedrueckt = jetztNs();
        tasteAnFokus(d, bewertungsTasten[i % 7]);
        m.nachherMs = ablesen(spieler, &m.nachherUm);
        if (eintraege(d) != i + 1) {
            std::fprintf(stderr, "press %d not stored\n", i);
            return 1;
        }
        fenster.push_back(gespeichertMs(d) - m.bei(gedrueckt));
        fensterSpanne.push_back(m.nachherUm - m.vorherUm);
    }
    for (int i = 0; i < anzahl; ++i) {
        QTest::qWait(50 + zufall->bounded(250));
        const int vorher = eintraege(d);
        Messung m{};
        m.vorherMs = ablesen(spieler, &m.vorherUm);
        // The player has run the key's binding when it answers the keypress command.
        const qint64 gesendet = jetztNs();
        spieler.taste(QString::number(i % 7 + 1));
        const qint64 beantwortet = jetztNs();
        m.nachherMs = ablesen(spieler, &m.nachherUm);
        if (!QTest::qWaitFor([&] { return eintraege(d) == vorher + 1; }, 2000)) {
            std::fprintf(stderr, "player key %d not stored\n", i);
            return 1;
        }
        spielerTasten.push_back(gespeichertMs(d) - m.bei((gesendet + beantwortet) / 2));
        spielerSpanne.push_back(m.nachherUm - m.vorherUm);
    }

    std::printf("mpv, generated video at %d frames/s; coupled by morvanto-video\n", bilder);
    bericht("keys in Morvanto's window", fenster, fensterSpanne);
    bericht("keys in the player's window", spielerTasten, spielerSpanne);
    std::printf("press on the GUI thread while coupled (pressed() to end of the rating slot), "
                "%zu presses: median %.1f us, p99 %.1f us (target median < 100 us)\n",
                slotUs.size(), perzentil(slotUs, 0.5), perzentil(slotUs, 0.99));
    std::printf("lines dropped as not understood: %d\n", d.videoKopplung()->verworfeneZeilen());
    spieler.beenden();
    // Leave without the scolding box and its backup: the ratings were only for measuring.
    std::fflush(stdout);
    std::_Exit(0);
}
