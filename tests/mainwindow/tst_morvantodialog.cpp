#include "morvantodialog.h"

#include "konsolentest.h"
#include "sitzungsjournal.h"
#include "skriptrueckfrage.h"
#include "testdateien.h"
#include "wanduhr.h"

#include <QApplication>
#include <QButtonGroup>
#include <QDir>
#include <QElapsedTimer>
#include <QMetaMethod>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <functional>
#include <memory>

namespace {

const QString textLaeuft =
    QStringLiteral("Abschalten des Run-Buttons PAUSIERT das Zählwerk (nur benutzen wenn NICHT die "
                   "Inter-Rater-Übereinstimmung gemessen werden muss!)");
const QString textLaeuft2 =
    QStringLiteral("Das Zählwerk läuft. Am Ende jeder Sinneinheit eine der 7 Tasten drücken.");
const QString textBereit = QStringLiteral("OK. Es kann losgehen...");
const QString textPause = QStringLiteral("Zählwerk angehalten (PAUSE)");
const QString textCountdown =
    QStringLiteral("Wichtig ist eine SEHR genaue Synchronisierung mit dem Videocounter! "
                   "Bitte im Zweifel mehrmals versuchen...");

bool istRot(QWidget *w, QPalette::ColorRole rolle = QPalette::Window)
{
    return w->palette().color(rolle) == QColor(255, 70, 70);
}

} // namespace

class TestMorvantoDialog : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir arbeitsordner;
    std::unique_ptr<Konsole> k;
    MorvantoDialog *d = nullptr;
    TestUhr *uhr = nullptr;

    void taste(Qt::Key t) { k->taste(t); }
    void umschalten(Qt::Key t, QAbstractButton *knopf) { k->umschalten(t, knopf); }
    void konfigurieren(const QString &klient, const QString &rater, bool mitOk = true)
    {
        k->konfigurieren(klient, rater, mitOk);
    }
    void bereit(int minuten = 0, int sekunden = 0);
    void starten(int minuten = 0, int sekunden = 0);
    QString freigaben() const;
    QString zeitpunkte() const { return k->zeitpunkte(); }
    void aufrufen(const char *slot) { QVERIFY(QMetaObject::invokeMethod(d, slot)); }
    QString anzeige() const;

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void anfangszustand();
    void zustandstabelle();
    void konfigurationMitAbbrechenUndUnvollstaendig();
    void escapeSchliesstNicht();
    void konfigurationBeginntImErstenLeerenFeld();
    void tastenErreichenKategorien();
    void eineEinheitEinDruck();
    void anzeigeMitFruehenUndSpaetenTakten();
    void anzeigeBleibtBei70Minuten();
    void pauseHaeltDieErreichteSekunde();
    void tastendruckAnDerMinutengrenze();
    void bereichsPruefung();
    void countdownAblauf();
    void countdownStartetPuenktlich();
    void countdownTaktetHalbeSekunden();
    void normalerTastendruck();
    void zweiDrueckeEinZeitpunkt();
    void korrekturDerLetztenEinschaetzung();
    void korrekturOhneEinschaetzung();
    void pauseBeendetKorrektur();
    void pauseGedruecktNurMitRating();
    void korrekturTrifftSpaetestenEintrag();
    void tastenSchaltenBeimDruck();
    void endeBewahrtFremdeVerlaufsdatei();
    void bildschirmfotos();
};

void TestMorvantoDialog::initTestCase()
{
    QVERIFY(arbeitsordner.isValid());
    QVERIFY(QDir::setCurrent(arbeitsordner.path()));

    schriftWieImProgramm();
}

void TestMorvantoDialog::init()
{
    k = std::make_unique<Konsole>();
    d = k->fenster();
    uhr = k->uhr;
    QVERIFY(k->aktiv);
}

void TestMorvantoDialog::cleanup()
{
    // The backup of a session left with ratings lands in the test's own directory.
    k.reset();
}

void TestMorvantoDialog::bereit(int minuten, int sekunden)
{
    konfigurieren(QStringLiteral("k17"), QStringLiteral("elmaro"));
    d->SldMins->setValue(minuten);
    d->SldSecs->setValue(sekunden);
}

void TestMorvantoDialog::starten(int minuten, int sekunden)
{
    bereit(minuten, sekunden);
    QTest::mouseClick(d->BtRun, Qt::LeftButton);
    QVERIFY(d->BtRun->isChecked());
}

