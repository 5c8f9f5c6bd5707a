#include "videokopplung.h"

#include <QLocalServer>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

// The coupling's view of the player's position, fed by a scripted player over a real socket
// and stamped by a clock the test sets.
class TstPositionsSchaetzung : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir ordner;
    std::unique_ptr<QLocalServer> server;
    std::unique_ptr<VideoKopplung> kopplung;
    QLocalSocket *spieler = nullptr;
    qint64 jetzt = 0;
    int meldungen = 0;

    // The player reports its position (seconds) or pause state; it arrives at instant t.
    void melden(const QByteArray &zeile, qint64 t);
    void position(double sekunden, qint64 t)
    {
        melden("{\"event\":\"property-change\",\"name\":\"playback-time\",\"data\":" +
                   QByteArray::number(sekunden, 'f', 6) + "}",
               t);
    }
    void pause(bool p, qint64 t)
    {
        melden(QByteArray("{\"event\":\"property-change\",\"name\":\"pause\",\"data\":") +
                   (p ? "true}" : "false}"),
               t);
    }
    // Where the coupling puts the player at instant t.
    qint64 bei(qint64 t) const
    {
        return kopplung->gemeldetePositionMs() + (t - kopplung->gemeldetUm());
    }

private slots:
    void init();
    void cleanup();
    void verspaeteteMeldungenKostenNichts();
    void stockenUndSpruengeWerdenGefolgt();
    void langsamesAuseinanderlaufenWirdGefolgt();
    void pauseStehtAmGezeigtenBild();
};

void TstPositionsSchaetzung::init()
{
    server = std::make_unique<QLocalServer>();
    QVERIFY(server->listen(ordner.filePath(QStringLiteral("s.sock"))));
    kopplung = std::make_unique<VideoKopplung>([this] { return jetzt; });
    connect(kopplung.get(), &VideoKopplung::standGemeldet, this, [this] { ++meldungen; });
    kopplung->suchen(server->fullServerName());
    QVERIFY(server->waitForNewConnection(5000));
    spieler = server->nextPendingConnection();
    QTRY_VERIFY(kopplung->gekoppelt());
    pause(false, 0);
}

void TstPositionsSchaetzung::cleanup()
{
    kopplung.reset();
    server.reset();
    meldungen = 0;
}

void TstPositionsSchaetzung::melden(const QByteArray &zeile, qint64 t)
{
    jetzt = t;
    const int vorher = meldungen;
    spieler->write(zeile + '\n');
    spieler->flush();
    QTRY_VERIFY(meldungen > vorher);
}

// Frames every 40 ms, shown on time; some reports arrive late, by less than a stall.
void TstPositionsSchaetzung::verspaeteteMeldungenKostenNichts()
{
    const qint64 v = VideoKopplung::verspaetungMs - 1;
    const qint64 verspaetung[] = {0, 3, v, 0, v / 2, v, 1, v - 1, 0, 2};
    for (int i = 0; i < 10; ++i) {
        const qint64 gezeigt = 1000 + 40 * i;
        position(12.0 + 0.04 * i, gezeigt + verspaetung[i]);
        QCOMPARE(bei(gezeigt + 20), 12000 + 40 * i + 20);
    }
    // All of them late by the same amount: nothing to know better from.
    for (int i = 10; i < 40; ++i)
        position(12.0 + 0.04 * i, 1000 + 40 * i + 6);
    QCOMPARE(bei(3000), 14000 - 6);
}

void TstPositionsSchaetzung::stockenUndSpruengeWerdenGefolgt()
{
    for (int i = 0; i < 5; ++i)
        position(5.0 + 0.04 * i, 1000 + 40 * i);
    // The player stalls for 100 ms: its next frame is behind our expectation.
    position(5.2, 1300);
    QCOMPARE(bei(1300), 5200);
    // A seek back and one forward.
    position(2.0, 1340);
    QCOMPARE(bei(1340), 2000);
    position(60.0, 1380);
    QCOMPARE(bei(1400), 60020);
}

// Its clock 1 ms slower per 100 ms than ours: the view stays within the drift of one window.
void TstPositionsSchaetzung::langsamesAuseinanderlaufenWirdGefolgt()
{
    for (int i = 0; i <= 200; ++i) {
        const qint64 t = 40 * i;
        position((40 * i - 0.01 * t) / 1000.0, t);
        const qint64 wahr = qRound64(40 * i - 0.01 * t);
        QVERIFY2(std::abs(bei(t) - wahr) <= 1 + VideoKopplung::fensterMs / 100,
                 qPrintable(QString::number(bei(t) - wahr)));
    }
}

// Paused, the counter stands on the frame shown, and goes on from it at the resume.
void TstPositionsSchaetzung::pauseStehtAmGezeigtenBild()
{
    position(8.0, 1000);
    position(8.04, 1040);
    pause(true, 1070);
    QVERIFY(kopplung->pausiert());
    QCOMPARE(kopplung->gemeldetePositionMs(), 8040);
    pause(false, 5000);
    QCOMPARE(bei(5000), 8040);
    position(8.08, 5040);
    QCOMPARE(bei(5050), 8090);
}

QTEST_GUILESS_MAIN(TstPositionsSchaetzung)
#include "tst_positionsschaetzung.moc"
