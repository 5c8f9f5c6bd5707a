// A whole scripted session with fixed clocks: configure, rate, correct, pause, continue,
// "Ende", read back, forbidden close, and a second session ended by a termination signal.
// Every file it leaves is compared byte for byte with the files the console wrote before
// its rules moved out of the window (tests/mainwindow/mitschnitt/). With
// MORVANTO_MITSCHNITT_SCHREIBEN set to a folder, the files are written there instead.
#include "konsolentest.h"
#include "testdateien.h"
#include "wanduhr.h"

#include <QDir>
#include <QDirIterator>
#include <QTemporaryDir>

#include <csignal>

namespace {

// Relative path -> bytes of every file below the folder.
QMap<QString, QByteArray> dateienUnter(const QString &ordner)
{
    QMap<QString, QByteArray> dateien;
    QDirIterator it(ordner, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString pfad = it.next();
        dateien.insert(QDir(ordner).relativeFilePath(pfad), dateiInhalt(pfad));
    }
    return dateien;
}

void bewerten(Konsole &k, qint64 ms, Qt::Key taste)
{
    k.uhr->ms = ms;
    k.taste(taste);
}

} // namespace

class TestSitzungsmitschnitt : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir basis;
    QString ordner;
    SkriptRueckfrage meldungen;

    void sitzungMitVerbotenemBeenden();
    void sitzungMitSignal();

private slots:
    void initTestCase();
    void gleicheDateien();
};

void TestSitzungsmitschnitt::initTestCase()
{
    QVERIFY(basis.isValid());
    schriftWieImProgramm();
}

void TestSitzungsmitschnitt::sitzungMitVerbotenemBeenden()
{
    QVERIFY(QDir().mkpath(ordner + "/ende"));
    QVERIFY(QDir::setCurrent(ordner + "/ende"));
    Konsole k;
    QVERIFY(k.aktiv);
    k.konfigurieren(QStringLiteral("k17"), QStringLiteral("elmaro"));
    k.umschalten(Qt::Key_R, k->BtRun);
    bewerten(k, 4250, Qt::Key_1);
    bewerten(k, 70003, Qt::Key_4);
    k.umschalten(Qt::Key_0, k->BtKorrigieren);
    k.taste(Qt::Key_6);
    k.umschalten(Qt::Key_R, k->BtRun);
    // Continued after the pause: the pause flag.
    k.uhr->ms = 80000;
    k.umschalten(Qt::Key_R, k->BtRun);
    bewerten(k, 85500, Qt::Key_7);
    k.umschalten(Qt::Key_R, k->BtRun);
    QTest::mousePress(k->BtSave, Qt::LeftButton);
    QCOMPARE(k->sitzungsVerlauf().size(), 1);

    // Read back, rated on, closed without "Ende": the backup.
    k.konfigurieren(QStringLiteral("k17"), QStringLiteral("elmaro"), true, true);
    QVERIFY(k->istWeitergefuehrt());
    k.umschalten(Qt::Key_R, k->BtRun);
    bewerten(k, k.uhr->ms + 2250, Qt::Key_2);
    k.umschalten(Qt::Key_R, k->BtRun);
    k.d.reset();
    QCOMPARE(meldungen.meldungen(Rueckfrage::Art::VerbotenesBeenden).size(), 1);
}

void TestSitzungsmitschnitt::sitzungMitSignal()
{
    QVERIFY(QDir().mkpath(ordner + "/signal"));
    QVERIFY(QDir::setCurrent(ordner + "/signal"));
    Konsole k;
    QVERIFY(k.aktiv);
    k->imProgrammBetrieb();
    k.konfigurieren(QStringLiteral("k18"), QStringLiteral("elmaro"));
    k.umschalten(Qt::Key_R, k->BtRun);
    bewerten(k, 1500, Qt::Key_3);
    bewerten(k, 9999, Qt::Key_5);
    std::raise(SIGTERM);
    QTRY_COMPARE(QDir().entryList({QStringLiteral("SIKO_*")}, QDir::Files).size(), 2);
    k.d.reset();
}

void TestSitzungsmitschnitt::gleicheDateien()
{
    const QByteArray schreiben = qgetenv("MORVANTO_MITSCHNITT_SCHREIBEN");
    ordner = schreiben.isEmpty() ? basis.path() : QString::fromLocal8Bit(schreiben);
    const FesteWanduhr uhr(QDateTime(QDate(2003, 6, 16), QTime(9, 30, 5)));
    const Wanduhr *alteUhr = Wanduhr::einsetzen(&uhr);
    sitzungMitVerbotenemBeenden();
    sitzungMitSignal();
    Wanduhr::einsetzen(alteUhr);
    if (!schreiben.isEmpty())
        QSKIP("written, not compared");

    const QMap<QString, QByteArray> jetzt = dateienUnter(ordner);
    const QMap<QString, QByteArray> vorher = dateienUnter(QStringLiteral(MORVANTO_MITSCHNITT));
    QCOMPARE(jetzt.keys(), vorher.keys());
    for (auto it = vorher.cbegin(); it != vorher.cend(); ++it)
        QCOMPARE(jetzt.value(it.key()), it.value());
}

QTEST_MAIN(TestSitzungsmitschnitt)
#include "tst_sitzungsmitschnitt.moc"
