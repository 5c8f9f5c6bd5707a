#include "dateigroessengrenze.h"
#include "einschaetzung.h"
#include "testdateien.h"
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
    void keineQtWarnung_data();
    void keineQtWarnung();
    void standardausgabeVoll();
    void bildAufVollemDatentraeger();

private:
    int starten(const QStringList &argumente, QByteArray *aus = nullptr,
                QByteArray *fehler = nullptr, const QString &ausgabeDatei = QString());

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

int TestProgramm::starten(const QStringList &argumente, QByteArray *aus, QByteArray *fehler,
                          const QString &ausgabeDatei)
{
    // As from a root shell, ssh or cron: no display, no login session.
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "XDG_RUNTIME_DIR"})
        env.remove(QString::fromLatin1(name));
    env.insert(QStringLiteral("LANG"), QStringLiteral("de_DE.UTF-8"));
    env.insert(QStringLiteral("LC_ALL"), QStringLiteral("de_DE.UTF-8"));
    QProcess p;
    p.setProcessEnvironment(env);
    if (!ausgabeDatei.isEmpty())
        p.setStandardOutputFile(ausgabeDatei);
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
    // A shift that leaves nothing to compare is a wrong call, not a damaged file.
    QCOMPARE(starten({QStringLiteral("uebereinstimmung"), QStringLiteral("--versatz"),
                      QStringLiteral("5000"), a_, b_},
                     &aus, &fehler),
             2);
    const QString png = dir_.filePath(QStringLiteral("bild_Verlauf.dat"));
    QVERIFY(dateiSchreiben(png, QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR\0\0\0\x10", 20)));
    QCOMPARE(starten({QStringLiteral("sequenzen"), png}, &aus, &fehler), 1);
    QVERIFY2(fehler.contains("ist ein PNG-Bild, keine Verlaufsdatei"), fehler.constData());
}

void TestProgramm::keineQtWarnung_data()
{
    QTest::addColumn<QStringList>("argumente");
    QTest::addColumn<int>("rueckgabe");
    const QString o = dir_.filePath(QStringLiteral("aus"));
    QTest::newRow("zusammenfassung") << QStringList{"zusammenfassung", a_} << 0;
    QTest::newRow("uebereinstimmung") << QStringList{"uebereinstimmung", a_, b_} << 0;
    QTest::newRow("studie") << QStringList{"studie", "--csv", a_, b_} << 2; // no client pairs
    QTest::newRow("sequenzen") << QStringList{"sequenzen", a_, b_} << 0;
    QTest::newRow("zeitleiste") << QStringList{"zeitleiste", a_, b_, "-o", o + ".png"} << 0;
#ifdef MORVANTO_SVG
    QTest::newRow("zeitleiste SVG") << QStringList{"zeitleiste", a_, "-o", o + ".svg"} << 0;
#else
    QTest::newRow("zeitleiste SVG abgelehnt")
        << QStringList{"zeitleiste", a_, "-o", o + ".svg"} << 1;
#endif
    QTest::newRow("bericht") << QStringList{"bericht", a_, b_, "-o", o + ".pdf"} << 0;
    QTest::newRow("falscher Aufruf") << QStringList{"zeitleiste", a_, "-o", o + ".jpg"} << 2;
    QTest::newRow("fehlende Datei") << QStringList{"zeitleiste", o, "-o", o + ".png"} << 1;
}

void TestProgramm::keineQtWarnung()
{
    // Standard error carries the program's own words only: no warning of the graphics about
    // a missing runtime folder or display, for any command.
    QFETCH(QStringList, argumente);
    QFETCH(int, rueckgabe);
    QByteArray fehler;
    QCOMPARE(starten(argumente, nullptr, &fehler), rueckgabe);
    for (const QByteArray &zeile : fehler.split('\n')) {
        if (!zeile.isEmpty())
            QVERIFY2(zeile.startsWith("morvanto-auswertung:") || zeile.startsWith("Hilfe:"),
                     fehler.constData());
    }
    if (rueckgabe == 0)
        QVERIFY2(fehler.isEmpty(), fehler.constData());
}

void TestProgramm::standardausgabeVoll()
{
    QByteArray fehler;
    QCOMPARE(starten({QStringLiteral("uebereinstimmung"), a_, b_}, nullptr, &fehler,
                     QStringLiteral("/dev/full")),
             1);
    QVERIFY2(fehler.contains("Standardausgabe kann nicht geschrieben werden"), fehler.constData());
}

void TestProgramm::bildAufVollemDatentraeger()
{
    // The program itself in a shell whose file size is limited, as on a full disk: the
    // picture of before stays, and the exit code says that writing failed.
    VOLLE_PLATTE_ODER_UEBERSPRINGEN(true);
    const QString png = dir_.filePath(QStringLiteral("voll.png"));
    QVERIFY(dateiSchreiben(png, "vorher"));
    QProcess p;
    p.start(QStringLiteral("/bin/sh"), {QStringLiteral("-c"),
                                        QStringLiteral("trap '' XFSZ; ulimit -f 8; exec \"$0\" "
                                                       "zeitleiste \"$1\" \"$2\" -o \"$3\""),
                                        QStringLiteral(MORVANTO_AUSWERTUNG), a_, b_, png});
    QVERIFY(p.waitForFinished(60000));
    QCOMPARE(p.exitCode(), 1);
    QVERIFY2(p.readAllStandardError().contains(": kann nicht geschrieben werden"), "Meldung");
    QCOMPARE(dateiInhalt(png), QByteArray("vorher"));
}

QTEST_GUILESS_MAIN(TestProgramm)
#include "tst_programm.moc"
