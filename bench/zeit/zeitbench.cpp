// Benchmark of the counter's timing with real timers (not a test; figures for the closing
// note). Drives the rating console only through its widgets and zaehlwerkStand():
//  1. countdown: error of the counter's zero instant against switch-on + 5,500 ms;
//  2. display: lag of every new whole second on the LCDs behind the instant the counter
//     reached it, several counters running side by side for 100 s;
//  3. pause: how much of the position a pause at a random instant loses.
// Every instant is read on the monotonic clock; the starts fall at random phases of its
// second. Optional argument: the number of seconds of the display run (100).
#include "messwerte.h"
#include "morvantodialog.h"
#include "sitzungskonfigurationdialog.h"

#include <QApplication>
#include <QEventLoop>
#include <QFile>
#include <QRandomGenerator>
#include <QTimer>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <memory>
#include <vector>

namespace {

double jetztMs()
{
    return double(jetztNs()) / 1e6;
}

// Runs the event loop for ms milliseconds, so that every timer is delivered as in the
// program (a sleeping wait would hold them up).
void warten(int ms)
{
    QEventLoop schleife;
    QTimer::singleShot(ms, Qt::PreciseTimer, &schleife, &QEventLoop::quit);
    schleife.exec();
}

// Waits a random part of a second, so that the next action falls on a random phase.
void zufallsPhase()
{
    warten(QRandomGenerator::global()->bounded(1000));
}

template <typename Signal, typename Sender> void wartenAuf(Sender *s, Signal signal)
{
    QEventLoop schleife;
    QObject::connect(s, signal, &schleife, &QEventLoop::quit);
    schleife.exec();
}

// The instant at which a running counter stood at `start` seconds. Its position moves in
// whole milliseconds; the moment it moves on is an exact millisecond of its own clock.
double nullpunkt(MorvantoDialog &d, double start)
{
    const double bis = jetztMs() + 200;
    const double x0 = d.zaehlwerkStand();
    double x = x0, t = jetztMs();
    while (x == x0 && t < bis) {
        t = jetztMs();
        x = d.zaehlwerkStand();
    }
    return t - (x - start) * 1000;
}

struct Reihe
{
    std::vector<double> werte;
    void add(double w) { werte.push_back(w); }
    void drucken(const char *was, const char *einheit = "ms") const
    {
        if (werte.empty()) {
            std::printf("%s: no values\n", was);
            return;
        }
        std::printf("%s (n=%zu): min %+.3f, median %+.3f, max %+.3f %s\n", was, werte.size(),
                    perzentil(werte, 0.0), perzentil(werte, 0.5), perzentil(werte, 1.0), einheit);
    }
};

std::unique_ptr<MorvantoDialog> konsole()
{
    auto d = std::make_unique<MorvantoDialog>(nullptr, "Morvanto Hauptfenster", false,
                                              MorvantoDialog::titelleistenFlags());
    d->show();
    MorvantoDialog *fenster = d.get();
    QTimer::singleShot(50, [fenster] {
        auto *k = fenster->konfiguration();
        k->LineEditRater->setText(QStringLiteral("elmaro"));
        k->LineEditKlient->setText(QStringLiteral("k17"));
        k->PushButtonFertig->click();
        k->buttonOk->click();
    });
    d->BtKonfiguration->click();
    return d;
}

void countdownMessen(int runden)
{
    auto d = konsole();
    Reihe fehler;
    for (int i = 0; i < runden; ++i) {
        d->SldMins->setValue(5);
        d->SldSecs->setValue(0);
        zufallsPhase();
        const double an = jetztMs();
        d->PushButtonCountdown->click();
        if (!d->BtRun->isChecked())
            wartenAuf(d->BtRun, &QPushButton::toggled);
        fehler.add(nullpunkt(*d, 300.0) - (an + 5500));
        d->BtRun->click();
    }
    fehler.drucken("countdown: zero instant - (switch-on + 5500 ms)");
}

// Each change of the seconds LCD: when it came, against the instant the counter reached
// the second it shows (the one of the right residue mod 60 nearest to the elapsed time).
void anzeigeMessen(int konsolen, int sekunden)
{
    std::vector<std::unique_ptr<MorvantoDialog>> d;
    std::vector<double> null(konsolen);
    std::vector<int> wechsel(konsolen, 0);
    Reihe verzug;
    for (int i = 0; i < konsolen; ++i)
        d.push_back(konsole());
    for (int i = 0; i < konsolen; ++i) {
        zufallsPhase();
        d[i]->BtRun->click();
        null[i] = nullpunkt(*d[i], 0.0);
        QObject::connect(d[i]->SldSecs, &QSlider::valueChanged, [&, i](int v) {
            const double t = jetztMs();
            const double vergangen = (t - null[i]) / 1000;
            const double s = v + 60 * std::round((vergangen - v) / 60);
            verzug.add(t - (null[i] + s * 1000));
            ++wechsel[i];
        });
    }
    warten(sekunden * 1000 + 500);
    for (auto &k : d)
        k->BtRun->click();
    int wenigste = *std::min_element(wechsel.begin(), wechsel.end());
    std::printf("display: %d counters for %d s, %d to %d changes each\n", konsolen, sekunden,
                wenigste, *std::max_element(wechsel.begin(), wechsel.end()));
    verzug.drucken("display: new second shown - instant reached (negative = early)");
    const auto frueh =
        std::count_if(verzug.werte.begin(), verzug.werte.end(), [](double w) { return w < 0; });
    const auto ueber20 =
        std::count_if(verzug.werte.begin(), verzug.werte.end(), [](double w) { return w > 20; });
    std::printf("display: %ld early, %ld later than 20 ms\n", long(frueh), long(ueber20));
}

void pauseMessen(int runden)
{
    auto d = konsole();
    Reihe verlust;
    d->BtRun->click();
    for (int i = 0; i < runden; ++i) {
        warten(300 + QRandomGenerator::global()->bounded(2400));
        const double x = d->zaehlwerkStand();
        d->BtRun->click();
        const int gezeigt = d->LCDMins->intValue() * 60 + d->LCDSecs->intValue();
        verlust.add(x - gezeigt);
        d->BtRun->click();
    }
    d->BtRun->click();
    verlust.drucken("pause: position at the pause - position a restart counts on from", "s");
}

void lastZeigen()
{
    QFile f(QStringLiteral("/proc/loadavg"));
    if (f.open(QIODevice::ReadOnly))
        std::printf("load average: %s", f.readLine().constData());
}

} // namespace

int main(int argc, char *argv[])
{
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    QApplication app(argc, argv);
    const int sekunden = argc > 1 ? std::max(QByteArray(argv[1]).toInt(), 1) : 100;
    std::printf("platform: %s\n", qPrintable(QGuiApplication::platformName()));
    lastZeigen();
    countdownMessen(20);
    lastZeigen();
    anzeigeMessen(5, sekunden);
    lastZeigen();
    pauseMessen(20);
    lastZeigen();
    return 0;
}
