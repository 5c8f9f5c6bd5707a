#include "debugmitschnitt.h"
#include "verlauf.h"

#include <QTest>
#include <QTextStream>

#include <clocale>
#include <cmath>
#include <cstdio>

namespace {

QString ausgabe(const Verlauf &v, const QString &a = QStringLiteral("k17"),
                const QString &b = QStringLiteral("elmaro"))
{
    QString text;
    QTextStream out(&text);
    v.ausgeben(out, a, b);
    out.flush();
    return text;
}

const QString beispiel = QStringLiteral("00:00.000\t0\t0\t0\tk17\telmaro\t0\t0\t0\n"
                                        "00:04.250\t4\t0\t4.25\tk17\telmaro\t0\t4\t250\n"
                                        "01:10.003\t1\t4\t65.753\tk17\telmaro\t1\t10\t3\n");

Verlauf beispielVerlauf()
{
    Verlauf v;
    v.eintragen(Zeitpunkt(1, 10, 3), 1);
    v.eintragen(Zeitpunkt(0, 4, 250), 4);
    return v;
}

} // namespace

class TstVerlauf : public QObject
{
    Q_OBJECT

private slots:
    void neuerVerlauf();
    void eintragenUndEntfernen();
    void eintragInfo();
    void leererVerlauf();
    void ausgebenBeispiel();
    void ausgebenUnabhaengigVomGebietsschema();
    void ausgebenZahlenform();
    void rundreise();
    void einlesen_data();
    void einlesen();
    void einlesenVonDatei();
};

void TstVerlauf::neuerVerlauf()
{
    Verlauf v;
    QCOMPARE(v.size(), 1);
    QCOMPARE(v.letzterZeitpunkt(), Zeitpunkt());
    const EintragInfo i = v.eintragInfo(Zeitpunkt());
    QCOMPARE(i.einschaetzung, 0);
    QCOMPARE(i.vorherigeEinschaetzung, -1);
    QCOMPARE(i.dauer, -1.0);
}

void TstVerlauf::eintragenUndEntfernen()
{
    Verlauf v;
    v.eintragen(Zeitpunkt(), 5); // the start entry holds zero
    QCOMPARE(v.size(), 1);
    QCOMPARE(v.eintragInfo(Zeitpunkt()).einschaetzung, 0);

    const Zeitpunkt t(1, 10, 0);
    v.eintragen(t, 4);
    v.eintragen(Zeitpunkt(0, 70, 0), 2); // equal time point: first one stays
    QCOMPARE(v.size(), 2);
    QCOMPARE(v.eintragInfo(t).einschaetzung, 4);

    v.eintragen(Zeitpunkt(1, 5.25), 6); // earlier, added later
    QCOMPARE(v.letzterZeitpunkt(), t);
    QVERIFY(ausgabe(v).indexOf(QLatin1String("01:05.250")) <
            ausgabe(v).indexOf(QLatin1String("01:10.000")));

    // correction: remove and add again
    v.entfernen(t);
    v.eintragen(t, 7);
    QCOMPARE(v.size(), 3);
    QCOMPARE(v.eintragInfo(t).einschaetzung, 7);

    v.entfernen(Zeitpunkt(9, 9)); // absent: nothing happens
    QCOMPARE(v.size(), 3);
    v.clear();
    QCOMPARE(v.size(), 0);
}

void TstVerlauf::eintragInfo()
{
    Verlauf v;
    v.eintragen(Zeitpunkt(1, 5.25), 4);
    EintragInfo i = v.eintragInfo(Zeitpunkt(1, 5.25));
    QCOMPARE(i.einschaetzung, 4);
    QCOMPARE(i.vorherigeEinschaetzung, 0);
    QCOMPARE(i.dauer, 65.25);
    QCOMPARE(v.size(), 2);

    // Absent: the last entry stands in as predecessor, no duration.
    i = v.eintragInfo(Zeitpunkt(2, 0));
    QCOMPARE(i.einschaetzung, -1);
    QCOMPARE(i.vorherigeEinschaetzung, 4);
    QCOMPARE(i.dauer, -1.0);
}

void TstVerlauf::leererVerlauf()
{
    Verlauf v;
    v.clear();
    QCOMPARE(v.size(), 0);
    QCOMPARE(v.letzterZeitpunkt().toString(), QStringLiteral("00:00.000"));
    const EintragInfo i = v.eintragInfo(Zeitpunkt());
    QCOMPARE(i.einschaetzung, -1);
    QCOMPARE(i.vorherigeEinschaetzung, -1);
    QCOMPARE(ausgabe(v), QString());
}

void TstVerlauf::ausgebenBeispiel()
{
    QCOMPARE(ausgabe(beispielVerlauf()), beispiel);
}

