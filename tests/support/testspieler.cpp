#include "testspieler.h"

#include <QDeadlineTimer>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

#include <cmath>

TestSpieler::TestSpieler(const QString &startProgramm, int frameRate)
    : programm(startProgramm), bilder(frameRate)
{
}

TestSpieler::~TestSpieler()
{
    if (prozess.state() != QProcess::NotRunning) {
        prozess.kill();
        prozess.waitForFinished(5000);
    }
}

QString TestSpieler::sockel() const
{
    return ordner.filePath(QStringLiteral("mpv.sock"));
}

bool TestSpieler::starten(QString *ausgabe)
{
    QProcessEnvironment umgebung = QProcessEnvironment::systemEnvironment();
    umgebung.insert(QStringLiteral("MORVANTO_MPV_SOCKET"), sockel());
    prozess.setProcessEnvironment(umgebung);
    prozess.setProcessChannelMode(QProcess::MergedChannels);
    const QString quelle =
        QStringLiteral("av://lavfi:testsrc=size=64x48:rate=%1:duration=3600").arg(bilder);
    // A generated source cannot seek back by itself; the player's cache can.
    prozess.start(programm,
                  vorne + QStringList{QStringLiteral("--no-config"), QStringLiteral("--vo=null"),
                                      QStringLiteral("--ao=null"), QStringLiteral("--really-quiet"),
                                      QStringLiteral("--cache=yes"), quelle});
    const bool verbunden = QTest::qWaitFor(
        [this] {
            if (prozess.state() == QProcess::NotRunning)
                return true;
            steuerung.connectToServer(sockel());
            return steuerung.waitForConnected(100);
        },
        15000);
    // The player has its file once it reports a position.
    const bool bereit =
        verbunden && steuerung.state() == QLocalSocket::ConnectedState &&
        QTest::qWaitFor(
            [this] {
                return befehl({QStringLiteral("get_property"), QStringLiteral("playback-time")})
                    .isDouble();
            },
            15000);
    if (ausgabe)
        *ausgabe = QString::fromLocal8Bit(prozess.readAll());
    return bereit;
}

QJsonValue TestSpieler::befehl(const QJsonArray &befehl)
{
    const int anfrage = naechsteAnfrage++;
    QJsonObject o{{QStringLiteral("command"), befehl}, {QStringLiteral("request_id"), anfrage}};
    steuerung.write(QJsonDocument(o).toJson(QJsonDocument::Compact) + '\n');
    steuerung.flush();
    const QDeadlineTimer frist(5000);
    while (!frist.hasExpired()) {
        qsizetype ende;
        while ((ende = gelesen.indexOf('\n')) >= 0) {
            const QJsonObject antwort = QJsonDocument::fromJson(gelesen.left(ende)).object();
            gelesen.remove(0, ende + 1);
            if (antwort.value(QStringLiteral("request_id")).toInt() == anfrage)
                return antwort.value(QStringLiteral("error")).toString() == QLatin1String("success")
                           ? antwort.value(QStringLiteral("data"))
                           : QJsonValue(QJsonValue::Undefined);
        }
        if (steuerung.state() != QLocalSocket::ConnectedState ||
            !steuerung.waitForReadyRead(int(frist.remainingTime())))
            break;
        gelesen += steuerung.readAll();
    }
    return QJsonValue(QJsonValue::Undefined);
}

double TestSpieler::position()
{
    return befehl({QStringLiteral("get_property"), QStringLiteral("playback-time")}).toDouble(-1);
}

bool TestSpieler::pausiert()
{
    return befehl({QStringLiteral("get_property"), QStringLiteral("pause")}).toBool();
}

void TestSpieler::pausieren(bool pause)
{
    befehl({QStringLiteral("set_property"), QStringLiteral("pause"), pause});
}

bool TestSpieler::springen(double sekunden)
{
    // The generated source seeks only within the cache, which a busy machine fills slowly;
    // a seek beyond it is silently ignored.
    const bool erreichbar = QTest::qWaitFor(
        [this, sekunden] {
            return befehl({QStringLiteral("get_property"), QStringLiteral("demuxer-cache-time")})
                       .toDouble(-1) > sekunden + 1;
        },
        15000);
    befehl({QStringLiteral("seek"), sekunden, QStringLiteral("absolute+exact")});
    return erreichbar &&
           QTest::qWaitFor(
               [this, sekunden] { return std::abs(position() - sekunden) < 1.0 / bilder + 0.001; },
               15000);
}

void TestSpieler::taste(const QString &name)
{
    befehl({QStringLiteral("keypress"), name});
}

void TestSpieler::beenden()
{
    befehl({QStringLiteral("quit")});
    prozess.waitForFinished(10000);
}