// Enabled state as the rater meets it: configuration, run, end, countdown, rating block,
// counter frame, sliders, whole window; "+" usable, "-" not.
QString TestMorvantoDialog::freigaben() const
{
    QString s;
    for (QWidget *w :
         {static_cast<QWidget *>(d->BtKonfiguration), static_cast<QWidget *>(d->BtRun),
          static_cast<QWidget *>(d->BtSave), static_cast<QWidget *>(d->PushButtonCountdown),
          static_cast<QWidget *>(d->BtGrpRating), static_cast<QWidget *>(d->FrmCounter),
          static_cast<QWidget *>(d->SldMins), static_cast<QWidget *>(d)})
        s += w->isEnabled() ? QLatin1Char('+') : QLatin1Char('-');
    if (d->SldMins->isEnabled() != d->SldSecs->isEnabled())
        s[6] = QLatin1Char('?');
    return s;
}

// The two LCDs as the rater reads them, "MM:SS".
QString TestMorvantoDialog::anzeige() const
{
    return QStringLiteral("%1:%2")
        .arg(d->LCDMins->intValue(), 2, 10, QLatin1Char('0'))
        .arg(d->LCDSecs->intValue(), 2, 10, QLatin1Char('0'));
}

void TestMorvantoDialog::anfangszustand()
{
    QCOMPARE(d->windowTitle(), QStringLiteral("v1.76 Morvanto"));
    QCOMPARE(d->objectName(), QStringLiteral("Morvanto Hauptfenster"));
    QCOMPARE(d->TextLabelAnzahl->text(), QStringLiteral("0"));
    QCOMPARE(d->TextLabelMittlereDauer->text(), QStringLiteral("00:00"));
    QCOMPARE(d->BtTherapeut_NLF->text(), QStringLiteral("nicht\nLös.Sprache (6)"));
    QCOMPARE(d->BtKlient_NLF->text(), QStringLiteral("nicht\nLös.Sprache (3)"));
    QCOMPARE(d->BtTherapeut_NLF->shortcut(), QKeySequence(Qt::Key_6));
    QCOMPARE(d->BtKlient_NLF->shortcut(), QKeySequence(Qt::Key_3));
    QCOMPARE(d->sitzungsVerlauf().size(), 1);
    QCOMPARE(d->konfiguration()->objectName(), QStringLiteral("KonfigDialog"));
    QCOMPARE(d->konfiguration()->parentWidget(), d);
    QVERIFY(d->konfiguration()->isModal());
    QCOMPARE(d->konfiguration()->font().family(), QStringLiteral("Arial"));
    QCOMPARE(d->konfiguration()->font().pointSize(), 8);
    const Qt::WindowFlags ohne = Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint;
    QVERIFY(!(d->windowFlags() & ohne));
    QVERIFY(!(d->konfiguration()->windowFlags() & ohne));
    QVERIFY(d->windowFlags() & Qt::WindowSystemMenuHint);

    // Exactly the nine slots, in this order, and no signal of its own.
    const QMetaObject *mo = d->metaObject();
    QCOMPARE(mo->className(), "MorvantoDialog");
    QCOMPARE(mo->superClass()->className(), "MorvantoDialogBase");
    QStringList slots_;
    for (int i = mo->methodOffset(); i < mo->methodCount(); ++i) {
        QCOMPARE(mo->method(i).methodType(), QMetaMethod::Slot);
        const bool oeffentlich = mo->method(i).access() == QMetaMethod::Public;
        slots_ << (oeffentlich ? "+" : "") + QString::fromLatin1(mo->method(i).methodSignature());
    }
    QCOMPARE(slots_, (QStringList{"+openKonfigDialog()", "RatingBeginnOderPause(bool)",
                                  "aktualisiereZeitanzeige()", "SpeichereRatingButton(int)",
                                  "RatingEnde()", "KorrigierenSchalter(bool)",
                                  "SliderCheckFaerbung()", "CountdownStart(bool)", "Countdown()"}));
}

