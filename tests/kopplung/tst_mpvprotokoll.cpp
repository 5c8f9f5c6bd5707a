#include "mpvprotokoll.h"

#include <QJsonDocument>
#include <QTest>

namespace {

// Lines as the player sent them in a recorded session: replies, a start, a title, a key,
// a seek and the end.
const QByteArray aufnahme = "{\"request_id\":0,\"error\":\"success\"}\n"
                            "{\"data\":\"mpv 0.35.1\",\"request_id\":7,\"error\":\"success\"}\n"
                            "{\"event\":\"property-change\",\"id\":1,\"name\":\"playback-time\","
                            "\"data\":0.040000}\n"
                            "{\"event\":\"property-change\",\"id\":2,\"name\":\"pause\","
                            "\"data\":false}\n"
                            "{\"event\":\"property-change\",\"id\":3,\"name\":\"media-title\","
                            "\"data\":\"sitzung 12.mp4\"}\n"
                            "{\"event\":\"client-message\",\"args\":[\"morvanto-taste\",\"1\","
                            "\"12.360000\"]}\n"
                            "{\"event\":\"seek\"}\n"
                            "{\"event\":\"playback-restart\"}\n"
                            "{\"event\":\"property-change\",\"id\":1,\"name\":\"playback-time\","
                            "\"data\":null}\n"
                            "{\"event\":\"shutdown\"}\n";

using Art = MpvNachricht::Art;

} // namespace

class TstMpvProtokoll : public QObject
{
    Q_OBJECT

private slots:
    void aufnahmeGedeutet();
    void stueckweiseWieAmStueck();
    void fehlerhafteZeilenVerworfen_data();
    void fehlerhafteZeilenVerworfen();
    void ueberlangeZeileStoertNichtDieNaechste();
    void titelBereinigt();
    void befehleSindGueltigesJson();
};

void TstMpvProtokoll::aufnahmeGedeutet()
{
    MpvProtokoll p;
    const QList<MpvNachricht> n = p.aufnehmen(aufnahme);
    QCOMPARE(p.verworfeneZeilen(), 0);
    QCOMPARE(n.size(), 6);
    QCOMPARE(n[0].art, Art::Position);
    QCOMPARE(n[0].sekunden, 0.04);
    QCOMPARE(n[1].art, Art::Pause);
    QCOMPARE(n[1].pausiert, false);
    QCOMPARE(n[2].art, Art::Titel);
    QCOMPARE(n[2].titel, QStringLiteral("sitzung 12.mp4"));
    QCOMPARE(n[3].art, Art::Taste);
    QCOMPARE(n[3].taste, QLatin1Char('1'));
    QCOMPARE(n[3].sekunden, 12.36);
    // No file: no position, which is not the position 0.
    QCOMPARE(n[4].art, Art::Position);
    QVERIFY(n[4].sekunden < 0);
    QCOMPARE(n[5].art, Art::Ende);
}

// The socket delivers whatever it has: a line may arrive in any number of pieces.
void TstMpvProtokoll::stueckweiseWieAmStueck()
{
    MpvProtokoll ganz;
    const QList<MpvNachricht> erwartet = ganz.aufnehmen(aufnahme);
    for (const int stueck : {1, 2, 7, 61, 4096}) {
        MpvProtokoll p;
        QList<MpvNachricht> n;
        for (int i = 0; i < aufnahme.size(); i += stueck)
            n += p.aufnehmen(aufnahme.mid(i, stueck));
        QCOMPARE(n.size(), erwartet.size());
        for (int i = 0; i < n.size(); ++i) {
            QCOMPARE(n[i].art, erwartet[i].art);
            QCOMPARE(n[i].sekunden, erwartet[i].sekunden);
            QCOMPARE(n[i].taste, erwartet[i].taste);
        }
    }
}

void TstMpvProtokoll::fehlerhafteZeilenVerworfen_data()
{
    QTest::addColumn<QByteArray>("zeile");
    QTest::addColumn<bool>("verworfen");
    QTest::addColumn<int>("art");

    auto position = [](const char *daten) {
        return QByteArray("{\"event\":\"property-change\",\"name\":\"playback-time\",\"data\":") +
               daten + "}";
    };
    auto taste = [](const char *args) {
        return QByteArray("{\"event\":\"client-message\",\"args\":[") + args + "]}";
    };
    QTest::newRow("kein JSON") << QByteArray("{\"event\":") << true << int(Art::Unbekannt);
    QTest::newRow("Binärmüll") << QByteArray("\x00\xff\x01{}", 5) << true << int(Art::Unbekannt);
    QTest::newRow("Feld statt Objekt") << QByteArray("[1,2,3]") << true << int(Art::Unbekannt);
    QTest::newRow("Position als Text") << position("\"12.5\"") << true << int(Art::Unbekannt);
    QTest::newRow("Position negativ") << position("-3.5") << true << int(Art::Unbekannt);
    QTest::newRow("Position riesig") << position("1e300") << true << int(Art::Unbekannt);
    QTest::newRow("Pause als Text")
        << QByteArray("{\"event\":\"property-change\",\"name\":\"pause\",\"data\":\"yes\"}") << true
        << int(Art::Unbekannt);
    QTest::newRow("Taste 8") << taste("\"morvanto-taste\",\"8\",\"1.0\"") << true
                             << int(Art::Unbekannt);
    QTest::newRow("Taste 11") << taste("\"morvanto-taste\",\"11\",\"1.0\"") << true
                              << int(Art::Unbekannt);
    QTest::newRow("Taste ohne Namen") << taste("\"morvanto-taste\"") << true << int(Art::Unbekannt);
    // A key without a usable position is still the key: Morvanto times it itself.
    QTest::newRow("Position nicht verfügbar")
        << taste("\"morvanto-taste\",\"5\",\"(unavailable)\"") << false << int(Art::Taste);
    QTest::newRow("Position unendlich")
        << taste("\"morvanto-taste\",\"5\",\"inf\"") << false << int(Art::Taste);
    // Not ours, not wrong.
    QTest::newRow("fremde Nachricht")
        << taste("\"osc-visibility\",\"auto\"") << false << int(Art::Unbekannt);
    QTest::newRow("unbekanntes Ereignis")
        << QByteArray("{\"event\":\"video-reconfig\"}") << false << int(Art::Unbekannt);
    QTest::newRow("andere Eigenschaft")
        << QByteArray("{\"event\":\"property-change\",\"name\":\"volume\",\"data\":80}") << false
        << int(Art::Unbekannt);
    QTest::newRow("Leerzeile") << QByteArray("") << false << int(Art::Unbekannt);
}

