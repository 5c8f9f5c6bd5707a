#include "zaehlwerk.h"

#include "testuhr.h"

#include <QSignalSpy>
#include <QTest>

#include <memory>

// The counter without a window. Instants are chosen off whole seconds of the clock, and
// the ticks that would ask the counter are delivered 60 ms and more early or late.
class TestZaehlwerk : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<Zaehlwerk> zw;
    TestUhr *uhr = nullptr;

private slots:
    void init();

    void beispielAb12Uhr34();
    void anzeigeNieZuFrueh();
    void siebzigMinutenUndMehr();
    void pauseVerliertWenigerAlsEineSekunde();
    void countdownPlan();
    void countdownStartIstGenau();
    void standVonAussenGesetzt();
};

void TestZaehlwerk::init()
{
    auto neu = std::make_unique<TestUhr>();
    uhr = neu.get();
    uhr->ms = 86'400'317;
    zw = std::make_unique<Zaehlwerk>();
    zw->uhrEinsetzen(std::move(neu));
}

void TestZaehlwerk::beispielAb12Uhr34()
{
    const qint64 t0 = uhr->ms;
    zw->starten(12, 34);
    QVERIFY(zw->laeuft());
    QCOMPARE(zw->stand(t0), 754.0);
    QCOMPARE(zw->ganzeSekunden(t0 + 1000), 755); // 12:35
    QCOMPARE(zw->ganzeSekunden(t0 + 2000), 756); // 12:36
    QCOMPARE(zw->stand(t0 + 2250), 756.25);
    QCOMPARE(Zaehlwerk::minutenAnteil(756.25), 12);
    QCOMPARE(Zaehlwerk::sekundenAnteil(756.25), 36.25);
    QCOMPARE(zw->zeitpunkt(t0 + 2250).toString(), QStringLiteral("12:36.250"));
    // Truncated, not rounded.
    QCOMPARE(zw->ganzeSekunden(t0 + 2999), 756);
    QCOMPARE(zw->zeitpunkt(t0 + 2999).toString(), QStringLiteral("12:36.999"));
}