void TstVerlauf::ausgebenUnabhaengigVomGebietsschema()
{
    // Under a German locale C's printf writes a decimal comma; the file must not.
    const char *vorher = std::setlocale(LC_NUMERIC, nullptr);
    const QByteArray gemerkt = vorher ? QByteArray(vorher) : QByteArray("C");
    const bool deutsch = std::setlocale(LC_NUMERIC, "de_DE.UTF-8") != nullptr;
    if (qEnvironmentVariable("LC_ALL").startsWith(QLatin1String("de_DE"))) {
        QVERIFY2(deutsch, "de_DE.UTF-8 locale requested but not installed");
    }
    if (deutsch) {
        char puffer[32];
        std::snprintf(puffer, sizeof puffer, "%g", 65.753);
        QCOMPARE(QByteArray(puffer), QByteArray("65,753"));
    }
    const QString text = ausgabe(beispielVerlauf());
    std::setlocale(LC_NUMERIC, gemerkt.constData());
    QCOMPARE(text, beispiel);
    if (!deutsch)
        QSKIP("de_DE.UTF-8 not installed; the C locale result matched");
}

void TstVerlauf::ausgebenZahlenform()
{
    Verlauf v;
    v.eintragen(Zeitpunkt(0, 0.00001), 3);    // exponent below 0.0001
    v.eintragen(Zeitpunkt(0, 1.0 / 3.0), 2);  // six significant digits
    v.eintragen(Zeitpunkt(16666, 40.0), 1);   // one million seconds later
    v.eintragen(Zeitpunkt(16667, 5.9996), 5); // rounds up to the next second
    const QStringList zeilen = ausgabe(v, QStringLiteral("a"), QStringLiteral("b"))
                                   .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QCOMPARE(zeilen.size(), 5);
    QCOMPARE(zeilen[1].section(QLatin1Char('\t'), 3, 3), QStringLiteral("1e-05"));
    QCOMPARE(zeilen[2].section(QLatin1Char('\t'), 3, 3), QStringLiteral("0.333323"));
    QCOMPARE(zeilen[3].section(QLatin1Char('\t'), 3, 3), QStringLiteral("1e+06"));
    QCOMPARE(zeilen[4], QStringLiteral("16667:06.000\t5\t1\t25.9996\ta\tb\t16667\t6\t0"));

    // Field 4 is exactly printf's %g, over durations of every magnitude.
    Verlauf viele;
    double t = 0;
    for (int i = 0; i < 2000; ++i) {
        t += std::pow(10.0, (i % 13) - 6) * (1 + (i * 7919 % 1000) / 1000.0);
        viele.eintragen(Zeitpunkt(0, t), 1);
    }
    Zeitpunkt vorher;
    const QStringList vieleZeilen = ausgabe(viele).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    int i = 0;
    for (const auto &eintrag : viele.eintraege()) {
        const QString erwartet = QString::asprintf("%g", (eintrag.first - vorher).inSekunden());
        QCOMPARE(vieleZeilen[i++].section(QLatin1Char('\t'), 3, 3), erwartet);
        vorher = eintrag.first;
    }
}

void TstVerlauf::rundreise()
{
    Verlauf v;
    for (int i = 1; i <= 500; ++i)
        v.eintragen(Zeitpunkt(0, i * 7.123 + (i % 13) * 0.001), 1 + i % 7);
    QString text = ausgabe(v);
    QTextStream in(&text);
    Verlauf zurueck;
    QVERIFY(zurueck.einlesen(in));
    QCOMPARE(zurueck.size(), v.size());
    auto a = v.eintraege().begin();
    for (const auto &[t, e] : zurueck.eintraege()) {
        QCOMPARE(e, a->second);
        QVERIFY(qAbs(t.inSekunden() - a->first.inSekunden()) < 0.0005);
        ++a;
    }
    // Written again, the same text.
    QCOMPARE(ausgabe(zurueck), text);
}

