#include "atomaredatei.h"
#include "dateigroessengrenze.h"
#include "dateistand.h"
#include "testdateien.h"
#include "verlaufswaechter.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>
#include <QTextStream>

#include <memory>

namespace {

const QByteArray alterInhalt("alter Inhalt, vollstaendig\n");

} // namespace

class TstAtomareDatei : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        ordner = std::make_unique<QTemporaryDir>();
        QVERIFY(ordner->isValid());
        ziel = ordner->filePath(QStringLiteral("ziel.dat"));
        QVERIFY(dateiSchreiben(ziel, alterInhalt));
    }

    void ersetztDasZielNurVollstaendig()
    {
        QString fehler = QStringLiteral("unberuehrt");
        QVERIFY(AtomareDatei::schreibenAtomar(ziel, "neu\n", &fehler));
        QCOMPARE(dateiInhalt(ziel), QByteArray("neu\n"));
        QCOMPARE(fehler, QString());
        QCOMPARE(eintraege(ordner->path()), QStringList{QStringLiteral("ziel.dat")});
    }

    void streamFehlerUndSelbstgemeldeteFehlerLassenDasAlteStehen_data()
    {
        QTest::addColumn<int>("art");
        QTest::newRow("voller Datentraeger, Bytes") << 0;
        QTest::newRow("voller Datentraeger, Stream") << 1;
        QTest::newRow("voller Datentraeger, Geraet direkt") << 4;
        QTest::newRow("Schreiber meldet Fehlschlag") << 2;
        QTest::newRow("nie abgeschlossen") << 3;
    }
    void streamFehlerUndSelbstgemeldeteFehlerLassenDasAlteStehen()
    {
        QFETCH(int, art);
        const QByteArray gross(200000, 'x');
        bool ok = true;
        {
            const bool voll = art <= 1 || art == 4;
            VOLLE_PLATTE_ODER_UEBERSPRINGEN(voll);
            DateigroessenGrenze grenze(voll ? 4096 : DateigroessenGrenze::unbegrenzt);
            AtomareDatei datei(ziel);
            QVERIFY(datei.oeffnen());
            if (art == 0) {
                datei.schreiben(gross);
                ok = datei.abschliessen();
            } else if (art == 1) {
                QTextStream stream(datei.geraet());
                stream << gross;
                ok = datei.abschliessen(&stream);
            } else if (art == 2) {
                datei.schreiben("halb");
                datei.fehlschlagMelden(QStringLiteral("Bild nicht zu schreiben"));
                ok = datei.abschliessen();
                QCOMPARE(datei.fehlerText(), QStringLiteral("Bild nicht zu schreiben"));
            } else if (art == 3) {
                datei.schreiben("halb");
                ok = false;
            } else {
                // What a picture or PDF writer does: one large write, which the file takes
                // short without an error of its own.
                datei.geraet()->write(gross);
                ok = datei.abschliessen();
            }
            if (voll)
                QVERIFY2(!datei.fehlerText().isEmpty(), "a failure names its cause");
        }
        QVERIFY(!ok);
        QCOMPARE(dateiInhalt(ziel), alterInhalt);
        QCOMPARE(eintraege(ordner->path()), QStringList{QStringLiteral("ziel.dat")});
    }

    void oeffnenScheitertMitDeutscherBegruendung()
    {
        QVERIFY(QDir(ordner->path()).mkdir(QStringLiteral("ordner")));
        QString fehler;
        QVERIFY(!AtomareDatei::schreibenAtomar(ordner->filePath(QStringLiteral("ordner")), "x",
                                               &fehler));
        QCOMPARE(fehler, QStringLiteral("ist ein Ordner, keine Datei"));

        QVERIFY(!AtomareDatei::schreibenAtomar(ordner->filePath(QStringLiteral("fehlt/x.dat")), "x",
                                               &fehler));
        QCOMPARE(fehler, QStringLiteral("der Ordner existiert nicht"));
    }

    // Replaced silently only when it is the file as this session read or wrote it.
    void waechterKopiertNurFremdes_data()
    {
        QTest::addColumn<QString>("vorgeschichte");
        QTest::addColumn<bool>("kopiert");
        QTest::newRow("nichts auf der Platte") << QStringLiteral("fehlt") << false;
        QTest::newRow("selbst gelesen") << QStringLiteral("gemerkt") << false;
        QTest::newRow("gelesen, dann geaendert") << QStringLiteral("geaendert") << true;
        QTest::newRow("neue Sitzung") << QStringLiteral("vergessen") << true;
        QTest::newRow("andere Datei gelesen") << QStringLiteral("andere") << true;
    }
    void waechterKopiertNurFremdes()
    {
        QFETCH(QString, vorgeschichte);
        QFETCH(bool, kopiert);
        VerlaufsWaechter waechter;
        if (vorgeschichte == QLatin1String("fehlt"))
            QVERIFY(QFile::remove(ziel));
        if (vorgeschichte != QLatin1String("andere"))
            waechter.merken(ziel);
        else
            waechter.merken(ordner->filePath(QStringLiteral("andere.dat")));
        if (vorgeschichte == QLatin1String("geaendert"))
            QVERIFY(dateiSchreiben(ziel, "fremd\n"));
        if (vorgeschichte == QLatin1String("vergessen"))
            waechter.vergessen();
        const QByteArray aufPlatte = dateiInhalt(ziel);
        QVERIFY(waechter.sichern(ziel, QDateTime(QDate(2003, 6, 16), QTime(9, 30, 5))));
        QCOMPARE(waechter.kopie().isEmpty(), !kopiert);
        if (kopiert)
            QCOMPARE(dateiInhalt(waechter.kopie()), aufPlatte);
        QCOMPARE(eintraege(ordner->path()).size(), 1 - int(vorgeschichte == "fehlt") + kopiert);
    }

private:
    std::unique_ptr<QTemporaryDir> ordner;
    QString ziel;
};

QTEST_GUILESS_MAIN(TstAtomareDatei)
#include "tst_atomaredatei.moc"