void TstMpvProtokoll::fehlerhafteZeilenVerworfen()
{
    QFETCH(QByteArray, zeile);
    QFETCH(bool, verworfen);
    QFETCH(int, art);
    MpvProtokoll p;
    const QByteArray gut = "{\"event\":\"property-change\",\"name\":\"pause\",\"data\":true}\n";
    const QList<MpvNachricht> n = p.aufnehmen(zeile + '\n' + gut);
    QCOMPARE(p.verworfeneZeilen(), verworfen ? 1 : 0);
    // The line after it is read as if nothing had happened.
    QVERIFY(!n.isEmpty());
    QCOMPARE(n.last().art, Art::Pause);
    QCOMPARE(n.size(), art == int(Art::Unbekannt) ? 1 : 2);
    if (n.size() == 2) {
        QCOMPARE(int(n.first().art), art);
        QVERIFY(n.first().sekunden < 0);
    }
}

// A peer that sends megabytes without a line end costs at most one line's memory.
void TstMpvProtokoll::ueberlangeZeileStoertNichtDieNaechste()
{
    MpvProtokoll p;
    const QByteArray brocken(300 * 1024, 'x');
    for (int i = 0; i < 40; ++i)
        QVERIFY(p.aufnehmen(brocken).isEmpty());
    const QList<MpvNachricht> n = p.aufnehmen(
        "yyy\n{\"event\":\"property-change\",\"name\":\"playback-time\",\"data\":7.5}\n");
    QCOMPARE(p.verworfeneZeilen(), 1);
    QCOMPARE(n.size(), 1);
    QCOMPARE(n[0].sekunden, 7.5);

    // Just at the limit it is still a line.
    MpvProtokoll grenze;
    QByteArray titel = "{\"event\":\"property-change\",\"name\":\"media-title\",\"data\":\"";
    titel += QByteArray(MpvProtokoll::zeilenGrenze - titel.size() - 2, 'a') + "\"}";
    QCOMPARE(titel.size(), MpvProtokoll::zeilenGrenze);
    QCOMPARE(grenze.aufnehmen(titel + '\n').size(), 1);
    QCOMPARE(grenze.aufnehmen(titel + "a\n").size(), 0);
    QCOMPARE(grenze.verworfeneZeilen(), 1);
}

void TstMpvProtokoll::titelBereinigt()
{
    const MpvNachricht n = MpvProtokoll::deuten(
        "{\"event\":\"property-change\",\"name\":\"media-title\",\"data\":\"  Sitzung\\u0007 "
        "\\u001b[31m3\\u202e.mp4\\n \"}");
    QCOMPARE(n.titel, QStringLiteral("Sitzung [31m3.mp4"));
    QByteArray lang = "{\"event\":\"property-change\",\"name\":\"media-title\",\"data\":\"";
    lang += QByteArray(5000, 'b') + "\"}";
    QCOMPARE(MpvProtokoll::deuten(lang).titel.size(), 200);
}

void TstMpvProtokoll::befehleSindGueltigesJson()
{
    const QByteArray alle = MpvProtokoll::beobachtungsBefehle() + MpvProtokoll::pauseBefehl(true) +
                            MpvProtokoll::pauseBefehl(false);
    const QList<QByteArray> zeilen = alle.trimmed().split('\n');
    QCOMPARE(zeilen.size(), 5);
    for (const QByteArray &z : zeilen) {
        QJsonParseError fehler;
        QJsonDocument::fromJson(z, &fehler);
        QCOMPARE(fehler.error, QJsonParseError::NoError);
    }
    QVERIFY(MpvProtokoll::pauseBefehl(true).contains("true"));
    QVERIFY(MpvProtokoll::pauseBefehl(false).contains("false"));
}

QTEST_GUILESS_MAIN(TstMpvProtokoll)
#include "tst_mpvprotokoll.moc"