void TestMorvantoDialog::zustandstabelle()
{
    QCOMPARE(freigaben(), QStringLiteral("+------+")); // Unconfigured: only the configuration
    QCOMPARE(d->infoline1->text(), QStringLiteral("Bitte zunächst die Sitzung konfigurieren"));
    QCOMPARE(d->infoline2->text(), QStringLiteral("Infoline 2"));

    bereit();
    QCOMPARE(freigaben(), QStringLiteral("++++-+++"));
    QCOMPARE(d->infoline1->text(), textBereit);

    umschalten(Qt::Key_R, d->BtRun);
    QCOMPARE(freigaben(), QStringLiteral("-+--++-+"));
    QCOMPARE(d->infoline1->text(), textLaeuft);
    QCOMPARE(d->infoline2->text(), textLaeuft2);

    umschalten(Qt::Key_0, d->BtKorrigieren);
    QCOMPARE(freigaben(), QStringLiteral("-+--++-+"));
    QCOMPARE(d->infoline1->text(), textLaeuft);
    QCOMPARE(d->infoline2->text(), QStringLiteral("nix zu korrigieren..."));

    umschalten(Qt::Key_R, d->BtRun);
    QCOMPARE(freigaben(), QStringLiteral("++++-+++"));
    QCOMPARE(d->infoline1->text(), textPause);
    QCOMPARE(d->infoline2->text(), QString());

    QTest::mouseClick(d->PushButtonCountdown, Qt::LeftButton);
    QCOMPARE(freigaben().right(1), QStringLiteral("-"));
    for (QWidget *w : {static_cast<QWidget *>(d->BtKonfiguration), static_cast<QWidget *>(d->BtRun),
                       static_cast<QWidget *>(d->SldSecs)})
        QVERIFY(!w->isEnabled());
    QCOMPARE(d->infoline1->text(), textCountdown);
}

void TestMorvantoDialog::konfigurationMitAbbrechenUndUnvollstaendig()
{
    // Cancel after a complete entry counts like OK: the OK button's state decides.
    konfigurieren(QStringLiteral("k17"), QStringLiteral("elmaro"), false);
    QCOMPARE(freigaben(), QStringLiteral("++++-+++"));
    QCOMPARE(d->infoline1->text(), textBereit);
    QCOMPARE(d->konfiguration()->LineEditDatum->text(), QDate::currentDate().toString());

    // Unconfigured again, even in the middle of a session; the history stays.
    umschalten(Qt::Key_R, d->BtRun);
    uhr->ms = 3000;
    taste(Qt::Key_1);
    umschalten(Qt::Key_R, d->BtRun);
    konfigurieren(QString(), QStringLiteral("elmaro"));
    QCOMPARE(freigaben(), QStringLiteral("+------+"));
    QCOMPARE(d->infoline1->text(), QStringLiteral("Zuerst die Sitzung konfigurieren"));
    QCOMPARE(d->sitzungsVerlauf().size(), 2);
}

void TestMorvantoDialog::escapeSchliesstNicht()
{
    bereit();
    taste(Qt::Key_Escape);
    QTest::keyClick(d, Qt::Key_Escape);
    QCoreApplication::processEvents();
    QVERIFY(d->isVisible());
    // The window's close control still closes it.
    QVERIFY(d->close());
    QVERIFY(!d->isVisible());
}

void TestMorvantoDialog::konfigurationBeginntImErstenLeerenFeld()
{
    QWidget *fokus = nullptr;
    const auto fokusMerken = [&fokus](SitzungsKonfigurationDialog *k) {
        fokus = QApplication::focusWidget();
        k->reject();
    };
    beiModalemDialog<SitzungsKonfigurationDialog>(fokusMerken);
    QTest::mouseClick(d->BtKonfiguration, Qt::LeftButton);
    QCOMPARE(fokus, static_cast<QWidget *>(d->konfiguration()->LineEditRater));

    // Left with OK last time; the rater is kept, so the client number comes first now.
    konfigurieren(QStringLiteral("k17"), QStringLiteral("elmaro"));
    d->konfiguration()->LineEditKlient->clear();
    beiModalemDialog<SitzungsKonfigurationDialog>(fokusMerken);
    QTest::mouseClick(d->BtKonfiguration, Qt::LeftButton);
    QCOMPARE(fokus, static_cast<QWidget *>(d->konfiguration()->LineEditKlient));
}

void TestMorvantoDialog::tastenErreichenKategorien()
{
    starten();
    for (int i = 0; i < 7; ++i) {
        uhr->ms = 1000 * (i + 1);
        taste(bewertungsTasten[i]);
    }
    QCOMPARE(zeitpunkte(), QStringLiteral("00:00.000=0 00:01.000=4 00:02.000=6 00:03.000=5 "
                                          "00:04.000=1 00:05.000=3 00:06.000=2 00:07.000=7"));
    QCOMPARE(d->TextLabelAnzahl->text(), QStringLiteral("7"));
}

