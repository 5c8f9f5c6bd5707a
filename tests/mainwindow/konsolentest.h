#ifndef KONSOLENTEST_H
#define KONSOLENTEST_H

// The rating console as a rater drives it in a test: real window, real configuration
// dialog, keys sent to the focused widget, and a clock the test sets.

#include "morvantodialog.h"
#include "sitzungskonfigurationdialog.h"
#include "skriptrueckfrage.h"
#include "testuhr.h"

#include <QApplication>
#include <QButtonGroup>
#include <QElapsedTimer>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <functional>
#include <memory>
#include <vector>

// What the console shows when a press falls into a time range already rated.
inline const QString bereichsWarnung =
    QStringLiteral("dieser Zeit-Bereich wurde schon eingeschätzt!!!   Bitte nicht nochmal "
                   "einschätzen, das führt garantiert zu Chaos...");

// Calls f with the next modal dialog of type T as soon as it is open and active (until
// then the keyboard focus is still elsewhere).
template <typename T> QTimer *beiModalemDialog(std::function<void(T *)> f)
{
    auto *timer = new QTimer;
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, f] {
        auto *m = qobject_cast<T *>(QApplication::activeModalWidget());
        // On a loaded machine the dialog may be modal before it is laid out and exposed,
        // and before it is active; a click then misses its button, and the keyboard focus
        // is still elsewhere.
        if (!m || !m->windowHandle() || !m->windowHandle()->isExposed() ||
            QApplication::activeWindow() != m)
            return;
        timer->stop();
        timer->deleteLater();
        f(m);
    });
    timer->start();
    return timer;
}

// Fills the configuration dialog, presses "fertig" and leaves with OK (Cancel when OK is not
// available or not wanted). ja: continue a started session. False when the dialog stayed
// open or the console did not become the active window again: shortcuts need the console
// itself active, and the offscreen platform has no window manager to hand activation back.
inline bool dialogKonfigurieren(MorvantoDialog &d, const QString &klient, const QString &rater,
                                bool mitOk = true, bool ja = false)
{
    beiModalemDialog<SitzungsKonfigurationDialog>([=](SitzungsKonfigurationDialog *k) {
        k->LineEditRater->setText(rater);
        k->LineEditKlient->setText(klient);
        (ja ? k->ja : k->nein)->setChecked(true);
        QTest::mouseClick(k->PushButtonFertig, Qt::LeftButton);
        const bool okMoeglich = mitOk && k->buttonOk->isEnabled();
        QTest::mouseClick(okMoeglich ? k->buttonOk : k->buttonCancel, Qt::LeftButton);
    });
    QTest::mouseClick(d.BtKonfiguration, Qt::LeftButton);
    if (d.konfiguration()->isVisible())
        return false;
    // qWaitForWindowActive would already be content with the hidden dialog, a transient of
    // the console, still holding the focus.
    d.activateWindow();
    return QTest::qWaitFor([&d] { return QApplication::activeWindow() == &d; });
}

// Configures a session k17 / elmaro and starts the counter, as a child process or a
// benchmark needs it. False when the configuration did not hand the keys back.
inline bool sitzungStarten(MorvantoDialog &d)
{
    const bool aktiv = dialogKonfigurieren(d, QStringLiteral("k17"), QStringLiteral("elmaro"));
    d.BtRun->setChecked(true);
    return aktiv;
}

// The controller's own work per rating press, in microseconds: from the button's pressed()
// (emitted before the group's idPressed) to the end of its slot (connected after it).
class SlotDauer
{
public:
    explicit SlotDauer(MorvantoDialog &d)
    {
        for (QAbstractButton *knopf : d.BtGrpRatingGruppe->buttons())
            QObject::connect(knopf, &QAbstractButton::pressed, &d, [this] { uhr.start(); });
        QObject::connect(d.BtGrpRatingGruppe, &QButtonGroup::idPressed, &d,
                         [this] { us.push_back(double(uhr.nsecsElapsed()) / 1e3); });
    }

    std::vector<double> us;

private:
    QElapsedTimer uhr;
};

// A key as a rater types it: to the widget holding the keyboard focus, else to the window.
inline void tasteAnFokus(QWidget &fenster, Qt::Key k)
{
    QWidget *ziel = QApplication::focusWidget();
    QTest::keyClick(ziel ? ziel : &fenster, k);
}

// The rating keys, category 1 to 7.
inline constexpr Qt::Key bewertungsTasten[7] = {Qt::Key_1, Qt::Key_2, Qt::Key_3, Qt::Key_4,
                                                Qt::Key_5, Qt::Key_6, Qt::Key_7};

// Hands the console's counter a clock the caller sets; the console owns it.
inline TestUhr *testUhrEinsetzen(MorvantoDialog &d)
{
    auto besitz = std::make_unique<TestUhr>();
    TestUhr *uhr = besitz.get();
    d.zaehlwerkUhrEinsetzen(std::move(besitz));
    return uhr;
}

inline void schriftWieImProgramm()
{
    QFont schrift = QApplication::font();
    schrift.setFamilies({QStringLiteral("Arial")});
    schrift.setPointSize(8);
    QApplication::setFont(schrift);
}

class Konsole
{
public:
    // mitTestUhr false: the real monotonic clock, for a counter that follows a real player.
    explicit Konsole(bool mitTestUhr = true)
        : d(std::make_unique<MorvantoDialog>(nullptr, "Morvanto Hauptfenster", true,
                                             MorvantoDialog::titelleistenFlags()))
    {
        if (mitTestUhr)
            uhr = testUhrEinsetzen(*d);
        d->show();
        aktiv = QTest::qWaitForWindowActive(d.get());
    }

    // Closing with ratings in memory scolds in a message box; this answers it.
    ~Konsole()
    {
        const SkriptRueckfrage schliessen;
        d.reset();
    }

    MorvantoDialog *operator->() const { return d.get(); }
    MorvantoDialog *fenster() const { return d.get(); }

    void taste(Qt::Key k) { tasteAnFokus(*d, k); }

    // A shortcut toggles its button only when its 100 ms click animation ends.
    void umschalten(Qt::Key k, QAbstractButton *knopf)
    {
        const bool vorher = knopf->isChecked();
        taste(k);
        QTRY_VERIFY(knopf->isChecked() != vorher);
    }

    void konfigurieren(const QString &klient, const QString &rater, bool mitOk = true,
                       bool ja = false)
    {
        QVERIFY(dialogKonfigurieren(*d, klient, rater, mitOk, ja));
    }

    // History as "MM:SS.mmm=category ...".
    QString zeitpunkte() const
    {
        QStringList s;
        for (const auto &[t, kategorie] : d->sitzungsVerlauf().eintraege())
            s << t.toString() + QLatin1Char('=') + QString::number(kategorie);
        return s.join(QLatin1Char(' '));
    }

    std::unique_ptr<MorvantoDialog> d;
    TestUhr *uhr = nullptr;
    bool aktiv = false;
};

#endif
