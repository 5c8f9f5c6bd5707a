#include "debugmitschnitt.h"
#include "infospeichern.h"
#include "skriptrueckfrage.h"
#include "testdateien.h"
#include "wanduhr.h"

#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

class TestInfoSpeichern : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void schreibtGenauDieseBytes_data();
    void schreibtGenauDieseBytes();
    void ohneInfoDaten();
    void systemuhr();
    void lesenNichtImplementiert();
    void namenAusserhalbLatin1();

private:
    QByteArray speichern(InfoSpeichern &speicher, const QString &klient, const QString &rater);

    std::unique_ptr<QTemporaryDir> verzeichnis_;
    QString altesArbeitsverzeichnis_;
    const FesteWanduhr uhr_{QDateTime(QDate(2003, 6, 16), QTime(9, 30, 5, 999))};
    const Wanduhr *alteUhr_ = nullptr;
};

void TestInfoSpeichern::init()
{
    verzeichnis_ = std::make_unique<QTemporaryDir>();
    QVERIFY(verzeichnis_->isValid());
    altesArbeitsverzeichnis_ = QDir::currentPath();
    QVERIFY(QDir::setCurrent(verzeichnis_->path()));
    alteUhr_ = Wanduhr::einsetzen(&uhr_);
}

void TestInfoSpeichern::cleanup()
{
    Wanduhr::einsetzen(alteUhr_);
    QDir::setCurrent(altesArbeitsverzeichnis_);
    verzeichnis_.reset();
}

// Saves under the saver's own name and returns the bytes written.
QByteArray TestInfoSpeichern::speichern(InfoSpeichern &speicher, const QString &klient,
                                        const QString &rater)
{
    const QString name = speicher.DateiName(klient, rater);
    if (!speicher.DateiSpeichern(name, QStringLiteral("Rating Verlauf")))
        return QByteArray("<nicht gespeichert>");
    return dateiInhalt(name);
}

void TestInfoSpeichern::schreibtGenauDieseBytes_data()
{
    QTest::addColumn<bool>("weitergefuehrt");
    QTest::addColumn<bool>("pause");
    QTest::addColumn<QByteArray>("schluss");
    QTest::newRow("weder noch") << false << false
                                << QByteArray("Weitergefuehrte Session:\tnein\nPause gedr\xfc"
                                              "ckt:\tnein\n");
    QTest::newRow("weitergefuehrt") << true << false
                                    << QByteArray("Weitergefuehrte Session:\tja\nPause gedr\xfc"
                                                  "ckt:\tnein\n");
    QTest::newRow("pausiert") << false << true
                              << QByteArray("Weitergefuehrte Session:\tnein\nPause gedr\xfc"
                                            "ckt:\tja\n");
}

void TestInfoSpeichern::schreibtGenauDieseBytes()
{
    QFETCH(bool, weitergefuehrt);
    QFETCH(bool, pause);
    QFETCH(QByteArray, schluss);
    InfoSpeichern speicher;
    speicher.InfoDatenSetzen(QStringLiteral("2"), QStringLiteral("32.88"), Zeitpunkt(1, 10.003),
                             weitergefuehrt, pause);
    DebugMitschnitt mitschnitt;
    QCOMPARE(speichern(speicher, QStringLiteral("K17"), QStringLiteral("elmaro")),
             QByteArray("Klient:\tK17\nRater:\telmaro\nDatum:\tMon Jun 16 2003\nZeit:\t09:30:05\n"
                        "letzte Sinneinheit bei:\t01:10.003\nAnzahl Sinneinheiten:\t2\n"
                        "Dauer mittlerer Sinneinheit:\t32.88\n") +
                 schluss);
    QCOMPARE(DebugMitschnitt::zeilen(), QStringList{QStringLiteral("overridden virtual")});
    QCOMPARE(eintraege(verzeichnis_->path()), QStringList{QStringLiteral("K17_elmaro_Info.dat")});
}

void TestInfoSpeichern::ohneInfoDaten()
{
    InfoSpeichern speicher;
    QCOMPARE(speichern(speicher, QString(), QString()),
             QByteArray("Klient:\t\nRater:\t\nDatum:\tMon Jun 16 2003\nZeit:\t09:30:05\n"
                        "letzte Sinneinheit bei:\t00:00.000\nAnzahl Sinneinheiten:\t\n"
                        "Dauer mittlerer Sinneinheit:\t\nWeitergefuehrte Session:\tnein\n"
                        "Pause gedr\xfc"
                        "ckt:\tnein\n"));
    QCOMPARE(eintraege(verzeichnis_->path()), QStringList{QStringLiteral("__Info.dat")});
}

void TestInfoSpeichern::systemuhr()
{
    Wanduhr::einsetzen(nullptr);
    InfoSpeichern speicher;
    const QDateTime vorher = QDateTime::currentDateTime();
    const QStringList zeilen =
        QString::fromLatin1(speichern(speicher, QStringLiteral("k17"), QStringLiteral("elmaro")))
            .split(QLatin1Char('\n'));
    const QDateTime nachher = QDateTime::currentDateTime();
    QCOMPARE(zeilen.size(), 10);
    const QStringList datum{QStringLiteral("Datum:\t") + vorher.date().toString(),
                            QStringLiteral("Datum:\t") + nachher.date().toString()};
    QVERIFY2(datum.contains(zeilen[2]), qPrintable(zeilen[2]));
    QVERIFY2(QRegularExpression(QStringLiteral("^Zeit:\t\\d\\d:\\d\\d:\\d\\d$"))
                 .match(zeilen[3])
                 .hasMatch(),
             qPrintable(zeilen[3]));
}

void TestInfoSpeichern::lesenNichtImplementiert()
{
    InfoSpeichern speicher;
    speicher.InfoDatenSetzen(QStringLiteral("2"), QStringLiteral("32.88"), Zeitpunkt(1, 10.003),
                             true, true);
    const QByteArray geschrieben =
        speichern(speicher, QStringLiteral("k17"), QStringLiteral("elmaro"));

    DebugMitschnitt mitschnitt;
    QVERIFY(speicher.DateiLesen(QStringLiteral("k17_elmaro_Info.dat"),
                                QStringLiteral("Rating Verlauf")));
    QCOMPARE(DebugMitschnitt::zeilen(),
             QStringList{QStringLiteral(
                 "overridden virtual, aber nicht implementiert, weil nicht gebraucht!")});
    QCOMPARE(speichern(speicher, QStringLiteral("k17"), QStringLiteral("elmaro")), geschrieben);
}

void TestInfoSpeichern::namenAusserhalbLatin1()
{
    InfoSpeichern speicher;
    const QByteArray anfang("Klient:\tk?17\nRater:\tJ\xfcrgen\n");
    QCOMPARE(
        speichern(speicher, QStringLiteral("k€17"), QStringLiteral("Jürgen")).left(anfang.size()),
        anfang);
    QVERIFY(QFile::exists(QStringLiteral("k€17_Jürgen_Info.dat")));
}

QTEST_MAIN(TestInfoSpeichern)
#include "tst_infospeichern.moc"
