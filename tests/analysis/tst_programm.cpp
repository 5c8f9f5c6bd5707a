#include "einschaetzung.h"
#include "testsitzung.h"

#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

// The installed program as a shell calls it: no display, a German locale.
class TestProgramm : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void zeitleisteOhneBildschirm();
    void deutscheLocaleAendertKeineZahl();
    void rueckgabewerte();

private:
    int starten(const QStringList &argumente, QByteArray *aus = nullptr,
                QByteArray *fehler = nullptr);

    QTemporaryDir dir_;
    QString a_;
    QString b_;
};

void TestProgramm::initTestCase()
{
    a_ = dir_.filePath(QStringLiteral("a_Verlauf.dat"));
    b_ = dir_.filePath(QStringLiteral("b_Verlauf.dat"));
    QVERIFY(testDateiSchreiben(a_, testVerlauf({{1.5, TL}, {4.25, KL}, {9.125, TNL}})));
    QVERIFY(testDateiSchreiben(b_, testVerlauf({{1.75, TL}, {4.5, KNL}, {9.5, TNL}})));
}

int TestProgramm::starten(const QStringList &argumente, QByteArray *aus, QByteArray *fehler)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        env.remove(QString::fromLatin1(name));
    env.insert(QStringLiteral("LANG"), QStringLiteral("de_DE.UTF-8"));
    env.insert(QStringLiteral("LC_ALL"), QStringLiteral("de_DE.UTF-8"));
    QProcess p;
    p.setProcessEnvironment(env);
    p.start(QStringLiteral(MORVANTO_AUSWERTUNG), argumente);
    if (!p.waitForFinished(60000))
        return -1;
    if (aus)
        *aus = p.readAllStandardOutput();
    if (fehler)
        *fehler = p.readAllStandardError();
    return p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
}

void TestProgramm::zeitleisteOhneBildschirm()
{
    const QString png = dir_.filePath(QStringLiteral("z.png"));
    QByteArray fehler;
    QCOMPARE(starten({QStringLiteral("zeitleiste"), a_, b_, QStringLiteral("-o"), png}, nullptr,
                     &fehler),
             0);
    QVERIFY2(!QImage(png).isNull(), fehler.constData());
}

void TestProgramm::deutscheLocaleAendertKeineZahl()
{
    QByteArray aus;
    QCOMPARE(starten({QStringLiteral("zusammenfassung"), QStringLiteral("--csv"), a_}, &aus), 0);
    const QString text = QString::fromUtf8(aus);
    QVERIFY2(text.contains(QLatin1String(",3,9.125,3.042,1,1.500,0.164384,")), aus.constData());

    QCOMPARE(starten({QStringLiteral("uebereinstimmung"), a_, b_}, &aus), 0);
    QVERIFY(QString::fromUtf8(aus).contains(QStringLiteral("Prozentuale Übereinstimmung:")));
    QVERIFY(!QString::fromUtf8(aus).contains(QRegularExpression(QStringLiteral("\\d,\\d"))));
}

void TestProgramm::rueckgabewerte()
{
    QByteArray aus;
    QByteArray fehler;
    QCOMPARE(starten({QStringLiteral("--help")}, &aus), 0);
    QVERIFY(aus.startsWith("Aufruf:"));
    QCOMPARE(starten({QStringLiteral("zusammenfassung"), dir_.filePath(QStringLiteral("x"))}, &aus,
                     &fehler),
             1);
    QVERIFY(aus.isEmpty());
    QCOMPARE(starten({QStringLiteral("zusammenfassen"), a_}, &aus, &fehler), 2);
}

QTEST_GUILESS_MAIN(TestProgramm)
#include "tst_programm.moc"