void TestMorvantoDialog::eineEinheitEinDruck()
{
    // A key held or hit twice within the click animation counts once.
    starten();
    uhr->ms = 1000;
    taste(Qt::Key_1);
    uhr->ms = 1010;
    taste(Qt::Key_1);
    QCOMPARE(d->TextLabelAnzahl->text(), QStringLiteral("1"));
    QTest::qWait(150);
    uhr->ms = 1200;
    taste(Qt::Key_1);
    QCOMPARE(d->TextLabelAnzahl->text(), QStringLiteral("2"));
}

void TestMorvantoDialog::anzeigeMitFruehenUndSpaetenTakten()
{
    uhr->ms = 20'317;
    starten(12, 34);
    const qint64 t0 = uhr->ms;
    const QTimer &takt = d->anzeigeTakt();
    QVERIFY(takt.isActive() && takt.isSingleShot());
    QCOMPARE(takt.timerType(), Qt::PreciseTimer);
    QCOMPARE(takt.interval(), 1000);
    QCOMPARE(d->zaehlwerkStand(), 754.0);

    // 60 ms early: no second shown early, and the timer waits for the rest.
    uhr->ms = t0 + 940;
    aufrufen("aktualisiereZeitanzeige");
    QCOMPARE(anzeige(), QStringLiteral("12:34"));
    QCOMPARE(takt.interval(), 60);
    // 80 ms late: the next refresh still aims at the next whole second.
    uhr->ms = t0 + 1080;
    aufrufen("aktualisiereZeitanzeige");
    QCOMPARE(anzeige(), QStringLiteral("12:35"));
    QCOMPARE(takt.interval(), 920);
    uhr->ms = t0 + 2000;
    aufrufen("aktualisiereZeitanzeige");
    QCOMPARE(anzeige(), QStringLiteral("12:36"));
    QCOMPARE(takt.interval(), 1000);

    uhr->ms = t0 + 2250;
    QCOMPARE(d->standMinuten(), 12);
    QCOMPARE(d->standSekunden(), 36.25);
    taste(Qt::Key_4);
    QCOMPARE(zeitpunkte(), QStringLiteral("00:00.000=0 12:36.250=1"));

    // A refresh held up for 1.3 s shows the second due then.
    uhr->ms = t0 + 4300;
    aufrufen("aktualisiereZeitanzeige");
    QCOMPARE(anzeige(), QStringLiteral("12:38"));
    QCOMPARE(takt.interval(), 700);
}

void TestMorvantoDialog::anzeigeBleibtBei70Minuten()
{
    starten(70, 59);
    uhr->ms = 1000;
    aufrufen("aktualisiereZeitanzeige");
    QCOMPARE(d->LCDMins->intValue(), 70);
    QCOMPARE(d->LCDSecs->intValue(), 0);
    uhr->ms = 61500;
    aufrufen("aktualisiereZeitanzeige");
    QCOMPARE(d->LCDMins->intValue(), 70);
    QCOMPARE(d->LCDSecs->intValue(), 0);
    taste(Qt::Key_7);
    QCOMPARE(zeitpunkte(), QStringLiteral("00:00.000=0 72:00.500=7"));
    umschalten(Qt::Key_R, d->BtRun);
    umschalten(Qt::Key_R, d->BtRun);
    QCOMPARE(d->zaehlwerkStand(), 70 * 60.0);
}

void TestMorvantoDialog::pauseHaeltDieErreichteSekunde()
{
    starten();
    // Refreshes 60 ms early each time, then a pause at 3.5 s.
    for (int k = 1; k <= 3; ++k) {
        uhr->ms = 1000 * k - 60;
        aufrufen("aktualisiereZeitanzeige");
        QCOMPARE(d->LCDSecs->intValue(), k - 1);
    }
    uhr->ms = 3500;
    QTest::mouseClick(d->BtRun, Qt::LeftButton);
    QCOMPARE(anzeige(), QStringLiteral("00:03"));
    QVERIFY(!d->anzeigeTakt().isActive());
    QCOMPARE(d->zaehlwerkStand(), 3.0);

    // The display is where the next start counts on from, however long the pause was.
    uhr->ms = 60'000;
    QTest::mouseClick(d->BtRun, Qt::LeftButton);
    uhr->ms = 61'250;
    QCOMPARE(d->zaehlwerkStand(), 4.25);
}

