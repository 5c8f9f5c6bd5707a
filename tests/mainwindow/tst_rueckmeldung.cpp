#include "dateigroessengrenze.h"
#include "konsolentest.h"
#include "mpvprotokoll.h"
#include "osdtext.h"
#include "spieleranzeige.h"
#include "testdateien.h"
#include "testspieler.h"
#include "videokopplung.h"

#include <QRegularExpression>
#include <QTemporaryDir>

// Morvanto's answers in the player's picture, read back from the player's own log, where
// every command it runs is written with its arguments.
class TstRueckmeldung : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir ordner;
    std::unique_ptr<Konsole> k;
    std::unique_ptr<TestSpieler> spieler;
    QString log;

    void koppeln(const QStringList &optionen = {});
    // The texts of our overlay in the order the player showed them, lines joined by "|";
    // an empty one where the overlay went away.
    QStringList angezeigt() const;
    bool angezeigt(const QString &text) const;

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void texteBereinigt_data();
    void texteBereinigt();
    void jederDruckImBild();
    void stillAufWunsch();
};

void TstRueckmeldung::initTestCase()
{
    QVERIFY(ordner.isValid());
    schriftWieImProgramm();
}

void TstRueckmeldung::init()
{
    QVERIFY(!arbeitsordnerBetreten(ordner).isEmpty());
    log = QDir::current().filePath(QStringLiteral("mpv.log"));
    k = std::make_unique<Konsole>(false);
    QVERIFY(k->aktiv);
    spieler = std::make_unique<TestSpieler>(QStringLiteral(MORVANTO_VIDEO_PROGRAMM), 100);
}

void TstRueckmeldung::cleanup()
{
    k.reset();
    spieler.reset();
}

void TstRueckmeldung::koppeln(const QStringList &optionen)
{
    spieler->vorne = optionen + QStringList{QStringLiteral("--log-file=") + log,
                                            QStringLiteral("--msg-level=cplayer=trace")};
    QString ausgabe;
    QVERIFY2(spieler->starten(&ausgabe), qPrintable(ausgabe));
    k->d->videoKopplungStarten(spieler->sockel());
    QTRY_VERIFY(k->d->videoGekoppelt());
    QTRY_VERIFY(k->d->videoKopplung()->positionBekannt());
}

QStringList TstRueckmeldung::angezeigt() const
{
    static const QRegularExpression befehl(
        QStringLiteral("Run command: osd-overlay, .*args=\\[id=\"%1\", format=\"[a-z-]+\", "
                       "data=\"(?:\\{[^}]*\\})?(.*)\", res_x=")
            .arg(MpvProtokoll::anzeigeKennung));
    QStringList texte;
    for (const QString &zeile : QString::fromUtf8(dateiInhalt(log)).split(QLatin1Char('\n'))) {
        const QRegularExpressionMatch m = befehl.match(zeile);
        if (m.hasMatch())
            texte << m.captured(1).replace(QStringLiteral("\\\\N"), QStringLiteral("|"));
    }
    return texte;
}

bool TstRueckmeldung::angezeigt(const QString &text) const
{
    if (QTest::qWaitFor([&] { return angezeigt().join(QLatin1Char('\n')).contains(text); }, 5000))
        return true;
    qWarning("nicht angezeigt: %s\nsondern: %s", qPrintable(text),
             qPrintable(angezeigt().join(QLatin1Char('\n'))));
    return false;
}

// Names come from files and the rater's typing: nothing in them may restyle or break the
// player's line.
void TstRueckmeldung::texteBereinigt_data()
{
    QTest::addColumn<QString>("roh");
    QTest::addColumn<QString>("sauber");
    QTest::newRow("Override") << "{\\b1\\c&HFF&}anna"
                              << "(⧵b1⧵c&HFF&)anna";
    QTest::newRow("Steuerzeichen") << "a\x1b[31m\x7f\u2028b"
                                   << "a [31m  b";
}

void TstRueckmeldung::texteBereinigt()
{
    QFETCH(QString, roh);
    QFETCH(QString, sauber);
    QCOMPARE(osdText(roh), sauber);
    QByteArray gesendet;
    SpielerAnzeige a([&](const QByteArray &b) { gesendet = b; });
    a.abschalten(false);
    a.notiz(SpielerAnzeige::gekoppelt(roh, QStringLiteral("elmaro")));
    QTRY_VERIFY(!gesendet.isEmpty());
    // Our own style tag opens the overlay, and nothing after it does: the command's two JSON
    // objects and that tag.
    QVERIFY2(gesendet.count('{') == 3 && gesendet.contains(sauber.toUtf8()), gesendet.constData());
}

