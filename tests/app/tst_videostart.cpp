#include "kopplungsort.h"
#include "testdateien.h"
#include "testspieler.h"
#include "videostart.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

namespace {

struct Aufruf
{
    int code = -1;
    QString ausgabe;
};

// morvanto-video as a rater calls it, with this socket place and PATH.
Aufruf aufrufen(const QStringList &argumente, const QString &sockel,
                const QString &path = qEnvironmentVariable("PATH"))
{
    QProcess p;
    QProcessEnvironment umgebung = QProcessEnvironment::systemEnvironment();
    umgebung.insert(QStringLiteral("MORVANTO_MPV_SOCKET"), sockel);
    umgebung.insert(QStringLiteral("PATH"), path);
    p.setProcessEnvironment(umgebung);
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(QStringLiteral(MORVANTO_VIDEO_PROGRAMM), argumente);
    if (!p.waitForFinished(20000)) {
        p.kill();
        p.waitForFinished();
    }
    return {p.exitCode(), QString::fromLocal8Bit(p.readAll())};
}

int modus(const QString &pfad)
{
    struct stat st = {};
    ::stat(QFile::encodeName(pfad).constData(), &st);
    return int(st.st_mode & 0777);
}

// Sets or clears an environment variable for one test and restores it after.
class Umgebung
{
public:
    Umgebung(const char *name, const QByteArray &wert) : name(name), alt(qgetenv(name))
    {
        gesetzt = qEnvironmentVariableIsSet(name);
        if (wert.isNull())
            qunsetenv(name);
        else
            qputenv(name, wert);
    }
    ~Umgebung()
    {
        if (gesetzt)
            qputenv(name, alt);
        else
            qunsetenv(name);
    }

private:
    const char *name;
    QByteArray alt;
    bool gesetzt = false;
};

} // namespace

class TstVideoStart : public QObject
{
    Q_OBJECT

private slots:
    void sockelNurInPrivatemOrdner();
    void ersatzOrdnerWirdPrivatAngelegt();
    void tastenKonfigurationBindetAlleTasten();
    void aufrufFehler();
    void zweiterSpielerAbgewiesen();
};

void TstVideoStart::sockelNurInPrivatemOrdner()
{
#ifdef Q_OS_WIN
    QSKIP("folder modes are POSIX; the Windows access list is tested in tst_plattformwindows");
#endif
    QTemporaryDir privat;
    QCOMPARE(modus(privat.path()), 0700);
    const QString pfad = privat.filePath(QStringLiteral("a.sock"));
    {
        Umgebung v(KopplungsOrt::umgebungsVariable, QFile::encodeName(pfad));
        QCOMPARE(KopplungsOrt::sockel(), pfad);
    }
    {
        // Without the variable: the session's runtime folder.
        Umgebung v(KopplungsOrt::umgebungsVariable, QByteArray());
        Umgebung x("XDG_RUNTIME_DIR", QFile::encodeName(privat.path()));
        QCOMPARE(KopplungsOrt::sockel(), privat.filePath(QStringLiteral("morvanto-mpv.sock")));
    }

    // A folder others may enter, one that is missing, and a path the kernel cannot take.
    QVERIFY(QFile::setPermissions(privat.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                     QFileDevice::ExeOwner |
                                                     QFileDevice::ExeOther));
    QString problem;
    {
        Umgebung v(KopplungsOrt::umgebungsVariable, QFile::encodeName(pfad));
        QVERIFY(KopplungsOrt::sockel(&problem).isEmpty());
        QVERIFY2(problem.contains(QStringLiteral("nicht privat")), qPrintable(problem));
    }
    {
        Umgebung x("XDG_RUNTIME_DIR", QFile::encodeName(privat.path()));
        Umgebung v(KopplungsOrt::umgebungsVariable, QByteArray());
        QVERIFY(KopplungsOrt::sockel().isEmpty());
    }
    QVERIFY(QFile::setPermissions(privat.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                     QFileDevice::ExeOwner));
    {
        Umgebung v(KopplungsOrt::umgebungsVariable,
                   QFile::encodeName(privat.filePath(QStringLiteral("fehlt/a.sock"))));
        QVERIFY(KopplungsOrt::sockel(&problem).isEmpty());
        QVERIFY(problem.contains(QStringLiteral("fehlt")));
    }
    {
        Umgebung v(KopplungsOrt::umgebungsVariable,
                   QFile::encodeName(privat.filePath(QString(120, QLatin1Char('s')))));
        QVERIFY(KopplungsOrt::sockel(&problem).isEmpty());
        QVERIFY(problem.contains(QStringLiteral("zu lang")));
    }
}

// Outside a login session there is no runtime folder: one of the user's own, never /tmp.
void TstVideoStart::ersatzOrdnerWirdPrivatAngelegt()
{
#ifdef Q_OS_WIN
    QSKIP("folder modes are POSIX; the Windows access list is tested in tst_plattformwindows");
#endif
    QTemporaryDir cache;
    Umgebung v(KopplungsOrt::umgebungsVariable, QByteArray());
    Umgebung x("XDG_RUNTIME_DIR", QByteArray());
    Umgebung c("XDG_CACHE_HOME", QFile::encodeName(cache.path()));
    const QString ordner = cache.filePath(QStringLiteral("morvanto"));
    QCOMPARE(KopplungsOrt::sockel(), ordner + QStringLiteral("/morvanto-mpv.sock"));
    QCOMPARE(modus(ordner), 0700);
    // Found again as it is; opened up by someone, it is refused, not repaired.
    QCOMPARE(KopplungsOrt::sockel(), ordner + QStringLiteral("/morvanto-mpv.sock"));
    QVERIFY(::chmod(QFile::encodeName(ordner).constData(), 0777) == 0);
    QVERIFY(KopplungsOrt::sockel().isEmpty());
}

