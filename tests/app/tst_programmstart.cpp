#include "fenstersymbol.h"
#include "menuestart.h"
#include "testdateien.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <vector>

// How the console starts: from the menu into the session folder, from a terminal where it is.
class TestProgrammstart : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void optionEntnehmen_data();
    void optionEntnehmen();
    void menueEintragGibtDieOptionMit();
    void ordnerWirdAngelegtUndBetreten();
    void vorhandenerOrdnerBleibtUnberuehrt();
    void dateiStattOrdnerLaesstDasVerzeichnis();
    void fenstersymbol();

private:
    QString altesVerzeichnis;
};

void TestProgrammstart::init()
{
    altesVerzeichnis = QDir::currentPath();
}

void TestProgrammstart::cleanup()
{
    QDir::setCurrent(altesVerzeichnis);
}

void TestProgrammstart::optionEntnehmen_data()
{
    QTest::addColumn<QStringList>("argumente");
    QTest::addColumn<bool>("ausDemMenue");
    QTest::addColumn<QStringList>("fuerQt");

    QTest::newRow("Terminal ohne Argumente") << QStringList{} << false << QStringList{};
    QTest::newRow("Terminal mit Qt-Argumenten")
        << QStringList{"-platform", "offscreen"} << false << QStringList{"-platform", "offscreen"};
    QTest::newRow("Menü") << QStringList{"--menue"} << true << QStringList{};
    QTest::newRow("Menü zwischen Qt-Argumenten")
        << QStringList{"-style", "fusion", "--menue", "-platform", "xcb"} << true
        << QStringList{"-style", "fusion", "-platform", "xcb"};
    QTest::newRow("nur das ganze Wort") << QStringList{"--menuex", "--menue=1", "-menue"} << false
                                        << QStringList{"--menuex", "--menue=1", "-menue"};
}

void TestProgrammstart::optionEntnehmen()
{
    QFETCH(QStringList, argumente);
    QFETCH(bool, ausDemMenue);
    QFETCH(QStringList, fuerQt);

    std::vector<QByteArray> texte{"morvanto"};
    for (const QString &a : argumente)
        texte.push_back(a.toLocal8Bit());
    std::vector<char *> argv;
    for (QByteArray &t : texte)
        argv.push_back(t.data());
    argv.push_back(nullptr);
    int argc = int(texte.size());

    QCOMPARE(MenueStart::optionEntnehmen(argc, argv.data()), ausDemMenue);
    QStringList rest;
    for (int i = 1; i < argc; ++i)
        rest << QString::fromLocal8Bit(argv[i]);
    QCOMPARE(rest, fuerQt);
    QCOMPARE(QByteArray(argv[0]), QByteArray("morvanto"));
    QVERIFY(argv[argc] == nullptr);
}

// The menu entry and the program must agree on the option, or a menu start would silently
// write into whatever folder the desktop happens to start programs in.
void TestProgrammstart::menueEintragGibtDieOptionMit()
{
    QFile eintrag(QStringLiteral(MORVANTO_MENUEEINTRAG));
    QVERIFY(eintrag.open(QIODevice::ReadOnly | QIODevice::Text));
    QStringList exec;
    while (!eintrag.atEnd()) {
        const QString zeile = QString::fromUtf8(eintrag.readLine()).trimmed();
        if (zeile.startsWith(QLatin1String("Exec=")))
            exec << zeile.mid(5);
    }
    QCOMPARE(exec, QStringList{"morvanto " + MenueStart::option()});
}

void TestProgrammstart::ordnerWirdAngelegtUndBetreten()
{
    QTemporaryDir heim;
    QString fehler;
    QVERIFY(MenueStart::ordnerEinrichten(heim.path(), fehler));
    QVERIFY(fehler.isEmpty());
    const QString ordner = QDir(heim.path()).filePath(MenueStart::ordnerName());
    QCOMPARE(QDir::currentPath(), QDir(ordner).canonicalPath());
    QVERIFY(QFileInfo(ordner).isDir());
}

void TestProgrammstart::vorhandenerOrdnerBleibtUnberuehrt()
{
    QTemporaryDir heim;
    const QString ordner = QDir(heim.path()).filePath(MenueStart::ordnerName());
    QVERIFY(QDir().mkpath(ordner));
    QVERIFY(dateiSchreiben(ordner + "/k17_elmaro_Verlauf.dat", "00:00.000\t0\n"));

    QString fehler;
    QVERIFY(MenueStart::ordnerEinrichten(heim.path(), fehler));
    QCOMPARE(QDir::currentPath(), QDir(ordner).canonicalPath());
    QCOMPARE(dateiInhalt("k17_elmaro_Verlauf.dat"), QByteArray("00:00.000\t0\n"));
}

void TestProgrammstart::dateiStattOrdnerLaesstDasVerzeichnis()
{
    QTemporaryDir heim;
    const QString ordner = QDir(heim.path()).filePath(MenueStart::ordnerName());
    QVERIFY(dateiSchreiben(ordner, "kein Ordner"));
    const QString vorher = QDir::currentPath();

    QString fehler;
    QVERIFY(!MenueStart::ordnerEinrichten(heim.path(), fehler));
    QVERIFY2(fehler.contains(ordner), qPrintable(fehler));
    QCOMPARE(QDir::currentPath(), vorher);
    QCOMPARE(dateiInhalt(ordner), QByteArray("kein Ordner"));
}

// The pixels are read without a decoder: a wrong byte order or a missing resource would show
// a blank or miscoloured icon without any error.
void TestProgrammstart::fenstersymbol()
{
    const QIcon symbol = fensterSymbol();
    QVERIFY(!symbol.isNull());
    QCOMPARE(symbol.availableSizes(), QList<QSize>{QSize(48, 48)});
    const QImage bild = symbol.pixmap(48, 48).toImage();
    QCOMPARE(bild.pixelColor(0, 0).alpha(), 0);          // transparent corner
    QCOMPARE(bild.pixelColor(24, 8), QColor(Qt::white)); // the watch's crown
    const QColor grund = bild.pixelColor(6, 40);         // dark blue background beside the watch
    QVERIFY2(grund.blue() > grund.red() && grund.alpha() == 255, qPrintable(grund.name()));
}

QTEST_MAIN(TestProgrammstart)
#include "tst_programmstart.moc"
