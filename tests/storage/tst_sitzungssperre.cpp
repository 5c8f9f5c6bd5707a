// One session, one writer, across real processes: this test runs itself as the other
// Morvanto ("halten FOLDER CLIENT RATER" holds a session's lock until its input closes).
#include "journalfund.h"
#include "sitzungssperre.h"
#include "testdateien.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTextStream>

#include <cstdio>
#include <cstring>
#include <memory>

namespace {

int halten(const char *ordner, const char *klient, const char *rater)
{
    SitzungsSperre sperre;
    const bool ok = sperre.nehmen(QString::fromLocal8Bit(ordner), QString::fromLocal8Bit(klient),
                                  QString::fromLocal8Bit(rater));
    std::printf("gehalten %d\n", int(ok));
    std::fflush(stdout);
    // Until the test closes the input or kills the process.
    while (std::getchar() != EOF) {
    }
    return 0;
}

} // namespace

class TstSitzungsSperre : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void init();
    void cleanup();

    void zweiterProzessBekommtDieSitzungNicht_data();
    void zweiterProzessBekommtDieSitzungNicht();
    void sperreFolgtDenNamen();
    void findenBietetNurFreieJournaleMitBewertungAn();

private:
    // Another process holding the lock; false when it could not take it.
    bool fremdHalten(const QString &klient, const QString &rater);

    std::unique_ptr<QTemporaryDir> ordner;
    std::unique_ptr<QProcess> fremd;
};

void TstSitzungsSperre::init()
{
    ordner = std::make_unique<QTemporaryDir>();
    QVERIFY(ordner->isValid());
}

void TstSitzungsSperre::cleanup()
{
    if (fremd) {
        fremd->kill();
        fremd->waitForFinished();
        fremd.reset();
    }
}

bool TstSitzungsSperre::fremdHalten(const QString &klient, const QString &rater)
{
    fremd = std::make_unique<QProcess>();
    fremd->start(QCoreApplication::applicationFilePath(),
                 {QStringLiteral("halten"), ordner->path(), klient, rater});
    return fremd->waitForReadyRead(10000) && fremd->readLine().trimmed() == "gehalten 1";
}

// ende: how the other process goes. An old lock of a living holder still holds: its age says
// nothing about whether the holder lives.
void TstSitzungsSperre::zweiterProzessBekommtDieSitzungNicht_data()
{
    QTest::addColumn<QString>("klient");
    QTest::addColumn<QString>("ende");
    QTest::newRow("laeuft") << QStringLiteral("k17") << QStringLiteral("laeuft");
    QTest::newRow("andere Schreibung") << QStringLiteral("K17") << QStringLiteral("laeuft");
    QTest::newRow("alte Sperrdatei") << QStringLiteral("k17") << QStringLiteral("alt");
    QTest::newRow("abgestuerzt") << QStringLiteral("k17") << QStringLiteral("getoetet");
    QTest::newRow("beendet") << QStringLiteral("k17") << QStringLiteral("beendet");
}

void TstSitzungsSperre::zweiterProzessBekommtDieSitzungNicht()
{
    QFETCH(QString, klient);
    QFETCH(QString, ende);
    QVERIFY(fremdHalten(QStringLiteral("k17"), QStringLiteral("elmaro")));
    const QString datei =
        SitzungsSperre::dateiPfad(ordner->path(), QStringLiteral("k17"), QStringLiteral("elmaro"));
    if (ende == QLatin1String("alt")) {
        QFile f(datei);
        QVERIFY(f.open(QIODevice::ReadWrite));
        QVERIFY(f.setFileTime(QDateTime::currentDateTime().addSecs(-3600),
                              QFileDevice::FileModificationTime));
    } else if (ende == QLatin1String("getoetet")) {
        fremd->kill();
        QVERIFY(fremd->waitForFinished());
    } else if (ende == QLatin1String("beendet")) {
        fremd->closeWriteChannel();
        QVERIFY(fremd->waitForFinished());
    }
    const bool frei = ende == QLatin1String("getoetet") || ende == QLatin1String("beendet");
    QCOMPARE(SitzungsSperre::belegt(ordner->path(), klient, QStringLiteral("ELMARO")), !frei);
    SitzungsSperre eigene;
    QCOMPARE(eigene.nehmen(ordner->path(), klient, QStringLiteral("elmaro")), frei);
    QCOMPARE(eigene.haelt(), frei);
    QCOMPARE(eigene.fehlerText().isEmpty(), frei);
}