void TestZaehlwerk::anzeigeNieZuFrueh()
{
    const qint64 t0 = uhr->ms;
    zw->starten(0, 58);
    // A wake-up 60 ms early still shows the old second and sleeps until the new one; a
    // late one shows the new second and aims at the one after.
    for (qint64 k = 1; k <= 100; ++k) {
        const qint64 faellig = t0 + 1000 * k;
        QCOMPARE(zw->ganzeSekunden(faellig - 60), 58 + k - 1);
        QCOMPARE(zw->ganzeSekunden(faellig - 1), 58 + k - 1);
        QCOMPARE(zw->naechsteGanzeSekunde(faellig - 60), faellig);
        QCOMPARE(zw->ganzeSekunden(faellig), 58 + k);
        QCOMPARE(zw->naechsteGanzeSekunde(faellig + 80), faellig + 1000);
    }

    // From a position between two seconds the next one comes before a full second.
    zw->setzen(61'234, t0, true);
    QCOMPARE(zw->naechsteGanzeSekunde(t0), t0 + 766);
    QCOMPARE(zw->ganzeSekunden(t0 + 765), 61);
    QCOMPARE(zw->ganzeSekunden(t0 + 766), 62);
}

void TestZaehlwerk::siebzigMinutenUndMehr()
{
    const qint64 t0 = uhr->ms;
    zw->starten(70, 59);
    QCOMPARE(zw->ganzeSekunden(t0 + 61'500), 72 * 60);
    QCOMPARE(zw->zeitpunkt(t0 + 61'500).toString(), QStringLiteral("72:00.500"));
    QCOMPARE(zw->zeitpunkt(t0 + 61'500).minuten, 72);
}

void TestZaehlwerk::pauseVerliertWenigerAlsEineSekunde()
{
    const qint64 t0 = uhr->ms;
    zw->starten(0, 0);
    uhr->ms = t0 + 3500;
    zw->anhalten();
    QVERIFY(!zw->laeuft());
    QCOMPARE(zw->ganzeSekunden(uhr->ms), 3);
    QCOMPARE(zw->stand(uhr->ms + 60'000), 3.0);

    // Long after, a start at the shown 00:03 counts on from there.
    uhr->ms += 600'000;
    const qint64 t1 = uhr->ms;
    zw->starten(0, 3);
    QCOMPARE(zw->stand(t1 + 1250), 4.25);

    // A pause at 59.999 s keeps 59 s, not a minute.
    uhr->ms = t1 + 56'999;
    zw->anhalten();
    QCOMPARE(zw->ganzeSekunden(uhr->ms), 59);
}

void TestZaehlwerk::countdownPlan()
{
    const qint64 an = zw->countdownStarten();
    QCOMPARE(an, uhr->ms);
    QCOMPARE(zw->countdownStand(an), 10);
    QCOMPARE(zw->countdownNullpunkt(), an + 5500);
    QCOMPARE(zw->naechsterCountdownSchritt(an), an + 500);

    for (int k = 1; k <= 10; ++k) {
        const qint64 faellig = an + 500 * k;
        QCOMPARE(zw->countdownStand(faellig - 60), 10 - k + 1);
        QCOMPARE(zw->naechsterCountdownSchritt(faellig - 60), faellig);
        QCOMPARE(zw->countdownStand(faellig), 10 - k);
        QCOMPARE(zw->naechsterCountdownSchritt(faellig + 70), faellig + 500);
    }
    QVERIFY(!zw->countdownAbgelaufen(an + 5499));
    QCOMPARE(zw->countdownStand(an + 5499), 0);
    QVERIFY(zw->countdownAbgelaufen(an + 5500));
    // A tick held up by a busy machine shows the step due, not the next in line.
    QCOMPARE(zw->countdownStand(an + 1740), 7);
}

void TestZaehlwerk::countdownStartIstGenau()
{
    // Last tick 70 ms late: the counter has already run for those 70 ms.
    const qint64 an = zw->countdownStarten();
    uhr->ms = an + 5570;
    zw->starten(5, 0);
    QCOMPARE(zw->stand(uhr->ms), 300.07);
    QCOMPARE(zw->zeitpunkt(an + 6750).toString(), QStringLiteral("05:01.250"));
    QCOMPARE(zw->naechsteGanzeSekunde(uhr->ms), an + 6500);

    // Started 60 ms early: it stands at the start until its zero instant.
    zw->anhalten();
    const qint64 an2 = zw->countdownStarten();
    uhr->ms = an2 + 5440;
    zw->starten(5, 0);
    QCOMPARE(zw->stand(uhr->ms), 300.0);
    QCOMPARE(zw->naechsteGanzeSekunde(uhr->ms), an2 + 6500);
    QCOMPARE(zw->stand(an2 + 5500 + 400), 300.4);

    // A later start without countdown starts when it is made.
    zw->anhalten();
    uhr->ms = an2 + 20'000;
    zw->starten(1, 0);
    QCOMPARE(zw->stand(uhr->ms + 10), 60.01);
}

void TestZaehlwerk::standVonAussenGesetzt()
{
    QSignalSpy geaendert(zw.get(), &Zaehlwerk::standGeaendert);
    const qint64 t = uhr->ms;
    zw->setzen(61'234, t - 40, true); // reported 40 ms ago
    QCOMPARE(zw->standMs(t), 61'274);
    QCOMPARE(zw->zeitpunkt(t + 26).toString(), QStringLiteral("01:01.300"));

    zw->setzen(90'500, t + 100, false);
    QVERIFY(!zw->laeuft());
    QCOMPARE(zw->standMs(t + 5000), 90'500);
    QCOMPARE(zw->ganzeSekunden(t + 5000), 90);

    zw->setzen(-20, t, false);
    QCOMPARE(zw->standMs(t), 0);

    zw->starten(0, 0);
    zw->anhalten();
    QCOMPARE(geaendert.count(), 5);
}

QTEST_GUILESS_MAIN(TestZaehlwerk)
#include "tst_zaehlwerk.moc"
