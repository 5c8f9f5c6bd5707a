// Saving where the rater may write the file but not the folder. Run by an unprivileged
// user (root ignores permissions): as "nobody" through setpriv when the test runs as root.
// The in-place write keeps the old content in the user's data folder first; a kill while it
// writes, the writer slowed down by strace, must find it complete there.
#include "journalfund.h"
#include "plattform.h"
#include "testdateien.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>

#include <sys/stat.h>

namespace {

// Longer than the new content and different from its first line on: a kill between the
// write and the truncation leaves both.
const QByteArray altInhalt = verlaufZeilen(QStringLiteral("k17"), QStringLiteral("elmaro_alt"), 4);
const QByteArray neuInhalt = verlaufZeilen(QStringLiteral("k17"), QStringLiteral("elmaro"), 2);

ino_t inode(const QString &pfad)
{
    struct stat s = {};
    return ::stat(QFile::encodeName(pfad).constData(), &s) == 0 ? s.st_ino : 0;
}

} // namespace

class TstSchreibrechte : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void beschreibbareDateiImGeschuetztenOrdner();
    void neueDateiImGeschuetztenOrdner();
    void sonstBleibtEsAtomar();
    void journalNichtZuEntfernenWirdNichtMehrAngeboten();
    void abbruchBeimSchreibenAmOrtVerliertNichts_data();
    void abbruchBeimSchreibenAmOrtVerliertNichts();

private:
    // The helper saving to pfad without privileges, its writes slowed down when asked; in a
    // session of its own, so that a kill reaches the tracer and the saver alike.
    void starten(QProcess &p, const QString &pfad, const QString &verzoegerung = QString(),
                 const QString &auftrag = QStringLiteral("speichern"));
    // The helper's one line ("gespeichert 1" or "gespeichert 0" after speichern).
    QByteArray speichernOhneRechte(const QString &pfad,
                                   const QString &auftrag = QStringLiteral("speichern"));
    QStringList kopien() const;
    QString ordnerMitDatei(const QString &name, QFile::Permissions ordnerRechte);

    QTemporaryDir basis;
    QString kind;
    QString datenOrdner;
};

void TstSchreibrechte::initTestCase()
{
    QVERIFY(basis.isValid());
    // The unprivileged user must reach the folders and the helper, wherever the build is.
    QVERIFY(QFile::setPermissions(basis.path(), QFile::ReadOwner | QFile::WriteOwner |
                                                    QFile::ExeOwner | QFile::ReadOther |
                                                    QFile::ExeOther));
    kind = basis.filePath(QStringLiteral("konsolenkind"));
    QVERIFY(QFile::copy(QStringLiteral(KONSOLENKIND), kind));
    QVERIFY(QFile::setPermissions(kind, QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther |
                                            QFile::ExeOther));
    if (Plattform::alsVerwalter() &&
        QStandardPaths::findExecutable(QStringLiteral("setpriv")).isEmpty())
        QFAIL("setpriv (util-linux) is needed to drop root's rights");
    datenOrdner = basis.filePath(QStringLiteral("daten"));
    QVERIFY(QDir().mkdir(datenOrdner));
    QVERIFY(QFile::setPermissions(datenOrdner, QFile::Permissions(0x7777)));
}

QStringList TstSchreibrechte::kopien() const
{
    return eintraege(datenOrdner + QStringLiteral("/morvanto/Kopien"));
}

// A folder with one session file in it that everybody may write.
QString TstSchreibrechte::ordnerMitDatei(const QString &name, QFile::Permissions ordnerRechte)
{
    const QString ordner = basis.filePath(name);
    const QString datei = ordner + QStringLiteral("/k17_elmaro_Verlauf.dat");
    if (!QDir().mkdir(ordner) || !dateiSchreiben(datei, altInhalt) ||
        !QFile::setPermissions(datei, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadOther |
                                          QFile::WriteOther) ||
        !QFile::setPermissions(ordner, ordnerRechte))
        return QString();
    return datei;
}

void TstSchreibrechte::starten(QProcess &p, const QString &pfad, const QString &verzoegerung,
                               const QString &auftrag)
{
    // A process group of its own (setsid keeps the pid), for the kill to reach the tracee.
    QStringList befehl{QStringLiteral("setsid")};
    if (!verzoegerung.isEmpty())
        befehl << QStringLiteral("strace") << QStringLiteral("-f") << QStringLiteral("-o")
               << QStringLiteral("/dev/null") << QStringLiteral("-e")
               << QStringLiteral("inject=write:%1=300ms").arg(verzoegerung);
    if (Plattform::alsVerwalter())
        befehl << QStringLiteral("setpriv") << QStringLiteral("--reuid=nobody")
               << QStringLiteral("--regid=nogroup") << QStringLiteral("--clear-groups");
    befehl << kind << auftrag << pfad;
    QProcessEnvironment umgebung = QProcessEnvironment::systemEnvironment();
    umgebung.insert(QStringLiteral("XDG_DATA_HOME"), datenOrdner);
    p.setProcessEnvironment(umgebung);
    p.start(befehl.takeFirst(), befehl);
}

QByteArray TstSchreibrechte::speichernOhneRechte(const QString &pfad, const QString &auftrag)
{
    QProcess p;
    starten(p, pfad, QString(), auftrag);
    if (!p.waitForFinished(10000) || p.exitCode() != 0)
        return "Abbruch: " + p.readAllStandardError();
    return p.readAllStandardOutput().trimmed();
}