void TestMorvantoDialog::tastendruckAnDerMinutengrenze()
{
    starten(12, 59);
    // Every reading moves the clock on by 1 ms: two readings for one refresh or one press
    // would fall on both sides of 13:00.
    uhr->proLesung = 1;
    uhr->ms = 999;
    aufrufen("aktualisiereZeitanzeige");
    QCOMPARE(anzeige(), QStringLiteral("12:59"));
    uhr->ms = 999;
    taste(Qt::Key_1);
    QCOMPARE(zeitpunkte(), QStringLiteral("00:00.000=0 12:59.999=4"));
    QCOMPARE(d->TextLabelMittlereDauer->text(), QStringLiteral("12:59.999"));
    uhr->ms = 1000;
    aufrufen("aktualisiereZeitanzeige");
    QCOMPARE(anzeige(), QStringLiteral("13:00"));
}

void TestMorvantoDialog::bereichsPruefung()
{
    // Nothing rated: no position warns.
    bereit(12, 34);
    d->SldMins->setValue(0);
    QVERIFY(!d->bereichsWarnungAngezeigt());
    QVERIFY(!istRot(d->LCDSecs));

    d->SldMins->setValue(12);
    d->SldSecs->setValue(33);
    umschalten(Qt::Key_R, d->BtRun);
    uhr->ms = 1000;
    taste(Qt::Key_1); // 12:34.000
    umschalten(Qt::Key_R, d->BtRun);
    QCOMPARE(d->bewertetBisStand().toString(), QStringLiteral("12:34.000"));
    // The pause itself shows 12:34 and, like every pause, leaves the lower line empty.
    QCOMPARE(anzeige(), QStringLiteral("12:34"));
    QVERIFY(!d->bereichsWarnungAngezeigt());

    d->SldSecs->setValue(35);
    QVERIFY(!d->bereichsWarnungAngezeigt());
    d->SldSecs->setValue(34);
    QVERIFY(d->bereichsWarnungAngezeigt());
    QVERIFY(istRot(d->LCDSecs) && istRot(d->LCDMins));
    QCOMPARE(d->infoline2->text(), bereichsWarnung);
    d->SldSecs->setValue(35);
    QVERIFY(!d->bereichsWarnungAngezeigt());
    QVERIFY(!istRot(d->LCDSecs) && !istRot(d->LCDMins));
    QCOMPARE(d->LCDSecs->palette().color(QPalette::Window),
             d->FrmCounter->palette().color(QPalette::Window));
    QCOMPARE(d->infoline2->text(), QString());

    // A fraction past the whole second: the whole second itself already lies in the rated
    // stretch.
    umschalten(Qt::Key_R, d->BtRun);
    uhr->ms += 567;
    taste(Qt::Key_2); // 12:35.567
    umschalten(Qt::Key_R, d->BtRun);
    d->SldSecs->setValue(36);
    QVERIFY(!d->bereichsWarnungAngezeigt());
    d->SldSecs->setValue(35);
    QVERIFY(d->bereichsWarnungAngezeigt());
    d->SldMins->setValue(0);
    QVERIFY(d->bereichsWarnungAngezeigt());
    QCOMPARE(d->infoline2->text(), bereichsWarnung);
}

void TestMorvantoDialog::countdownAblauf()
{
    bereit(5, 0);
    uhr->ms = 777;
    QTest::mouseClick(d->PushButtonCountdown, Qt::LeftButton);
    QCOMPARE(d->BtRun->text(), QStringLiteral("10"));
    QVERIFY(!d->isEnabled());
    const QTimer &takt = d->countdownTakt();
    QVERIFY(takt.isActive() && takt.isSingleShot());
    QCOMPARE(takt.timerType(), Qt::PreciseTimer);
    QCOMPARE(takt.interval(), 500);
    for (int rest = 9; rest >= 0; --rest) {
        uhr->ms += 500;
        aufrufen("Countdown");
        QCOMPARE(d->BtRun->text(), QString::number(rest));
        QVERIFY(!d->BtRun->isChecked());
    }
    uhr->ms += 500;
    aufrufen("Countdown"); // the eleventh tick starts the counter
    QVERIFY(!takt.isActive());
    QVERIFY(d->isEnabled());
    QVERIFY(d->BtRun->isChecked());
    QCOMPARE(d->BtRun->text(), QStringLiteral("&Run"));
    QVERIFY(!d->PushButtonCountdown->isChecked());
    QVERIFY(!d->PushButtonCountdown->isEnabled());
    QCOMPARE(d->infoline1->text(), textLaeuft);
    QCOMPARE(d->zaehlwerkStand(), 300.0);
    QCOMPARE(freigaben(), QStringLiteral("-+--++-+"));

    // Later ticks would count again: the timer must have stopped. r still pauses.
    umschalten(Qt::Key_R, d->BtRun);
    QCOMPARE(d->infoline1->text(), textPause);
}