// Each step of a session, in the player's window and in Morvanto's, and what the player shows.
// Keys 4, 2 and 1 are TL, KU and KL.
void TstRueckmeldung::jederDruckImBild()
{
    SPIELER_ODER_UEBERSPRINGEN();
    koppeln();
    QVERIFY(angezeigt(QStringLiteral("Morvanto gekoppelt: noch keine Sitzung konfiguriert")));
    spieler->taste(QStringLiteral("4"));
    QVERIFY(angezeigt(QStringLiteral("Taste 4 wirkt gerade nicht: noch keine Sitzung")));

    k->konfigurieren(QStringLiteral("k17"), QStringLiteral("elmaro"));
    // Rated from 5 s on, so that there is rated time to jump back into.
    QVERIFY(spieler->springen(5.0));
    spieler->pausieren(false);
    QVERIFY(angezeigt(QStringLiteral("Run: das Zählwerk läuft")));
    spieler->taste(QStringLiteral("4"));
    QTRY_COMPARE(k->d->sitzungsVerlauf().size(), 2);
    const QString erste = k->d->sitzungsVerlauf().letzterZeitpunkt().toString();
    QVERIFY(angezeigt(QStringLiteral("TL %1 · Nr. 1").arg(erste)));
    k->taste(Qt::Key_2);
    const QString zweite = k->d->sitzungsVerlauf().letzterZeitpunkt().toString();
    QVERIFY(angezeigt(QStringLiteral("KU %1 · Nr. 2").arg(zweite)));

    // Correction: a lasting line above the notes until the next key, then old and new.
    spieler->taste(QStringLiteral("0"));
    const QString wartet = QStringLiteral("Korrigieren: die nächste Taste ersetzt KU ") + zweite;
    QVERIFY(angezeigt(wartet));
    k->taste(Qt::Key_1);
    QVERIFY(angezeigt(QStringLiteral("Korrigiert: KU → KL bei ") + zweite));
    QVERIFY(!angezeigt().constLast().contains(wartet));

    // A journal that cannot be written: warned of for as long as it lasts.
    {
        DateigroessenGrenze grenze(50);
        k->taste(Qt::Key_3);
        QVERIFY(angezeigt(QStringLiteral("ACHTUNG: k17_elmaro_Journal.dat nicht zu schreiben")));
    }
    k->taste(Qt::Key_5);
    QVERIFY(angezeigt(QStringLiteral("Journal k17_elmaro_Journal.dat wird wieder geschrieben")));

    spieler->taste(QStringLiteral("r"));
    QVERIFY(angezeigt(QStringLiteral("Pause: Zählwerk angehalten")));
    spieler->taste(QStringLiteral("6"));
    QVERIFY(angezeigt(QStringLiteral("Taste 6 wirkt gerade nicht: das Zählwerk läuft nicht")));
    QTest::mouseClick(k->d->PushButtonCountdown, Qt::LeftButton);
    QVERIFY(angezeigt(QStringLiteral("Kein Countdown nötig")));
    // Back into rated time, as a rater seeking in the player would.
    QVERIFY(spieler->springen(2.0));
    QVERIFY(angezeigt(QStringLiteral("Dieser Zeit-Bereich wurde schon eingeschätzt!")));
    // The window's own lines say what they always said.
    QCOMPARE(k->d->infoline2->text(), bereichsWarnung);
}

void TstRueckmeldung::stillAufWunsch()
{
    SPIELER_ODER_UEBERSPRINGEN();
    koppeln({QStringLiteral("--ohne-meldungen")});
    k->konfigurieren(QStringLiteral("k17"), QStringLiteral("elmaro"));
    spieler->pausieren(false);
    QTRY_VERIFY(k->d->BtRun->isChecked());
    spieler->taste(QStringLiteral("4"));
    QTRY_COMPARE(k->d->sitzungsVerlauf().size(), 2);
    // Every answer would have gone out by the time the player took its next command.
    spieler->befehl({QStringLiteral("get_property"), QStringLiteral("pause")});
    QCOMPARE(angezeigt(), QStringList());
}

QTEST_MAIN(TstRueckmeldung)
#include "tst_rueckmeldung.moc"
