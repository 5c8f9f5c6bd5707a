#include "debugmitschnitt.h"
#include "skriptrueckfrage.h"
#include "testdateien.h"
#include "verlauf.h"
#include "verlaufspeichern.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace {

// The start entry, 0:04.250 client solution-focused, 1:10.003 therapist solution-focused.
void beispielFuellen(Verlauf &v)
{
    v.eintragen(Zeitpunkt(0, 4.25), 4);
    v.eintragen(Zeitpunkt(1, 10.003), 1);
}

const QByteArray beispielDatei("00:00.000\t0\t0\t0\tk17\telmaro\t0\t0\t0\n"
                               "00:04.250\t4\t0\t4.25\tk17\telmaro\t0\t4\t250\n"
                               "01:10.003\t1\t4\t65.753\tk17\telmaro\t1\t10\t3\n");

} // namespace

class TestVerlaufSpeichern : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void dateiName_data();
    void dateiName();
    void schreibtGenauDieseBytes();
    void liestZurueck();
    void unlesbarerInhaltGiltAlsGelesen();
    void lesefehlerDesGeraets();
    void zweitesSpeichernErsetztGanz();
    void namenAusserhalbLatin1_data();
    void namenAusserhalbLatin1();

private:
    bool speichern(Verlauf &v, const QString &klient, const QString &rater);
    bool lesen(Verlauf &v, const QString &klient, const QString &rater);

    Verlauf::Lesestopp speicherLesestopp;
    std::unique_ptr<QTemporaryDir> verzeichnis_;
    QString altesArbeitsverzeichnis_;
};

void TestVerlaufSpeichern::init()
{
    verzeichnis_ = std::make_unique<QTemporaryDir>();
    QVERIFY(verzeichnis_->isValid());
    altesArbeitsverzeichnis_ = QDir::currentPath();
    QVERIFY(QDir::setCurrent(verzeichnis_->path()));
}

void TestVerlaufSpeichern::cleanup()
{
    QDir::setCurrent(altesArbeitsverzeichnis_);
    verzeichnis_.reset();
}

// As the main window does it: bare names in the working directory.
bool TestVerlaufSpeichern::speichern(Verlauf &v, const QString &klient, const QString &rater)
{
    VerlaufSpeichern speicher;
    speicher.verlauf = &v;
    return speicher.DateiSpeichern(speicher.DateiName(klient, rater),
                                   QStringLiteral("Rating Verlauf"));
}

bool TestVerlaufSpeichern::lesen(Verlauf &v, const QString &klient, const QString &rater)
{
    VerlaufSpeichern speicher;
    speicher.verlauf = &v;
    const bool ok =
        speicher.DateiLesen(speicher.DateiName(klient, rater), QStringLiteral("Rating Verlauf"));
    speicherLesestopp = speicher.lesestopp;
    return ok;
}

void TestVerlaufSpeichern::dateiName_data()
{
    QTest::addColumn<QString>("klient");
    QTest::addColumn<QString>("rater");
    QTest::addColumn<QString>("name");
    QTest::newRow("Beispiel") << "k17"
                              << "elmaro"
                              << "k17_elmaro_Verlauf.dat";
    QTest::newRow("Grossbuchstaben bleiben") << "K17"
                                             << "Elmaro"
                                             << "K17_Elmaro_Verlauf.dat";
    QTest::newRow("Rater leer") << "k17"
                                << ""
                                << "k17__Verlauf.dat";
    QTest::newRow("beide leer") << ""
                                << ""
                                << "__Verlauf.dat";
}

void TestVerlaufSpeichern::dateiName()
{
    QFETCH(QString, klient);
    QFETCH(QString, rater);
    QFETCH(QString, name);
    VerlaufSpeichern speicher;
    QCOMPARE(speicher.DateiName(klient, rater), name);
}

void TestVerlaufSpeichern::schreibtGenauDieseBytes()
{
    Verlauf v;
    beispielFuellen(v);
    DebugMitschnitt mitschnitt;
    QVERIFY(speichern(v, QStringLiteral("k17"), QStringLiteral("elmaro")));
    QCOMPARE(dateiInhalt(QStringLiteral("k17_elmaro_Verlauf.dat")), beispielDatei);
    QCOMPARE(DebugMitschnitt::zeilen(),
             (QStringList{QStringLiteral("overridden virtual"),
                          QStringLiteral("VerlaufSpeichern::DatenSpeicherStream erfolgreich? 1")}));
    QCOMPARE(eintraege(verzeichnis_->path()),
             QStringList{QStringLiteral("k17_elmaro_Verlauf.dat")});
}

void TestVerlaufSpeichern::liestZurueck()
{
    Verlauf geschrieben;
    beispielFuellen(geschrieben);
    QVERIFY(speichern(geschrieben, QStringLiteral("k17"), QStringLiteral("elmaro")));

    Verlauf gelesen;
    gelesen.eintragen(Zeitpunkt(5, 0), 7);
    DebugMitschnitt mitschnitt;
    QVERIFY(lesen(gelesen, QStringLiteral("k17"), QStringLiteral("elmaro")));
    QCOMPARE(gelesen.eintraege(), geschrieben.eintraege());
    QCOMPARE(DebugMitschnitt::zeilen(),
             (QStringList{QStringLiteral("overridden virtual"),
                          QStringLiteral("VerlaufSpeichern::DatenLeseStream erfolgreich? 1")}));
}