void TstSchreibrechte::beschreibbareDateiImGeschuetztenOrdner()
{
    const QString datei = ordnerMitDatei(QStringLiteral("geschuetzt"),
                                         QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup |
                                             QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther);
    QVERIFY(!datei.isEmpty());
    const ino_t vorher = inode(datei);
    QCOMPARE(speichernOhneRechte(datei), QByteArray("gespeichert 1"));
    QCOMPARE(dateiInhalt(datei), neuInhalt);
    QCOMPARE(inode(datei), vorher);
    QCOMPARE(eintraege(QFileInfo(datei).path()),
             QStringList{QStringLiteral("k17_elmaro_Verlauf.dat")});
    QCOMPARE(kopien(), QStringList());
}

// After "Ende" in a folder that takes no change: the failure is reported, and the journal
// is marked so that no later start offers the saved session again.
void TstSchreibrechte::journalNichtZuEntfernenWirdNichtMehrAngeboten()
{
    const QString ordner =
        QFileInfo(ordnerMitDatei(QStringLiteral("journal"), QFile::ReadOwner | QFile::WriteOwner |
                                                                QFile::ExeOwner | QFile::ReadOther |
                                                                QFile::ExeOther))
            .path();
    const QString journal = ordner + QStringLiteral("/k17_elmaro_Journal.dat");
    QVERIFY(dateiSchreiben(journal, neuInhalt));
    qputenv("XDG_DATA_HOME", QFile::encodeName(datenOrdner));
    QCOMPARE(JournalFund::finden(ordner).size(), 1);
    QCOMPARE(speichernOhneRechte(journal, QStringLiteral("entfernen")), QByteArray("entfernt 0"));
    QVERIFY(QFile::exists(journal));
    QCOMPARE(JournalFund::finden(ordner).size(), 0);
    // The journal written again is a session of its own.
    QVERIFY(dateiSchreiben(journal, altInhalt));
    QCOMPARE(JournalFund::finden(ordner).size(), 1);
}

void TstSchreibrechte::abbruchBeimSchreibenAmOrtVerliertNichts_data()
{
    // Before the write is made, or after it and before the old tail is cut off.
    QTest::addColumn<bool>("imSchreiben");
    QTest::addColumn<QString>("verzoegerung");
    QTest::newRow("Kopie fertig, Datei noch nicht angefangen")
        << false << QStringLiteral("delay_enter");
    QTest::newRow("mitten im Schreiben") << true << QStringLiteral("delay_exit");
}

void TstSchreibrechte::abbruchBeimSchreibenAmOrtVerliertNichts()
{
    QFETCH(bool, imSchreiben);
    QFETCH(QString, verzoegerung);
    if (QStandardPaths::findExecutable(QStringLiteral("strace")).isEmpty())
        QFAIL("strace is needed to slow down the writer");
    const QString datei =
        ordnerMitDatei(QLatin1String(QTest::currentDataTag()).left(5),
                       QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther);
    QVERIFY(!datei.isEmpty());
    QProcess p;
    starten(p, datei, verzoegerung);
    QVERIFY(p.waitForStarted());
    const auto soweit = [&] {
        return imSchreiben ? dateiInhalt(datei) != altInhalt : !kopien().isEmpty();
    };
    // Polled closely: each slowed write leaves only its own delay to catch it.
    QElapsedTimer warten;
    warten.start();
    while (!soweit() && p.state() != QProcess::NotRunning && !warten.hasExpired(20000))
        p.waitForFinished(2);
    ::kill(-pid_t(p.processId()), SIGKILL);
    QVERIFY(p.waitForFinished());
    QVERIFY(p.exitStatus() == QProcess::CrashExit);

    const QStringList kopie = kopien();
    QCOMPARE(kopie.size(), 1);
    QCOMPARE(dateiInhalt(datenOrdner + QStringLiteral("/morvanto/Kopien/") + kopie.first()),
             altInhalt);
    const QByteArray jetzt = dateiInhalt(datei);
    QCOMPARE(jetzt.startsWith(neuInhalt), imSchreiben);
    QCOMPARE(jetzt.size(), altInhalt.size());
    QVERIFY(QFile::remove(datenOrdner + QStringLiteral("/morvanto/Kopien/") + kopie.first()));
}

void TstSchreibrechte::neueDateiImGeschuetztenOrdner()
{
    const QString datei = ordnerMitDatei(QStringLiteral("neu"),
                                         QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup |
                                             QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther);
    QVERIFY(!datei.isEmpty());
    const QString andere = QFileInfo(datei).path() + QStringLiteral("/k18_elmaro_Verlauf.dat");
    QCOMPARE(speichernOhneRechte(andere), QByteArray("gespeichert 0"));
    QVERIFY(!QFile::exists(andere));
    QCOMPARE(dateiInhalt(datei), altInhalt);
}

// Where the folder may be written, the file is replaced as a whole (a new inode), never
// rewritten in place.
void TstSchreibrechte::sonstBleibtEsAtomar()
{
    const QString datei = ordnerMitDatei(
        QStringLiteral("offen"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                     QFile::ReadOther | QFile::WriteOther | QFile::ExeOther);
    QVERIFY(!datei.isEmpty());
    const ino_t vorher = inode(datei);
    QCOMPARE(speichernOhneRechte(datei), QByteArray("gespeichert 1"));
    QCOMPARE(dateiInhalt(datei), neuInhalt);
    QVERIFY(inode(datei) != vorher);
    QCOMPARE(eintraege(QFileInfo(datei).path()),
             QStringList{QStringLiteral("k17_elmaro_Verlauf.dat")});
}

QTEST_GUILESS_MAIN(TstSchreibrechte)
#include "tst_schreibrechte.moc"
