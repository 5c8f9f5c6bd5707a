// Saving where the rater may write the file but not the folder. Run by an unprivileged
// user (root ignores permissions): as "nobody" through setpriv when the test runs as root.
#include "plattform.h"
#include "testdateien.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

namespace {

const QByteArray altInhalt("alt\n");
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

private:
    // "gespeichert 1" or "gespeichert 0" from the helper saving to pfad without privileges.
    QByteArray speichernOhneRechte(const QString &pfad);
    QString ordnerMitDatei(const QString &name, QFile::Permissions ordnerRechte);

    QTemporaryDir basis;
    QString kind;
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

QByteArray TstSchreibrechte::speichernOhneRechte(const QString &pfad)
{
    QProcess p;
    if (Plattform::alsVerwalter())
        p.start(QStringLiteral("setpriv"),
                {QStringLiteral("--reuid=nobody"), QStringLiteral("--regid=nogroup"),
                 QStringLiteral("--clear-groups"), kind, QStringLiteral("speichern"), pfad});
    else
        p.start(kind, {QStringLiteral("speichern"), pfad});
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
