#include "spielerfolge.h"
#include "zaehlwerk.h"

#include "testuhr.h"

#include <QTest>

#include <memory>

// The rules by which the counter follows the player, on a clock the test sets.
class TestSpielerFolge : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<Zaehlwerk> zw;
    std::unique_ptr<SpielerFolge> folge;
    TestUhr *uhr = nullptr;

private slots:
    void init();
    void befehlWartetAufDenSpieler_data();
    void befehlWartetAufDenSpieler();
    void sprungZurueck_data();
    void sprungZurueck();
    void tastenZeitpunkt_data();
    void tastenZeitpunkt();
    void spielerWeg();
};

void TestSpielerFolge::init()
{
    auto neu = std::make_unique<TestUhr>();
    uhr = neu.get();
    uhr->ms = 50'000;
    zw = std::make_unique<Zaehlwerk>();
    zw->uhrEinsetzen(std::move(neu));
    folge = std::make_unique<SpielerFolge>(*zw);
}

void TestSpielerFolge::befehlWartetAufDenSpieler_data()
{
    QTest::addColumn<bool>("befohlen");
    QTest::addColumn<bool>("gemeldetPausiert");
    QTest::addColumn<qint64>("nachMs");
    QTest::addColumn<bool>("verworfen");
    // Paused in Morvanto: a report of the player still playing undoes it only after the
    // deadline; a report that it paused ends the wait.
    QTest::newRow("alter Stand in der Frist") << true << false << qint64(499) << true;
    QTest::newRow("alter Stand nach der Frist") << true << false << qint64(500) << false;
    QTest::newRow("Befehl angekommen") << true << true << qint64(10) << false;
    QTest::newRow("vom Spieler selbst") << false << false << qint64(10) << false;
}

void TestSpielerFolge::befehlWartetAufDenSpieler()
{
    QFETCH(bool, befohlen);
    QFETCH(bool, gemeldetPausiert);
    QFETCH(qint64, nachMs);
    QFETCH(bool, verworfen);
    zw->setzen(10'000, uhr->ms, true);
    folge->umschalten(false, befohlen);
    QVERIFY(!zw->laeuft());
    QCOMPARE(folge->meldungVerwerfen(gemeldetPausiert, uhr->ms + nachMs), verworfen);
    // Once a report counted, the command is no longer pending.
    if (!verworfen)
        QVERIFY(!folge->meldungVerwerfen(!gemeldetPausiert, uhr->ms + nachMs));
}

void TestSpielerFolge::sprungZurueck_data()
{
    QTest::addColumn<qint64>("positionMs");
    QTest::addColumn<bool>("zurueck");
    QTest::newRow("gleich") << qint64(12'000) << false;
    QTest::newRow("Zittern") << qint64(11'900) << false;
    QTest::newRow("zurueck") << qint64(11'899) << true;
    QTest::newRow("vor") << qint64(30'000) << false;
}

void TestSpielerFolge::sprungZurueck()
{
    QFETCH(qint64, positionMs);
    QFETCH(bool, zurueck);
    zw->setzen(10'000, uhr->ms, true);
    QCOMPARE(folge->zurueckGesprungen(positionMs, uhr->ms + 2000), zurueck);
}

void TestSpielerFolge::tastenZeitpunkt_data()
{
    QTest::addColumn<bool>("laeuft");
    QTest::addColumn<qint64>("positionMs");
    QTest::addColumn<QString>("erwartet");
    // The counter stands at 00:12.040 when the key's report arrives.
    QTest::newRow("feiner, gleiches Bild") << true << qint64(12'000) << "00:12.040";
    QTest::newRow("Meldung zu spaet") << true << qint64(11'940) << "00:11.940";
    QTest::newRow("Spieler voraus") << true << qint64(12'080) << "00:12.080";
    QTest::newRow("Zaehlwerk steht") << false << qint64(12'000) << "00:12.000";
    QTest::newRow("ohne Position") << true << qint64(-1) << "00:12.040";
}

void TestSpielerFolge::tastenZeitpunkt()
{
    QFETCH(bool, laeuft);
    QFETCH(qint64, positionMs);
    QFETCH(QString, erwartet);
    zw->setzen(laeuft ? 10'000 : 12'040, uhr->ms, laeuft);
    QCOMPARE(folge->tastenZeitpunkt(positionMs, uhr->ms + (laeuft ? 2040 : 0)).toString(),
             erwartet);
}

void TestSpielerFolge::spielerWeg()
{
    zw->setzen(10'000, uhr->ms, true);
    folge->spielerWeg(true);
    QVERIFY2(zw->laeuft(), "Run is on: the counter runs on by itself");
    folge->spielerWeg(false);
    QVERIFY(!zw->laeuft());
}

QTEST_GUILESS_MAIN(TestSpielerFolge)
#include "tst_spielerfolge.moc"