void TstVideoStart::tastenKonfigurationBindetAlleTasten()
{
    const QString text = QString::fromLatin1(VideoStart::tastenKonfiguration());
    for (const QString taste : {"1", "2", "3", "4", "5", "6", "7", "0", "r", "KP0", "KP7"}) {
        const QString zeile = taste + QStringLiteral(" script-message morvanto-taste ") +
                              taste.right(1) + QStringLiteral(" ${=playback-time}\n");
        QVERIFY2(text.contains(zeile), qPrintable(taste));
    }
    QVERIFY(!text.contains(QStringLiteral("\n8 ")));
    // The rater's own bindings stay, ours come after them and so win for our keys.
    const QByteArray mitEigenen =
        VideoStart::tastenKonfiguration("F11 cycle fullscreen\n1 add contrast -1");
    QVERIFY(mitEigenen.startsWith("F11 cycle fullscreen\n1 add contrast -1\n#"));
    QVERIFY(mitEigenen.indexOf("1 script-message") > mitEigenen.indexOf("1 add contrast"));
    QTemporaryDir home;
    QVERIFY(QDir(home.path()).mkpath(QStringLiteral("mpv")));
    QVERIFY(dateiSchreiben(home.filePath(QStringLiteral("mpv/input.conf")), "a cycle audio\n"));
    Umgebung m("MPV_HOME", QByteArray());
    Umgebung c("XDG_CONFIG_HOME", QFile::encodeName(home.path()));
    Umgebung w("APPDATA", QFile::encodeName(home.path())); // where mpv looks on Windows
    QCOMPARE(VideoStart::eigeneTastenKonfiguration(), QByteArray("a cycle audio\n"));
    const QStringList a =
        VideoStart::argumente(QStringLiteral("/p/s.sock"), QStringLiteral("/p/t.conf"),
                              {QStringLiteral("--fs"), QStringLiteral("video.mp4")});
    QVERIFY(a.contains(QStringLiteral("--input-ipc-server=/p/s.sock")));
    QVERIFY(a.contains(QStringLiteral("--input-conf=/p/t.conf")));
    QVERIFY(a.contains(QStringLiteral("--pause")));
    // The rater's own options and the file come last, so they can override ours.
    QCOMPARE(a.mid(a.size() - 2),
             (QStringList{QStringLiteral("--fs"), QStringLiteral("video.mp4")}));
}

void TstVideoStart::aufrufFehler()
{
    QTemporaryDir privat;
    const QString sockel = privat.filePath(QStringLiteral("s.sock"));
    QCOMPARE(aufrufen({QStringLiteral("--help")}, sockel).code, 0);
    Aufruf a = aufrufen({}, sockel);
    QCOMPARE(a.code, 2);
    QVERIFY(a.ausgabe.contains(QStringLiteral("Aufruf: morvanto-video")));

#ifdef Q_OS_WIN
    // Windows finds the Qt DLLs on PATH too; no mpv.exe is on it here.
    a = aufrufen({QStringLiteral("video.mp4")}, sockel,
                 privat.path() + QLatin1Char(';') + qEnvironmentVariable("PATH"));
#else
    a = aufrufen({QStringLiteral("video.mp4")}, sockel, privat.path());
#endif
    QCOMPARE(a.code, 127);
    QVERIFY2(a.ausgabe.contains(QStringLiteral("mpv nicht zu starten")), qPrintable(a.ausgabe));

#ifndef Q_OS_WIN // folder modes: the access lists are tested in tst_plattformwindows
    QTemporaryDir offen;
    QVERIFY(QFile::setPermissions(offen.path(), QFile::permissions(offen.path()) |
                                                    QFileDevice::ReadOther |
                                                    QFileDevice::ExeOther));
    a = aufrufen({QStringLiteral("video.mp4")}, offen.filePath(QStringLiteral("s.sock")));
    QCOMPARE(a.code, 1);
    QVERIFY2(a.ausgabe.contains(QStringLiteral("nicht privat")), qPrintable(a.ausgabe));
    QVERIFY(QDir(offen.path()).isEmpty());
#endif
}

// A second player would take the first one's socket from under Morvanto.
void TstVideoStart::zweiterSpielerAbgewiesen()
{
    SPIELER_ODER_UEBERSPRINGEN();
    TestSpieler spieler(QStringLiteral(MORVANTO_VIDEO_PROGRAMM));
    QString ausgabe;
    QVERIFY2(spieler.starten(&ausgabe), qPrintable(ausgabe));
    const Aufruf a = aufrufen({QStringLiteral("--vo=null"), QStringLiteral("av://lavfi:testsrc")},
                              spieler.sockel());
    QCOMPARE(a.code, 1);
    QVERIFY2(a.ausgabe.contains(QStringLiteral("schon")), qPrintable(a.ausgabe));
    QVERIFY(spieler.position() >= 0);
    spieler.beenden();
    QCOMPARE(spieler.prozess.exitCode(), 0);
}

QTEST_GUILESS_MAIN(TstVideoStart)
#include "tst_videostart.moc"
