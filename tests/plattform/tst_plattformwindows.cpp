// The Windows side of the platform seam, run under Wine by the Windows build's tests.
#include "plattform.h"

#include <QAbstractEventDispatcher>
#include <QLocalServer>
#include <QLocalSocket>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <windows.h>

class TstPlattformWindows : public QObject
{
    Q_OBJECT

private slots:
    void endeBeiAbmeldung_data();
    void endeBeiAbmeldung();
    void endeAusDerKonsole();
    void privaterOrdner();
    void sockelAlsPipe();
    void ordner_data();
    void ordner();
};

void TstPlattformWindows::endeBeiAbmeldung_data()
{
    QTest::addColumn<uint>("nachricht");
    QTest::addColumn<qintptr>("lparam");
    QTest::addColumn<int>("meldungen");
    QTest::newRow("Abmelden") << uint(WM_QUERYENDSESSION) << qintptr(ENDSESSION_LOGOFF) << 1;
    QTest::newRow("Herunterfahren") << uint(WM_QUERYENDSESSION) << qintptr(0) << 1;
    QTest::newRow("andere Nachricht") << uint(WM_CLOSE) << qintptr(0) << 0;
}

// Through the filter chain Qt's window procedure runs for every message: the melder
// reports at once, before Qt answers and the session may end.
void TstPlattformWindows::endeBeiAbmeldung()
{
    QFETCH(uint, nachricht);
    QFETCH(qintptr, lparam);
    QFETCH(int, meldungen);
    QObject eltern;
    QSignalSpy spy(Plattform::endeMelderErstellen(&eltern), &Plattform::EndeMelder::endeVerlangt);
    MSG msg{};
    msg.message = nachricht;
    msg.lParam = lparam;
    qintptr ergebnis = 0;
    const bool geschluckt = QAbstractEventDispatcher::instance()->filterNativeEvent(
        QByteArrayLiteral("windows_generic_MSG"), &msg, &ergebnis);
    QVERIFY(!geschluckt); // Qt must still answer, or the logoff waits for us
    QCOMPARE(spy.count(), meldungen);
}

void TstPlattformWindows::endeAusDerKonsole()
{
    QObject eltern;
    QSignalSpy spy(Plattform::endeMelderErstellen(&eltern), &Plattform::EndeMelder::endeVerlangt);
    if (!GenerateConsoleCtrlEvent(CTRL_BREAK_EVENT, 0))
        QSKIP("no console to send Ctrl+Break to (Wine without a console window)");
    QTRY_COMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).toInt(), int(CTRL_BREAK_EVENT));
}

void TstPlattformWindows::privaterOrdner()
{
    QTemporaryDir dir;
    const QString privat = dir.filePath(QStringLiteral("privat"));
    QCOMPARE(Plattform::ordnerPruefen(privat), Plattform::OrdnerZustand::Fehlt);
    QCOMPARE(Plattform::privatenOrdnerAnlegen(privat), QString());
    QCOMPARE(Plattform::ordnerPruefen(privat), Plattform::OrdnerZustand::Privat);
    QCOMPARE(Plattform::privatenOrdnerAnlegen(privat), QString()); // existing is fine
    QVERIFY(Plattform::ordnerSynchronisieren(privat));
    // An ordinary folder inherits an access list that admits others.
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("offen")));
    QCOMPARE(Plattform::ordnerPruefen(dir.filePath(QStringLiteral("offen"))),
             Plattform::OrdnerZustand::Fremd);
}

// The socket path doubles as the pipe's name; QLocalSocket and mpv both put \\.\pipe\ in
// front, so the two meet without either knowing the other's rule.
void TstPlattformWindows::sockelAlsPipe()
{
    QTemporaryDir dir;
    const QString sockel = dir.filePath(QStringLiteral("morvanto-mpv.sock"));
    QVERIFY(!Plattform::sockelVorhanden(sockel));
    QLocalServer server;
    QVERIFY2(server.listen(sockel), qPrintable(server.errorString()));
    QCOMPARE(server.fullServerName(), QStringLiteral("\\\\.\\pipe\\") + sockel);
    QVERIFY(Plattform::sockelVorhanden(sockel));
    QLocalSocket socket;
    socket.connectToServer(sockel);
    QVERIFY(socket.waitForConnected(1000));
    QVERIFY(sockel.toUtf8().size() < Plattform::sockelPfadGrenze());
}

void TstPlattformWindows::ordner_data()
{
    QTest::addColumn<QString>("ordner");
    QTest::addColumn<QString>("erwartet");
    QTest::newRow("Menüstart: Dokumente")
        << Plattform::menueStartOrdner()
        << QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    QTest::newRow("mpv-Einstellungen")
        << Plattform::spielerEinstellungsOrdner()
        << QDir::fromNativeSeparators(qEnvironmentVariable("APPDATA")) + QStringLiteral("/mpv");
}

void TstPlattformWindows::ordner()
{
    QFETCH(QString, ordner);
    QFETCH(QString, erwartet);
    QCOMPARE(QDir::fromNativeSeparators(ordner), erwartet);
}

QTEST_GUILESS_MAIN(TstPlattformWindows)
#include "tst_plattformwindows.moc"
