#include "durchsicht.h"
#include "einschaetzung.h"
#include "raterabschnitte.h"
#include "raterspuren.h"
#include "testdateien.h"
#include "testspieler.h"
#include "verlaufleser.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>

// The trainer's review: the call split as meant, and a real player showing the raters' lines
// with one chapter per disagreement.
class TstDurchsicht : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void aufruf_data();
    void aufruf();
    void kapitelUndZeilenImSpieler();

private:
    QTemporaryDir dir_;
    QString a_;
    QString b_;
};

namespace {

// Two raters of the standard session, the second pressing about 0.3 s later and once
// otherwise.
QByteArray verlauf(const QString &rater, const QList<QByteArray> &zeilen)
{
    QByteArray text = "00:00.000\t0\t0\t0\tk17\t" + rater.toLatin1() + "\t0\t0\t0\n";
    for (const QByteArray &z : zeilen)
        text += z + "\tk17\t" + rater.toLatin1() + "\t0\t0\t0\n";
    return text;
}

} // namespace

void TstDurchsicht::initTestCase()
{
    a_ = dir_.filePath(QStringLiteral("k17_anna_Verlauf.dat"));
    b_ = dir_.filePath(QStringLiteral("k17_bert_Verlauf.dat"));
    QVERIFY(dateiSchreiben(
        a_, verlauf(QStringLiteral("anna"), {"00:04.000\t1\t0\t4", "00:10.000\t4\t1\t6",
                                             "00:20.000\t2\t4\t10", "00:30.000\t5\t2\t10"})));
    QVERIFY(dateiSchreiben(
        b_, verlauf(QStringLiteral("bert"), {"00:04.300\t1\t0\t4.3", "00:10.300\t5\t1\t6",
                                             "00:20.300\t2\t5\t10", "00:30.300\t5\t2\t10"})));
}

void TstDurchsicht::aufruf_data()
{
    QTest::addColumn<QStringList>("argumente");
    QTest::addColumn<int>("rueckgabe");
    QTest::addColumn<QString>("video"); // the player's last argument, or the message
    QTest::newRow("Video zuletzt") << QStringList{"--verlauf", "A", "B", "v.mp4"} << 0 << "v.mp4";
    QTest::newRow("Optionen dazwischen")
        << QStringList{"--verlauf", "A", "B", "--versatz", "auto", "--fs", "v.mp4"} << 0 << "v.mp4";
    QTest::newRow("keine Datei") << QStringList{"--verlauf", "--fs"} << 2 << "braucht";
    QTest::newRow("fester Versatz bei drei")
        << QStringList{"--verlauf", "A", "B", "A", "--versatz=1", "v.mp4"} << 2 << "zwei Dateien";
    QTest::newRow("beschädigt") << QStringList{"--verlauf", "A", "KAPUTT", "v.mp4"} << 1 << "Zeile";
}

void TstDurchsicht::aufruf()
{
    QFETCH(QStringList, argumente);
    QFETCH(int, rueckgabe);
    QFETCH(QString, video);
    const QString kaputt = dir_.filePath(QStringLiteral("k17_kaputt_Verlauf.dat"));
    QVERIFY(dateiSchreiben(kaputt, "00:04.000\tzwei\n"));
    argumente.replaceInStrings(QStringLiteral("KAPUTT"), kaputt);
    argumente.replaceInStrings(QRegularExpression(QStringLiteral("^A$")), a_);
    argumente.replaceInStrings(QRegularExpression(QStringLiteral("^B$")), b_);
    QTemporaryDir ordner;
    QStringList warnungen;
    Durchsicht d;
    const int ergebnis = d.lesen(argumente) ? d.vorbereiten(ordner.path(), warnungen) : 2;
    QCOMPARE(ergebnis, rueckgabe);
    if (ergebnis == 0)
        QCOMPARE(d.mpvArgumente(ordner.path()).constLast(), video);
    else
        QVERIFY2(d.fehler().contains(video), qPrintable(d.fehler()));
}

void TstDurchsicht::kapitelUndZeilenImSpieler()
{
    SPIELER_ODER_UEBERSPRINGEN();
    TestSpieler spieler(QStringLiteral(MORVANTO_VIDEO_PROGRAMM));
    spieler.vorne = {QStringLiteral("--verlauf"),
                     a_,
                     b_,
                     QStringLiteral("--versatz"),
                     QStringLiteral("auto"),
                     QStringLiteral("--input-ipc-server=") + spieler.sockel()};
    QString ausgabe;
    QVERIFY2(spieler.starten(&ausgabe), qPrintable(ausgabe));

    // The companion's disagreements: after the searched shift (-0.3 s) one stretch is left.
    std::vector<Sitzung> sitzungen;
    for (const QString &datei : {a_, b_}) {
        VerlaufLeser leser;
        QVERIFY(leser.lesen(datei));
        sitzungen.push_back(leser.sitzung());
    }
    Vergleichseinstellungen e;
    e.versatzAutomatisch = true;
    const auto erwartet =
        Raterabschnitte(Raterspuren(std::move(sitzungen), e).sitzungen()).abweichungen();
    QCOMPARE(erwartet.size(), size_t(1));
    const QJsonArray kapitel =
        spieler.befehl({QStringLiteral("get_property"), QStringLiteral("chapter-list")}).toArray();
    QCOMPARE(kapitel.size(), qsizetype(erwartet.size()));
    const QJsonObject erstes = kapitel.first().toObject();
    QCOMPARE(std::lround(erstes.value(QStringLiteral("time")).toDouble() * 1000),
             long(erwartet.front().first / 1000));
    QCOMPARE(erstes.value(QStringLiteral("title")).toString(),
             QStringLiteral("Abweichung 1 von 1 (00:04.000)"));

    // The chapter key lands in the disagreement, and the lines say so.
    spieler.taste(QStringLiteral("PGUP"));
    QVERIFY(QTest::qWaitFor([&] { return std::abs(spieler.position() - 4.0) < 0.05; }, 10000));
    QTRY_COMPARE(
        spieler.befehl({QStringLiteral("get_property"), QStringLiteral("sub-text")}).toString(),
        QStringLiteral("≠ anna: KL\n≠ bert: KNL"));

    // A rating key is bound to nothing: the binding that wins for it ignores it.
    QJsonObject gewinner;
    for (const QJsonValue &b :
         spieler.befehl({QStringLiteral("get_property"), QStringLiteral("input-bindings")})
             .toArray()) {
        const QJsonObject o = b.toObject();
        if (o.value(QStringLiteral("key")).toString() == QLatin1String("1") &&
            o.value(QStringLiteral("priority")).toInt() >=
                gewinner.value(QStringLiteral("priority")).toInt(-1))
            gewinner = o;
    }
    QCOMPARE(gewinner.value(QStringLiteral("cmd")).toString(), QStringLiteral("ignore"));
    spieler.beenden();
}

QTEST_GUILESS_MAIN(TstDurchsicht)
#include "tst_durchsicht.moc"
