#include "einschaetzung.h"
#include "formatierung.h"
#include "zeitpunkt.h"

#include <QTest>
#include <QTextStream>

class TstZeitpunkt : public QObject
{
    Q_OBJECT

private slots:
    void normalisierung_data();
    void normalisierung();
    void gleichheitUndOrdnung();
    void textform_data();
    void textform();
    void textformTraegtGerundeteMillisekundenUeber();
    void einlesen_data();
    void einlesen();
    void einlesenLiestNurEinWort();
    void formatierung();
    void vokabular();
};

void TstZeitpunkt::normalisierung_data()
{
    QTest::addColumn<int>("min");
    QTest::addColumn<double>("sek");
    QTest::addColumn<int>("ms");
    QTest::addColumn<int>("minuten");
    QTest::addColumn<double>("sekunden");
    QTest::newRow("125.25 s") << 0 << 125.25 << 0 << 2 << 5.25;
    QTest::newRow("1500 ms") << 1 << 0.0 << 1500 << 1 << 1.5;
    QTest::newRow("eine Stunde") << 0 << 3600.0 << 0 << 60 << 0.0;
    QTest::newRow("2:05.250") << 2 << 5.0 << 250 << 2 << 5.25;
    QTest::newRow("null") << 0 << 0.0 << 0 << 0 << 0.0;
}

void TstZeitpunkt::normalisierung()
{
    QFETCH(int, min);
    QFETCH(double, sek);
    QFETCH(int, ms);
    const Zeitpunkt z(min, sek, ms);
    QTEST(z.minuten, "minuten");
    QTEST(z.sekunden, "sekunden");
}

void TstZeitpunkt::gleichheitUndOrdnung()
{
    const Zeitpunkt a(0, 61.5, 0), b(1, 1.5, 0);
    QVERIFY(a == b);
    QCOMPARE(a.minuten, b.minuten);
    QCOMPARE(a.sekunden, b.sekunden);
    QCOMPARE(a.toString(), QStringLiteral("01:01.500"));
    QVERIFY(Zeitpunkt(1, 5.25) < Zeitpunkt(1, 10));
    QVERIFY(!(Zeitpunkt(1, 10) < Zeitpunkt(1, 5.25)));
    QCOMPARE(Zeitpunkt(1, 10).sekundenBis(Zeitpunkt(2, 0)), 50.0);
    const Zeitpunkt d = Zeitpunkt(1, 10, 3) - Zeitpunkt(0, 4, 250);
    QCOMPARE(d.minuten, 1);
    QCOMPARE(d.toString(), QStringLiteral("01:05.753"));
}

void TstZeitpunkt::textform_data()
{
    QTest::addColumn<int>("min");
    QTest::addColumn<double>("sek");
    QTest::addColumn<QString>("text");
    QTest::newRow("null") << 0 << 0.0 << "00:00.000";
    QTest::newRow("3:07.25") << 3 << 7.25 << "03:07.250";
    QTest::newRow("12:05.04") << 12 << 5.04 << "12:05.040";
    QTest::newRow("125 Minuten") << 125 << 59.5 << "125:59.500";
    QTest::newRow("1:10.003") << 1 << 10.003 << "01:10.003";
}

void TstZeitpunkt::textform()
{
    QFETCH(int, min);
    QFETCH(double, sek);
    QTEST(Zeitpunkt(min, sek, 0).toString(), "text");
}

void TstZeitpunkt::textformTraegtGerundeteMillisekundenUeber()
{
    QCOMPARE(Zeitpunkt(0, 5.9996, 0).toString(), QStringLiteral("00:06.000"));
    QCOMPARE(Zeitpunkt(0, 59.9999, 0).toString(), QStringLiteral("01:00.000"));
    QCOMPARE(Zeitpunkt(0, 5.9994, 0).toString(), QStringLiteral("00:05.999"));

    // Every printed form parses back to within half a millisecond.
    for (double s : {5.9996, 59.9999, 0.0004, 119.99951, 3599.9995}) {
        const Zeitpunkt z(0, s, 0);
        QString text = z.toString();
        QTextStream in(&text);
        Zeitpunkt zurueck;
        QVERIFY2(zurueck.einlesen(in), qPrintable(text));
        QVERIFY2(qAbs(zurueck.inSekunden() - z.inSekunden()) <= 0.0005 + 1e-9, qPrintable(text));
        const Zeitpunkt::Anzeige a = z.anzeige();
        QVERIFY(a.millisekunden >= 0 && a.millisekunden < 1000);
        QVERIFY(a.sekunden >= 0 && a.sekunden < 60);
    }
}