void TestVerlaufSpeichern::unlesbarerInhaltGiltAlsGelesen()
{
    QVERIFY(dateiSchreiben(QStringLiteral("k17_elmaro_Verlauf.dat"),
                           "00:04.250\t4\t0\t4.25\tk17\telmaro\t0\t4\t250\nQuatsch\n"));
    Verlauf v;
    DebugMitschnitt mitschnitt;
    SkriptRueckfrage rueckfrage;
    QVERIFY(lesen(v, QStringLiteral("k17"), QStringLiteral("elmaro")));
    QVERIFY(rueckfrage.texte().isEmpty());
    QCOMPARE(v.size(), 1);
    QCOMPARE(DebugMitschnitt::zeilen().last(),
             QStringLiteral("VerlaufSpeichern::DatenLeseStream erfolgreich? 0"));
    QCOMPARE(speicherLesestopp.zeile, 2);
    QVERIFY(speicherLesestopp.unvollstaendig);
}

// The device fails the read (EIO: a process's own memory at address 0). To the text stream
// that is just the end of the file, and the history would silently stay empty.
void TestVerlaufSpeichern::lesefehlerDesGeraets()
{
    QVERIFY(
        QFile::link(QStringLiteral("/proc/self/mem"), QStringLiteral("k17_elmaro_Verlauf.dat")));
    Verlauf v;
    DebugMitschnitt mitschnitt;
    SkriptRueckfrage rueckfrage({1, 0});
    QVERIFY(!lesen(v, QStringLiteral("k17"), QStringLiteral("elmaro")));
    const QString text =
        erwarteterPromptText(QStringLiteral("lesen"), QStringLiteral("k17_elmaro_Verlauf.dat"),
                             QStringLiteral("SCHLIESSEN"));
    QCOMPARE(rueckfrage.texte(), QStringList({text, text}));
    QCOMPARE(DebugMitschnitt::anzahl(
                 QStringLiteral("ERROR reading or closing file k17_elmaro_Verlauf.dat")),
             2);
}

void TestVerlaufSpeichern::zweitesSpeichernErsetztGanz()
{
    Verlauf lang;
    beispielFuellen(lang);
    QVERIFY(speichern(lang, QStringLiteral("k17"), QStringLiteral("elmaro")));
    Verlauf kurz;
    QVERIFY(speichern(kurz, QStringLiteral("k17"), QStringLiteral("elmaro")));
    QCOMPARE(dateiInhalt(QStringLiteral("k17_elmaro_Verlauf.dat")),
             QByteArray("00:00.000\t0\t0\t0\tk17\telmaro\t0\t0\t0\n"));
}

void TestVerlaufSpeichern::namenAusserhalbLatin1_data()
{
    QTest::addColumn<QString>("rater");
    QTest::addColumn<QByteArray>("feld");
    QTest::newRow("Umlaut ist Latin-1") << QStringLiteral("Jürgen") << QByteArray("J\xfcrgen");
    QTest::newRow("polnisches L") << QStringLiteral("Łucja") << QByteArray("?ucja");
    QTest::newRow("Euro") << QStringLiteral("k€17") << QByteArray("k?17");
    QTest::newRow("ausserhalb der BMP") << QStringLiteral("a\U0001F600b") << QByteArray("a?b");
    QTest::newRow("Leerzeichen anderer Schrift") << QStringLiteral("a\u3000b") << QByteArray("a?b");
}

// The file keeps the name as typed; inside, a character Latin-1 lacks becomes one "?",
// so the name stays one word and the file reads back.
void TestVerlaufSpeichern::namenAusserhalbLatin1()
{
    QFETCH(QString, rater);
    QFETCH(QByteArray, feld);
    Verlauf v;
    beispielFuellen(v);
    QVERIFY(speichern(v, QStringLiteral("k17"), rater));
    const QString name = QStringLiteral("k17_") + rater + QStringLiteral("_Verlauf.dat");
    QCOMPARE(eintraege(verzeichnis_->path()), QStringList{name});
    QByteArray erwartet = beispielDatei;
    erwartet.replace("elmaro", feld);
    QCOMPARE(dateiInhalt(name), erwartet);

    Verlauf gelesen;
    DebugMitschnitt mitschnitt;
    QVERIFY(lesen(gelesen, QStringLiteral("k17"), rater));
    QCOMPARE(gelesen.eintraege(), v.eintraege());
    QVERIFY(DebugMitschnitt::zeilen().contains(
        QStringLiteral("VerlaufSpeichern::DatenLeseStream erfolgreich? 1")));
}

QTEST_MAIN(TestVerlaufSpeichern)
#include "tst_verlaufspeichern.moc"
