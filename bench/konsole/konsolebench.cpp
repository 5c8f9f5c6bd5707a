// Benchmark of the rating console (not a test; numbers for the closing note):
//  1. process start until the main window is shown, against a bare QDialog program;
//  2. one rating press from the key event to the updated labels, driven clock.
#include "morvantodialog.h"
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
#include <vector>

namespace {

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

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
    const double mm = median(m), ml = median(l), mt = median(t);
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

void tastendruckKosten(int anzahl)
{
    MorvantoDialog d(nullptr, "Morvanto Hauptfenster", false, MorvantoDialog::titelleistenFlags());
    auto uhrBesitz = std::make_unique<TestUhr>();
    TestUhr *uhr = uhrBesitz.get();
    d.zaehlwerkUhrEinsetzen(std::move(uhrBesitz));
    d.show();
    if (!QTest::qWaitForWindowActive(&d)) {
        std::printf("window not active\n");
        return;
    }
    QTimer::singleShot(50, [&d] {
        auto *k = d.konfiguration();
        k->LineEditRater->setText(QStringLiteral("elmaro"));
        k->LineEditKlient->setText(QStringLiteral("k17"));
        k->PushButtonFertig->click();
        k->buttonOk->click();
    });
    d.BtKonfiguration->click();
    d.activateWindow();
    if (!QTest::qWaitForWindowActive(&d))
        std::printf("window not active again after the configuration\n");
    d.BtRun->setChecked(true);

    const Qt::Key tasten[] = {Qt::Key_1, Qt::Key_2, Qt::Key_3, Qt::Key_4,
                              Qt::Key_5, Qt::Key_6, Qt::Key_7};
    std::vector<double> us;
    us.reserve(anzahl);
    QElapsedTimer t;
    for (int i = 0; i < anzahl; ++i) {
        uhr->ms += 1500;
        QWidget *ziel = QApplication::focusWidget() ? QApplication::focusWidget() : &d;
        t.start();
        QTest::keyClick(ziel, tasten[i % 7]);
        us.push_back(t.nsecsElapsed() / 1e3);
        for (QAbstractButton *knopf : d.BtGrpRatingGruppe->buttons())
            animationBeenden(knopf);
    }
    std::printf("rating press, key event to updated labels, median of %d: %.1f us "
                "(target < 100 us); presses counted: %s, entries stored: %d\n",
                anzahl, median(us), qPrintable(d.TextLabelAnzahl->text()),
                d.sitzungsVerlauf().size() - 1);

    // "Ende" writes the session into a scratch folder; closing with unsaved ratings would
    // stop at the forbidden-close box.
    QTemporaryDir ordner;
    QDir::setCurrent(ordner.path());
    d.BtRun->setChecked(false);
    t.start();
    d.BtSave->click();
    std::printf("\"Ende\" with %d entries: %.1f ms (%s)\n", anzahl, t.nsecsElapsed() / 1e6,
                qPrintable(d.infoline1->text().left(28)));
}

} // namespace

int main(int argc, char *argv[])
{
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    QApplication app(argc, argv);
    QFont schrift = QApplication::font();
    schrift.setFamilies({QStringLiteral("Arial")});
    schrift.setPointSize(8);
    QApplication::setFont(schrift);

    std::printf("platform: %s\n", qPrintable(QGuiApplication::platformName()));
    startVergleich(20);
    tastendruckKosten(10000);
    return 0;
}