void TestMorvantoDialog::countdownStartetPuenktlich()
{
    bereit(5, 0);
    const qint64 an = 777;
    uhr->ms = an;
    QTest::mouseClick(d->PushButtonCountdown, Qt::LeftButton);
    const QTimer &takt = d->countdownTakt();
    const auto tick = [&](qint64 nach, const char *text, int restMs) {
        uhr->ms = an + nach;
        aufrufen("Countdown");
        QCOMPARE(d->BtRun->text(), QLatin1String(text));
        QVERIFY(!d->BtRun->isChecked());
        QCOMPARE(takt.interval(), restMs);
    };
    tick(440, "10", 60); // 60 ms early: the step waits for its instant
    tick(560, "9", 440);
    tick(1700, "7", 300); // held up: the step due now
    tick(5440, "0", 60);

    // The last tick 70 ms late: the counter has run for those 70 ms.
    uhr->ms = an + 5570;
    aufrufen("Countdown");
    QVERIFY(d->BtRun->isChecked());
    QCOMPARE(d->zaehlwerkStand(), 300.07);
    QCOMPARE(anzeige(), QStringLiteral("05:00"));
    QCOMPARE(d->anzeigeTakt().interval(), 930);
    uhr->ms = an + 6750;
    taste(Qt::Key_7);
    QCOMPARE(zeitpunkte(), QStringLiteral("00:00.000=0 05:01.250=7"));
}

void TestMorvantoDialog::countdownTaktetHalbeSekunden()
{
    bereit();
    d->zaehlwerkUhrEinsetzen(std::make_unique<ZaehlwerkUhr>());
    QElapsedTimer dauer;
    QTest::mouseClick(d->PushButtonCountdown, Qt::LeftButton);
    dauer.start();
    QTRY_COMPARE_WITH_TIMEOUT(d->BtRun->text(), QStringLiteral("9"), 3000);
    QVERIFY2(dauer.elapsed() >= 490, qPrintable(QString::number(dauer.elapsed())));
}

void TestMorvantoDialog::normalerTastendruck()
{
    starten();
    uhr->ms = 7250;
    taste(Qt::Key_1);
    QCOMPARE(zeitpunkte(), QStringLiteral("00:00.000=0 00:07.250=4"));
    QCOMPARE(d->TextLabelAnzahl->text(), QStringLiteral("1"));
    QCOMPARE(d->TextLabelMittlereDauer->text(), QStringLiteral("00:07.250"));
    uhr->ms = 10000;
    QTest::mouseClick(d->PushButton12, Qt::LeftButton);
    QCOMPARE(d->TextLabelAnzahl->text(), QStringLiteral("2"));
    QCOMPARE(d->TextLabelMittlereDauer->text(), QStringLiteral("00:05.000"));
    QCOMPARE(zeitpunkte(), QStringLiteral("00:00.000=0 00:07.250=4 00:10.000=7"));
}

void TestMorvantoDialog::zweiDrueckeEinZeitpunkt()
{
    starten();
    uhr->ms = 4000;
    taste(Qt::Key_1);
    taste(Qt::Key_4);
    QCOMPARE(d->TextLabelAnzahl->text(), QStringLiteral("2"));
    QCOMPARE(d->TextLabelMittlereDauer->text(), QStringLiteral("00:02.000"));
    QCOMPARE(zeitpunkte(), QStringLiteral("00:00.000=0 00:04.000=4"));
}