// A window that is configured anew gives up the old session's lock, and keeps it when the
// new one is taken.
void TstSitzungsSperre::sperreFolgtDenNamen()
{
    QVERIFY(fremdHalten(QStringLiteral("k18"), QStringLiteral("elmaro")));
    SitzungsSperre eigene;
    QVERIFY(eigene.nehmen(ordner->path(), QStringLiteral("k17"), QStringLiteral("elmaro")));
    QVERIFY(!eigene.nehmen(ordner->path(), QStringLiteral("k18"), QStringLiteral("elmaro")));
    QVERIFY(eigene.haelt());
    QVERIFY(
        SitzungsSperre::belegt(ordner->path(), QStringLiteral("k17"), QStringLiteral("elmaro")));
    QVERIFY(eigene.nehmen(ordner->path(), QStringLiteral("k19"), QStringLiteral("elmaro")));
    QVERIFY(!QFile::exists(SitzungsSperre::dateiPfad(ordner->path(), QStringLiteral("k17"),
                                                     QStringLiteral("elmaro"))));
    eigene.freigeben();
    QVERIFY(!QFile::exists(SitzungsSperre::dateiPfad(ordner->path(), QStringLiteral("k19"),
                                                     QStringLiteral("elmaro"))));
    // The session's folder holds only what the rater made.
    QCOMPARE(eintraege(ordner->path()), QStringList());
}

void TstSitzungsSperre::findenBietetNurFreieJournaleMitBewertungAn()
{
    const auto pfad = [this](const char *name) { return ordner->filePath(QLatin1String(name)); };
    QVERIFY(dateiSchreiben(pfad("k17_elmaro_Journal.dat"), k17Zeile0 + k17Zeile1));
    QVERIFY(dateiSchreiben(pfad("k18_elmaro_Journal.dat"), verlaufZeilen("k18", "elmaro", 3)));
    QVERIFY(dateiSchreiben(pfad("k19_elmaro_Journal.dat"), ""));
    QVERIFY(dateiSchreiben(pfad("k20_elmaro_Journal.dat"), verlaufZeilen("k20", "elmaro", 1)));
    QVERIFY(dateiSchreiben(pfad("k21_elmaro_Journal.dat"), ""));
    QVERIFY(fremdHalten(QStringLiteral("K18"), QStringLiteral("elmaro")));
    // A running session holds its empty journal too.
    auto zweiter = std::move(fremd);
    QVERIFY(fremdHalten(QStringLiteral("k21"), QStringLiteral("elmaro")));

    const QList<JournalFund> funde = JournalFund::finden(ordner->path());
    QCOMPARE(funde.size(), 1);
    QCOMPARE(funde.first().dateiName, QStringLiteral("k17_elmaro_Journal.dat"));
    QCOMPARE(eintraege(ordner->path()), QStringList({QStringLiteral("k17_elmaro_Journal.dat"),
                                                     QStringLiteral("k18_elmaro_Journal.dat"),
                                                     QStringLiteral("k21_elmaro_Journal.dat")}));
    zweiter->kill();
    zweiter->waitForFinished();
}

int main(int argc, char *argv[])
{
    if (argc == 5 && std::strcmp(argv[1], "halten") == 0) {
        QCoreApplication app(argc, argv);
        QStandardPaths::setTestModeEnabled(true);
        return halten(argv[2], argv[3], argv[4]);
    }
    QCoreApplication app(argc, argv);
    TstSitzungsSperre test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_sitzungssperre.moc"