void TstVerlauf::einlesen_data()
{
    QTest::addColumn<QString>("datei");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<QString>("meldung");
    QTest::addColumn<QString>("eintraege"); // "zeit=kategorie ..."
    // Where reading stopped, for the rater: the rejected line, and "+" when lines that may
    // hold entries went unread.
    QTest::addColumn<QString>("stopp");

    const QString z0 = QStringLiteral("00:00.000\t0\t0\t0\tk17\telmaro\t0\t0\t0\n");
    const QString z1 = QStringLiteral("00:04.250\t4\t0\t4.25\tk17\telmaro\t0\t4\t250\n");
    const QString z2 = QStringLiteral("01:10.003\t1\t4\t65.753\tk17\telmaro\t1\t10\t3\n");
    const QString alle = "00:00.000=0 00:04.250=4 01:10.003=1";

    QTest::newRow("vollstaendig") << z0 + z1 + z2 << true << "" << alle << "0";
    QTest::newRow("leer") << "" << true << ""
                          << ""
                          << "0";
    QTest::newRow("ohne letztes LF")
        << z0 + z1 + z2.chopped(1) << false << "Rest der Zeile war nicht OK" << alle << "3";
    QTest::newRow("Leerzeile am Ende")
        << z0 + z1 + z2 + "\n"
        << false << "Fehler beim Einlesen des Zeitpunktes" << alle << "4";
    QTest::newRow("Leerraum am Ende")
        << z0 + z1 + z2 + "\t \n\n"
        << false << "Fehler beim Einlesen des Zeitpunktes" << alle << "4";
    QTest::newRow("Leerzeilen dazwischen") << z0 + "\n\n" + z1 + z2 << true << "" << alle << "0";
    QTest::newRow("CR LF") << QString(z0).replace("\n", "\r\n") + z1 << false
                           << "Rest der Zeile war nicht OK"
                           << "00:00.000=0"
                           << "1+";
    QTest::newRow("nur eine Zeile mit CR LF")
        << QString(z0).replace("\n", "\r\n") << false << "Rest der Zeile war nicht OK"
        << "00:00.000=0"
        << "1";
    QTest::newRow("Leerzeichen statt TAB")
        << z0 + "\n \n00:04.250 4\t0\t4.25\tk17\telmaro\t0\t4\t250\n"
        << false << "Quatsch beim Einlesen"
        << "00:00.000=0"
        << "4+";
    QTest::newRow("Kategorie 4x") << z0 + "00:04.250\t4x\t0\t4.25\tk17\telmaro\t0\t4\t250\n" + z2
                                  << false << "Fehler beim Umwandeln der Einschaetzung"
                                  << "00:00.000=0"
                                  << "2+";
    QTest::newRow("Ende nach TAB")
        << z0 + "00:04.250\t" << false << "Fehler beim Umwandeln der Einschaetzung"
        << "00:00.000=0"
        << "2+";
    QTest::newRow("sechs Felder") << z0 + "00:04.250\t4\t0\t4.25\tk17\telmaro\n" + z2 << true << ""
                                  << alle << "0";
    QTest::newRow("nur Zeitpunkt") << z0 + "00:07.000\n" + z1 << true << ""
                                   << "00:00.000=0 00:04.250=4"
                                   << "0";
    QTest::newRow("ungeordnet") << z2 + z0 + z1 << true << "" << alle << "0";
    QTest::newRow("gleiche Zeitpunkte")
        << z0 + z1 + "00:04.250\t7\t0\t4.25\tk17\telmaro\t0\t4\t250\n"
        << true << ""
        << "00:00.000=0 00:04.250=4"
        << "0";
    // The words shift into the next line; the damage is still named where it is.
    QTest::newRow("Name mit Leerzeichen")
        << z0 + "00:04.250\t4\t0\t4.25\tk 17\telmaro\t0\t4\t250\n" + z2 << false
        << "Rest der Zeile war nicht OK"
        << "00:00.000=0 00:04.250=4"
        << "2+";
    QTest::newRow("leerer Name") << z0 + "00:04.250\t4\t0\t4.25\t\telmaro\t0\t4\t250\n" + z2
                                 << false << "Rest der Zeile war nicht OK"
                                 << "00:00.000=0 00:04.250=4"
                                 << "2+";
    QTest::newRow("Kategorie ausserhalb") << "00:01.000\t9\t0\t1\ta\tb\n00:02.000\t-2\t9\t1\ta\tb\n"
                                          << true << ""
                                          << "00:01.000=9 00:02.000=-2"
                                          << "0";
    QTest::newRow("Zeitpunkt kaputt") << z0 + "12.5\t4\n"
                                      << false << "Fehler beim Einlesen des Zeitpunktes"
                                      << "00:00.000=0"
                                      << "2+";
}

void TstVerlauf::einlesen()
{
    QFETCH(QString, datei);
    QFETCH(QString, meldung);
    QFETCH(QString, eintraege);

    DebugMitschnitt faenger;
    Verlauf v;
    v.eintragen(Zeitpunkt(5, 0), 3); // replaced by the read
    QTextStream in(&datei);
    Verlauf::Lesestopp stopp{99, true};
    QTEST(v.einlesen(in, &stopp), "ok");

    QCOMPARE(DebugMitschnitt::zeilen(), meldung.isEmpty() ? QStringList() : QStringList{meldung});
    QStringList gelesen;
    for (const auto &[t, e] : v.eintraege())
        gelesen << t.toString() + QLatin1Char('=') + QString::number(e);
    QCOMPARE(gelesen.join(QLatin1Char(' ')), eintraege);
    QTEST(QString::number(stopp.zeile) + (stopp.unvollstaendig ? "+" : ""), "stopp");
}

void TstVerlauf::einlesenVonDatei()
{
    // Through a device the stream reads ahead; the end test must still be exact.
    QByteArray bytes = beispiel.toLatin1();
    QTextStream in(&bytes, QIODevice::ReadOnly);
    Verlauf v;
    QVERIFY(v.einlesen(in));
    QCOMPARE(v.size(), 3);
    QCOMPARE(ausgabe(v), beispiel);
}

QTEST_GUILESS_MAIN(TstVerlauf)
#include "tst_verlauf.moc"