void TestMorvantoDialog::korrekturDerLetztenEinschaetzung()
{
    starten();
    uhr->ms = 7250;
    taste(Qt::Key_1);
    umschalten(Qt::Key_0, d->BtKorrigieren);
    QVERIFY(istRot(d->FrmKorrigieren) && istRot(d->infoline2));
    QCOMPARE(d->BtKlient_LF->palette().color(QPalette::Button), QColor(255, 150, 150));
    QCOMPARE(d->infoline2->text(), QStringLiteral("Bitte nun die letzte Entscheidung korrigieren"));

    uhr->ms = 9000;
    taste(Qt::Key_5);
    QCOMPARE(zeitpunkte(), QStringLiteral("00:00.000=0 00:07.250=3"));
    QCOMPARE(d->TextLabelAnzahl->text(), QStringLiteral("1"));
    QCOMPARE(d->TextLabelMittlereDauer->text(), QStringLiteral("00:07.250"));
    QVERIFY(!istRot(d->FrmKorrigieren) && !istRot(d->infoline2));
    QCOMPARE(d->BtKlient_LF->palette().color(QPalette::Button),
             d->BtKlient_U->palette().color(QPalette::Button));
    QTRY_VERIFY(!d->BtKorrigieren->isChecked());
    QCOMPARE(d->infoline2->text(), QStringLiteral("Die letzte Einschaetzung wurde korrigiert."));

    // As often as needed.
    umschalten(Qt::Key_0, d->BtKorrigieren);
    QCOMPARE(d->BtTherapeut_U->palette().color(QPalette::Button), QColor(255, 150, 150));
    taste(Qt::Key_6);
    QCOMPARE(zeitpunkte(), QStringLiteral("00:00.000=0 00:07.250=2"));
}

void TestMorvantoDialog::korrekturOhneEinschaetzung()
{
    starten();
    umschalten(Qt::Key_0, d->BtKorrigieren);
    QCOMPARE(d->infoline2->text(), QStringLiteral("nix zu korrigieren..."));
    QVERIFY(istRot(d->FrmKorrigieren));
    uhr->ms = 3000;
    taste(Qt::Key_1);
    QCOMPARE(d->infoline2->text(), QStringLiteral("Noch nix zu korrigieren."));
    QCOMPARE(d->sitzungsVerlauf().size(), 1);
    QCOMPARE(d->TextLabelAnzahl->text(), QStringLiteral("0"));
    QTRY_VERIFY(!d->BtKorrigieren->isChecked());
    QVERIFY(!istRot(d->FrmKorrigieren));
}

void TestMorvantoDialog::pauseBeendetKorrektur()
{
    starten();
    uhr->ms = 2000;
    taste(Qt::Key_3);
    umschalten(Qt::Key_0, d->BtKorrigieren);
    QVERIFY(istRot(d->infoline2));
    umschalten(Qt::Key_R, d->BtRun);
    QVERIFY(!d->BtKorrigieren->isChecked());
    QVERIFY(!istRot(d->infoline2) && !istRot(d->FrmKorrigieren));
    QCOMPARE(d->BtKlient_NLF->palette().color(QPalette::Button),
             d->BtKlient_U->palette().color(QPalette::Button));
    QCOMPARE(d->infoline1->text(), textPause);
    QCOMPARE(d->infoline2->text(), QString());
    QCOMPARE(zeitpunkte(), QStringLiteral("00:00.000=0 00:02.000=5"));
}

void TestMorvantoDialog::pauseGedruecktNurMitRating()
{
    starten();
    umschalten(Qt::Key_R, d->BtRun);
    umschalten(Qt::Key_R, d->BtRun);
    QVERIFY(!d->istPauseGedrueckt());
    uhr->ms = 1500;
    taste(Qt::Key_2);
    umschalten(Qt::Key_R, d->BtRun);
    QVERIFY(!d->istPauseGedrueckt());
    QTest::ignoreMessage(QtDebugMsg, "pause gedrückt");
    umschalten(Qt::Key_R, d->BtRun);
    QVERIFY(d->istPauseGedrueckt());
    QVERIFY(!d->istWeitergefuehrt());
}

void TestMorvantoDialog::korrekturTrifftSpaetestenEintrag()
{
    starten();
    uhr->ms = 10000;
    taste(Qt::Key_1);
    uhr->ms = 20000;
    taste(Qt::Key_4);
    umschalten(Qt::Key_R, d->BtRun);
    d->SldSecs->setValue(15);
    QVERIFY(d->bereichsWarnungAngezeigt());
    umschalten(Qt::Key_R, d->BtRun);
    taste(Qt::Key_2);
    QCOMPARE(zeitpunkte(), QStringLiteral("00:00.000=0 00:10.000=4 00:15.000=6 00:20.000=1"));
    umschalten(Qt::Key_0, d->BtKorrigieren);
    QCOMPARE(d->BtTherapeut_LF->palette().color(QPalette::Button), QColor(255, 150, 150));
    taste(Qt::Key_7);
    QCOMPARE(zeitpunkte(), QStringLiteral("00:00.000=0 00:10.000=4 00:15.000=6 00:20.000=7"));
}