void TstZeitpunkt::einlesen_data()
{
    QTest::addColumn<QString>("eingabe");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<QString>("ergebnis"); // text form afterwards, start value 09:09.000
    QTest::newRow("MM:SS.mmm") << "03:07.250" << true << "03:07.250";
    QTest::newRow("kurz") << "3:7.25" << true << "03:07.250";
    QTest::newRow("Sekunden ueber 60") << "0:125" << true << "02:05.000";
    QTest::newRow("ohne Sekunden") << "03:" << false << "03:00.000";
    QTest::newRow("ohne Doppelpunkt") << "12.5" << false << "09:09.000";
    QTest::newRow("Doppelpunkt vorn") << ":30" << false << "09:09.000";
    QTest::newRow("Minuten kaputt") << "x:30" << false << "00:30.000";
    QTest::newRow("Komma") << "1:30,5" << false << "01:00.000";
    QTest::newRow("leer") << "" << false << "09:09.000";
    QTest::newRow("negativ") << "-1:30.5" << false << "09:09.000";
    QTest::newRow("negative Sekunden") << "0:-0.5" << false << "09:09.000";
    QTest::newRow("riesig") << "99999999999:1" << false << "00:01.000";
    QTest::newRow("Minutenueberlauf") << "2147483647:1" << false << "09:09.000";
    QTest::newRow("unendlich") << "1:1e999" << false << "01:00.000";
    QTest::newRow("nan") << "1:nan" << false << "01:00.000";
}

void TstZeitpunkt::einlesen()
{
    QFETCH(QString, eingabe);
    Zeitpunkt z(9, 9, 0);
    QTextStream in(&eingabe);
    QTEST(z.einlesen(in), "ok");
    QTEST(z.toString(), "ergebnis");
}

void TstZeitpunkt::einlesenLiestNurEinWort()
{
    QString text = QStringLiteral("\n\n  01:02.500\trest");
    QTextStream in(&text);
    Zeitpunkt z;
    QVERIFY(z.einlesen(in));
    QCOMPARE(z.toString(), QStringLiteral("01:02.500"));
    QChar c;
    in >> c;
    QCOMPARE(c, QLatin1Char('\t'));
}

void TstZeitpunkt::formatierung()
{
    QCOMPARE(zweistellig(0), QStringLiteral("00"));
    QCOMPARE(zweistellig(9), QStringLiteral("09"));
    QCOMPARE(zweistellig(10), QStringLiteral("10"));
    QCOMPARE(zweistellig(125), QStringLiteral("125"));
    QCOMPARE(zweistellig(-3), QStringLiteral("-3"));
    QCOMPARE(dreistellig(7), QStringLiteral("007"));
    QCOMPARE(dreistellig(42), QStringLiteral("042"));
    QCOMPARE(dreistellig(250), QStringLiteral("250"));
    QCOMPARE(dreistellig(1000), QStringLiteral("1000"));
    QCOMPARE(dreistellig(-5), QStringLiteral("-5"));
    QString breit;
    mitNullenAnhaengen(breit, 7, 40); // capped at its buffer, not written past it
    QCOMPARE(breit, QString(15, QLatin1Char('0')) + QLatin1Char('7'));
    QCOMPARE(nachkommaAnteil(-2.25), 0.25);
    QCOMPARE(nachkommaAnteil(1e12 + 0.5), 0.5);
    QCOMPARE(runden(2.5), 3.0);
    QCOMPARE(runden(-2.5), -2.0);
    QCOMPARE(runden(249.49), 249.0);
}

void TstZeitpunkt::vokabular()
{
    QCOMPARE(EinschaetzungKuerzel[Null], QStringLiteral("null"));
    QCOMPARE(EinschaetzungName[Null], QStringLiteral("null"));
    QCOMPARE(EinschaetzungKuerzel[KL], QStringLiteral("KL"));
    QCOMPARE(EinschaetzungName[TL], QStringLiteral("Therapeut lösungsfokussiert"));
    QCOMPARE(EinschaetzungName[KNL], QStringLiteral("Klient keine Lösungssprache"));
    QCOMPARE(EinschaetzungName[NIX], QStringLiteral("Pause"));
    // The umlaut is one Latin-1 character.
    QCOMPARE(EinschaetzungName[KL].toLatin1().at(8), char(0xF6));
}

QTEST_GUILESS_MAIN(TstZeitpunkt)
#include "tst_zeitpunkt.moc"
