// Benchmark of the rating console (not a test; numbers for the closing note):
//  1. process start until the main window is shown, against a bare QDialog program;
//  2. one rating press from the key event to the updated labels, driven clock;
//  3. the same with the session journal writing beside it, and the time from a press until
//     the journal holding it is on the device;
//  4. the key r to Run's switch and to the counter's start (argument "r": only this).
// Runs in a scratch folder: the journal and "Ende" write files.
#include "konsolentest.h"
#include "messwerte.h"
#include "morvantodialog.h"
#include "sitzungsjournal.h"
#include "sitzungskonfigurationdialog.h"
#include "testuhr.h"

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QButtonGroup>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <mutex>
#include <utility>
#include <vector>

namespace {

// Milliseconds from starting the program until it reports its first painted window.
double startzeit(const QString &programm, const QStringList &argumente = {})
{
    QProcess p;
    QElapsedTimer uhr;
    uhr.start();
    p.start(programm, argumente);
    while (!p.canReadLine()) {
        if (!p.waitForReadyRead(10000))
            return -1;
    }
    const double ms = uhr.nsecsElapsed() / 1e6;
    p.waitForFinished(10000);
    return ms;
}

void startVergleich(int runden)
{
    const QString dir = QCoreApplication::applicationDirPath();
    const QString morvanto = dir + QStringLiteral("/konsole_start_morvanto");
    const QString leer = dir + QStringLiteral("/konsole_start_leer");
    startzeit(morvanto); // warm the file cache
    startzeit(leer);
    std::vector<double> m, l, t;
    for (int i = 0; i < runden; ++i) {
        m.push_back(startzeit(morvanto));
        l.push_back(startzeit(leer));
        t.push_back(startzeit(leer, {QStringLiteral("text")}));
    }
    const double mm = perzentil(m, 0.5), ml = perzentil(l, 0.5), mt = perzentil(t, 0.5);
    std::printf("start-up to window shown, median of %d: morvanto %.1f ms, bare QDialog %.1f ms, "
                "ratio %.2f (target <= 1.5); bare QDialog with one label %.1f ms, ratio %.2f\n",
                runden, mm, ml, mm / ml, mt, mm / mt);
}

// Ends a shortcut's 100 ms click animation at once, as if the time had passed.
void animationBeenden(QAbstractButton *knopf)
{
    const auto timer = QAbstractEventDispatcher::instance()->registeredTimers(knopf);
    for (const auto &t : timer) {
        QTimerEvent e(t.timerId);
        QCoreApplication::sendEvent(knopf, &e);
    }
}

// Gives the console a driven clock, shows it, configures k17 / elmaro and starts the
// counter. The clock, or null when the window did not come up.
TestUhr *konsoleBereit(MorvantoDialog &d)
{
    TestUhr *uhr = testUhrEinsetzen(d);
    d.show();
    if (!QTest::qWaitForWindowActive(&d)) {
        std::printf("window not active\n");
        return nullptr;
    }
    if (!sitzungStarten(d))
        std::printf("window not active again after the configuration\n");
    return uhr;
}

// One press on the GUI thread: microseconds from the key event to the updated labels.
double tastendruck(MorvantoDialog &d, TestUhr *uhr, int i)
{
    uhr->ms += 1500;
    QElapsedTimer t;
    t.start();
    tasteAnFokus(d, bewertungsTasten[i % 7]);
    const double us = t.nsecsElapsed() / 1e3;
    for (QAbstractButton *knopf : d.BtGrpRatingGruppe->buttons())
        animationBeenden(knopf);
    return us;
}

void tastendruckKosten(int anzahl)
{
    MorvantoDialog d(nullptr, "Morvanto Hauptfenster", false, MorvantoDialog::titelleistenFlags());
    TestUhr *uhr = konsoleBereit(d);
    if (!uhr)
        return;

    std::vector<double> us;
    us.reserve(anzahl);
    QElapsedTimer t;
    for (int i = 0; i < anzahl; ++i)
        us.push_back(tastendruck(d, uhr, i));
    std::printf("rating press, key event to updated labels, median of %d: %.1f us "
                "(target < 100 us); presses counted: %s, entries stored: %d\n",
                anzahl, perzentil(us, 0.5), qPrintable(d.TextLabelAnzahl->text()),
                d.sitzungsVerlauf().size() - 1);

    // "Ende" writes the session into the scratch folder; closing with unsaved ratings would
    // stop at the forbidden-close box.
    d.BtRun->setChecked(false);
    t.start();
    d.BtSave->click();
    std::printf("\"Ende\" with %d entries: %.1f ms (%s)\n", anzahl, t.nsecsElapsed() / 1e6,
                qPrintable(d.infoline1->text().left(28)));
}

// Press latency with the journal writing in its thread, first at a rater's pace (a press
// every abstandMs), then in a burst that keeps the writer busy all the time; and for every
// press the time until a journal holding it was synced to the device.
void journalKosten(int gespreizt, int abstandMs, int salve)
{
    MorvantoDialog d(nullptr, "Morvanto Hauptfenster", false, MorvantoDialog::titelleistenFlags());
    TestUhr *uhr = konsoleBereit(d);
    if (!uhr)
        return;

    SitzungsJournal *journal = d.sitzungsJournal();
    std::mutex sperre;
    std::vector<std::pair<quint64, qint64>> geschrieben; // journal stand, instant on disk
    QObject::connect(
        journal, &SitzungsJournal::geschrieben, journal,
        [&](quint64 stand) {
            const qint64 jetzt = jetztNs();
            std::lock_guard<std::mutex> halten(sperre);
            geschrieben.emplace_back(stand, jetzt);
        },
        Qt::DirectConnection);

    SlotDauer slot(d);
    std::vector<double> &slotUs = slot.us;

    std::vector<std::pair<quint64, qint64>> druecke; // journal stand, instant of the press
    const auto messen = [&](int von, int bis, int pause, std::vector<double> &us) {
        for (int i = von; i < bis; ++i) {
            const qint64 gedrueckt = jetztNs();
            us.push_back(tastendruck(d, uhr, i));
            druecke.emplace_back(journal->stand(), gedrueckt);
            if (pause > 0)
                QTest::qWait(pause);
        }
        journal->warten();
    };
    const auto bisAufDerPlatte = [&](size_t ab) {
        std::vector<double> ms;
        std::lock_guard<std::mutex> halten(sperre);
        for (size_t i = ab; i < druecke.size(); ++i) {
            const auto w = std::find_if(geschrieben.begin(), geschrieben.end(),
                                        [&](const auto &g) { return g.first >= druecke[i].first; });
            if (w != geschrieben.end())
                ms.push_back((w->second - druecke[i].second) / 1e6);
        }
        return ms;
    };

    std::vector<double> usGespreizt, usSalve;
    messen(0, gespreizt, abstandMs, usGespreizt);
    const std::vector<double> slotGespreizt = std::exchange(slotUs, {});
    const std::vector<double> msGespreizt = bisAufDerPlatte(0);
    messen(gespreizt, gespreizt + salve, 0, usSalve);
    const std::vector<double> msSalve = bisAufDerPlatte(size_t(gespreizt));

    // The journal's share of a press alone: handing one change to the writer thread, at a
    // rater's pace (the writer asleep each time). Only the journal gets these entries.
    std::vector<double> usEinreihen;
    for (int i = 0; i < gespreizt; ++i) {
        const qint64 anfang = jetztNs();
        journal->eintragen(Zeitpunkt(999, i), 7);
        usEinreihen.push_back((jetztNs() - anfang) / 1e3);
        QTest::qWait(abstandMs);
    }
    journal->warten();
    d.BtRun->setChecked(false);
    d.BtSave->click();

    if (msGespreizt.empty() || msSalve.empty()) {
        std::printf("journal not written\n");
        return;
    }
    std::printf("rating press with the journal, a press every %d ms, %zu presses: controller's "
                "slot median %.1f us, p99 %.1f us (target median < 100 us, p99 < 1 ms); key "
                "event to updated labels median %.1f us, p99 %.1f us\n",
                abstandMs, usGespreizt.size(), perzentil(slotGespreizt, 0.5),
                perzentil(slotGespreizt, 0.99), perzentil(usGespreizt, 0.5),
                perzentil(usGespreizt, 0.99));
    std::printf(
        "of which handing the change to the journal's thread: median %.2f us, p99 %.2f us\n",
        perzentil(usEinreihen, 0.5), perzentil(usEinreihen, 0.99));
    std::printf("press to journal on the device, same presses: median %.2f ms, p99 %.2f ms, "
                "max %.2f ms (target < 1000 ms); %zu of %zu presses written\n",
                perzentil(msGespreizt, 0.5), perzentil(msGespreizt, 0.99),
                *std::max_element(msGespreizt.begin(), msGespreizt.end()), msGespreizt.size(),
                usGespreizt.size());
    std::printf("burst of %d presses on top (history up to %d entries): slot median %.1f us, "
                "p99 %.1f us; key event median %.1f us, p99 %.1f us; to the device median "
                "%.2f ms, p99 %.2f ms, max %.2f ms\n",
                salve, gespreizt + salve + 1, perzentil(slotUs, 0.5), perzentil(slotUs, 0.99),
                perzentil(usSalve, 0.5), perzentil(usSalve, 0.99), perzentil(msSalve, 0.5),
                perzentil(msSalve, 0.99), *std::max_element(msSalve.begin(), msSalve.end()));
}

// Milliseconds from the key r to Run's toggled (which starts or pauses the counter), and for
// the start the counter's own lag: time since the key minus the position it shows.
void runTaste(int runden)
{
    MorvantoDialog d(nullptr, "Morvanto Hauptfenster", false, MorvantoDialog::titelleistenFlags());
    d.show();
    if (!QTest::qWaitForWindowActive(&d) ||
        !dialogKonfigurieren(d, QStringLiteral("k17"), QStringLiteral("elmaro"))) {
        std::printf("window not active\n");
        return;
    }
    qint64 umgeschaltet = 0;
    QObject::connect(d.BtRun, &QAbstractButton::toggled, &d, [&] { umgeschaltet = jetztNs(); });
    std::vector<double> start, pause, zaehlwerk;
    for (int i = 0; i < 2 * runden; ++i) {
        const bool an = !d.BtRun->isChecked();
        const double vorher = d.zaehlwerkStand();
        const qint64 taste = jetztNs();
        tasteAnFokus(d, Qt::Key_R);
        if (!QTest::qWaitFor([&] { return d.BtRun->isChecked() == an; }, 1000)) {
            std::printf("Run did not switch\n");
            return;
        }
        (an ? start : pause).push_back((umgeschaltet - taste) / 1e6);
        if (an)
            zaehlwerk.push_back((jetztNs() - taste) / 1e6 - (d.zaehlwerkStand() - vorher) * 1e3);
        // A shortcut's same key again within its click animation would be dropped.
        QTest::qWait(150);
    }
    std::printf("key r to Run toggled, median of %d: start %.2f ms (p99 %.2f), pause %.2f ms "
                "(p99 %.2f); counter behind the key at its start: median %.2f ms (target < 2 "
                "ms)\n",
                runden, perzentil(start, 0.5), perzentil(start, 0.99), perzentil(pause, 0.5),
                perzentil(pause, 0.99), perzentil(zaehlwerk, 0.5));
    d.BtRun->setChecked(false);
    d.BtSave->click();
}

} // namespace

int main(int argc, char *argv[])
{
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    QApplication app(argc, argv);
    schriftWieImProgramm();

    QTemporaryDir ordner;
    QDir::setCurrent(ordner.path());
    std::printf("platform: %s, folder %s\n", qPrintable(QGuiApplication::platformName()),
                qPrintable(ordner.path()));
    // Each part a session of its own folder: "Ende" over another session's file would stop
    // at the box that names the copy it kept.
    const auto eigenerOrdner = [&ordner](const char *name) {
        QDir(ordner.path()).mkdir(QLatin1String(name));
        QDir::setCurrent(ordner.filePath(QLatin1String(name)));
    };
    if (argc > 1 && QByteArray(argv[1]) == "r") {
        runTaste(20);
        return 0;
    }
    startVergleich(20);
    eigenerOrdner("r");
    runTaste(20);
    eigenerOrdner("druck");
    tastendruckKosten(10000);
    eigenerOrdner("journal");
    journalKosten(500, 20, 3000);
    return 0;
}