// With MORVANTO_BILDER set to a folder, saves the window in Ready, Running, Correction and
// with the range warning, for a look at texts and colours.
// r starts and pauses the counter at the key, not at the end of the 100 ms click animation,
// and 0 switches correction on at once, so that a rating key right after it corrects.
void TestMorvantoDialog::tastenSchaltenBeimDruck()
{
    bereit();
    uhr->ms = 500;
    taste(Qt::Key_R);
    QVERIFY(d->BtRun->isChecked());
    uhr->ms = 2000;
    QCOMPARE(d->zaehlwerkStand(), 1.5);
    taste(Qt::Key_1);
    taste(Qt::Key_0);
    QVERIFY(d->BtKorrigieren->isChecked());
    taste(Qt::Key_4);
    QCOMPARE(zeitpunkte(), QStringLiteral("00:00.000=0 00:01.500=1"));
    uhr->ms = 3000;
    taste(Qt::Key_R);
    QVERIFY(!d->BtRun->isChecked());
    QCOMPARE(d->zaehlwerkStand(), 2.0);
}

// "Ende" over a history file this session did not read (written meanwhile by someone else)
// keeps that file as a dated copy and names it.
void TestMorvantoDialog::endeBewahrtFremdeVerlaufsdatei()
{
    const FesteWanduhr wanduhr(QDateTime(QDate(2003, 6, 16), QTime(9, 30, 5)));
    const Wanduhr *vorher = Wanduhr::einsetzen(&wanduhr);
    starten();
    uhr->ms = 4250;
    taste(Qt::Key_1);
    const QByteArray fremd = verlaufZeilen(QStringLiteral("k17"), QStringLiteral("elmaro"), 4);
    QVERIFY(dateiSchreiben(QStringLiteral("k17_elmaro_Verlauf.dat"), fremd));
    umschalten(Qt::Key_R, d->BtRun);
    const SkriptRueckfrage meldungen;
    QTest::mouseClick(d->BtSave, Qt::LeftButton);
    Wanduhr::einsetzen(vorher);
    const QString kopie = QStringLiteral("k17_elmaro_Verlauf_20030616_093005.dat");
    QCOMPARE(dateiInhalt(kopie), fremd);
    QCOMPARE(dateiInhalt(QStringLiteral("k17_elmaro_Verlauf.dat")),
             verlaufZeilen(QStringLiteral("k17"), QStringLiteral("elmaro"), 2));
    QCOMPARE(meldungen.meldungen(Rueckfrage::Art::Hinweis).size(), 1);
    QVERIFY(meldungen.meldungen(Rueckfrage::Art::Hinweis).first().contains(kopie));
    QVERIFY(QFile::remove(kopie));
}

void TestMorvantoDialog::bildschirmfotos()
{
    const QString ordner = qEnvironmentVariable("MORVANTO_BILDER");
    if (ordner.isEmpty())
        QSKIP("MORVANTO_BILDER not set");
    auto foto = [&](const char *name) {
        QCoreApplication::processEvents();
        QVERIFY(d->grab().save(ordner + QLatin1Char('/') + QLatin1String(name) + ".png"));
    };
    bereit(0, 0);
    foto("bereit");
    umschalten(Qt::Key_R, d->BtRun);
    uhr->ms = 14250;
    taste(Qt::Key_1);
    uhr->ms = 21500;
    taste(Qt::Key_6);
    uhr->ms = 22000;
    aufrufen("aktualisiereZeitanzeige");
    foto("laeuft");
    umschalten(Qt::Key_0, d->BtKorrigieren);
    foto("korrektur");
    taste(Qt::Key_5);
    umschalten(Qt::Key_R, d->BtRun);
    d->SldSecs->setValue(10);
    foto("warnung");
    QTest::mouseClick(d->PushButtonCountdown, Qt::LeftButton);
    for (int i = 0; i < 4; ++i) {
        uhr->ms += 500;
        aufrufen("Countdown");
    }
    foto("countdown");
}

QTEST_MAIN(TestMorvantoDialog)
#include "tst_morvantodialog.moc"
