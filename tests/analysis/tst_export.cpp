#include "angleichung.h"
#include "einschaetzung.h"
#include "raterabschnitte.h"
#include "testdateien.h"
#include "testsitzung.h"

#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>
#include <QXmlStreamReader>

using Strecken = std::vector<std::pair<qint64, qint64>>;
Q_DECLARE_METATYPE(std::vector<Druecke>)
Q_DECLARE_METATYPE(Strecken)

// The raters side by side, and the files for other tools read back as those tools would.
class TestExport : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void abweichungen_data();
    void abweichungen();
    void untertitel_data();
    void untertitel();
    void eafDokument();

private:
    QTemporaryDir dir_;
    QString a_;
    QString b_;
};

namespace {

const Druecke druckeA = {{1.5, TL}, {4.25, KL}, {9.125, TNL}, {12.0, NIX}};
const Druecke druckeB = {{1.75, TL}, {4.5, KNL}, {9.5, TNL}, {12.5, NIX}};

std::vector<Sitzung> sitzungen(const std::vector<Druecke> &druecke)
{
    std::vector<Sitzung> s;
    for (const Druecke &d : druecke)
        s.push_back(testSitzung(d));
    return s;
}

} // namespace

void TestExport::initTestCase()
{
    a_ = dir_.filePath(QStringLiteral("k17_anna_Verlauf.dat"));
    b_ = dir_.filePath(QStringLiteral("k17_bert_Verlauf.dat"));
    QVERIFY(testDateiSchreiben(a_, testVerlauf(druckeA)));
    QVERIFY(testDateiSchreiben(b_, testVerlauf(druckeB)));
}

void TestExport::abweichungen_data()
{
    QTest::addColumn<std::vector<Druecke>>("druecke");
    QTest::addColumn<bool>("angleichen");
    QTest::addColumn<Strecken>("erwartet");
    QTest::newRow("zwei, Reaktionszeit zählt")
        << std::vector<Druecke>{druckeA, druckeB} << false
        << Strecken{{us(1.5), us(4.5)}, {us(9.125), us(9.5)}};
    QTest::newRow("zwei, Versatz gesucht")
        << std::vector<Druecke>{{{1.5, TL}, {4.0, KL}}, {{2.0, TL}, {4.5, KL}}} << true
        << Strecken{};
    // The third rater stops early: where only one rater is left, no one disagrees.
    QTest::newRow("drei, einer endet früher")
        << std::vector<Druecke>{{{2, TL}, {6, KL}, {9, KU}}, {{2, TL}, {6, KU}}, {{2, TL}, {3, KL}}}
        << false << Strecken{{us(2), us(6)}};
    QTest::newRow("einig") << std::vector<Druecke>{druckeA, druckeA} << false << Strecken{};
}

void TestExport::abweichungen()
{
    QFETCH(std::vector<Druecke>, druecke);
    QFETCH(bool, angleichen);
    QFETCH(Strecken, erwartet);
    std::vector<Sitzung> s = sitzungen(druecke);
    Vergleichseinstellungen e;
    e.versatzAutomatisch = angleichen;
    const Angleichung angleichung(s, e);
    const Raterabschnitte r(s);
    QCOMPARE(r.abweichungen(), erwartet);
}

void TestExport::untertitel_data()
{
    QTest::addColumn<QString>("endung");
    QTest::addColumn<QString>("cue");    // what opens or separates each cue
    QTest::addColumn<QString>("zweite"); // the second cue's time span
    QTest::newRow("WebVTT") << "vtt"
                            << " --> "
                            << "00:00:01.500 --> 00:00:01.750";
    QTest::newRow("SRT") << "srt"
                         << " --> "
                         << "00:00:01,500 --> 00:00:01,750";
    QTest::newRow("ASS") << "ass"
                         << "Dialogue: "
                         << "0:00:01.50,0:00:01.75,Abweichung";
}

void TestExport::untertitel()
{
    QFETCH(QString, endung);
    QFETCH(QString, cue);
    QFETCH(QString, zweite);
    const QString datei = dir_.filePath(QStringLiteral("r.") + endung);
    QString aus;
    QString fehler;
    // A name from a file or the call may carry markup; it must arrive as plain text.
    QCOMPARE(auswertungAufrufen({QStringLiteral("untertitel"), a_, b_, QStringLiteral("-o"), datei,
                                 QStringLiteral("--namen"), QStringLiteral("{\\b1}anna\\N,<b>")},
                                aus, fehler),
             0);
    const QString text = QString::fromUtf8(dateiInhalt(datei));
    // Eight stretches, four of them disagreeing (two lines each), the last rated by one only.
    QCOMPARE(text.count(cue), 8);
    QCOMPARE(text.count(QStringLiteral("≠ ")), 8);
    QVERIFY2(text.contains(zweite) && text.contains(QStringLiteral(": –")), qPrintable(text));
    QVERIFY2(!text.contains(QLatin1String("{\\b1")) && !text.contains(QLatin1String("anna\\N")) &&
                 (endung == QLatin1String("ass") || !text.contains(QLatin1String("<b>"))),
             qPrintable(text));
}

void TestExport::eafDokument()
{
    const QString video = dir_.filePath(QStringLiteral("sitzung.mp4"));
    QVERIFY(dateiSchreiben(video, QByteArray("kein echtes Video")));
    const QString datei = dir_.filePath(QStringLiteral("r.eaf"));
    QString aus;
    QString fehler;
    QCOMPARE(auswertungAufrufen({QStringLiteral("eaf"), a_, b_, QStringLiteral("-o"), datei,
                                 QStringLiteral("--video"), video},
                                aus, fehler),
             0);
    QXmlStreamReader x(dateiInhalt(datei));
    const auto wert = [&x](const char *name) {
        return x.attributes().value(QLatin1String(name)).toString();
    };
    QHash<QString, qint64> zeiten;
    QSet<QString> eintraege;
    QStringList ebenen;
    QStringList werte;
    QStringList verweise; // time slot and vocabulary references, checked at the end
    QString media;
    QStringList kopf;
    while (!x.atEnd()) {
        if (x.readNext() != QXmlStreamReader::StartElement)
            continue;
        const QString n = x.name().toString();
        if (n == QLatin1String("ANNOTATION_DOCUMENT"))
            kopf << wert("FORMAT") << wert("VERSION") << QString::number(wert("DATE").size() > 18);
        else if (n == QLatin1String("HEADER"))
            kopf << wert("TIME_UNITS");
        else if (n == QLatin1String("MEDIA_DESCRIPTOR"))
            media = wert("MEDIA_URL") + QLatin1Char(' ') + wert("MIME_TYPE") + QLatin1Char(' ') +
                    wert("RELATIVE_MEDIA_URL");
        else if (n == QLatin1String("TIME_SLOT"))
            zeiten.insert(wert("TIME_SLOT_ID"), wert("TIME_VALUE").toLongLong());
        else if (n == QLatin1String("TIER"))
            ebenen << wert("TIER_ID") + QLatin1Char('/') + wert("LINGUISTIC_TYPE_REF");
        else if (n == QLatin1String("ALIGNABLE_ANNOTATION"))
            verweise << wert("TIME_SLOT_REF1") << wert("TIME_SLOT_REF2") << wert("CVE_REF");
        else if (n == QLatin1String("ANNOTATION_VALUE"))
            werte << x.readElementText();
        else if (n == QLatin1String("LINGUISTIC_TYPE"))
            kopf << wert("LINGUISTIC_TYPE_ID") << wert("TIME_ALIGNABLE")
                 << wert("CONTROLLED_VOCABULARY_REF");
        else if (n == QLatin1String("CV_ENTRY_ML"))
            eintraege << wert("CVE_ID");
    }
    QVERIFY2(!x.hasError(), qPrintable(x.errorString()));
    QCOMPARE(kopf.join(QLatin1Char(' ')),
             QStringLiteral("3.0 3.0 1 milliseconds Kategorie true Kategorien"));
    QCOMPARE(ebenen,
             (QStringList{QStringLiteral("anna/Kategorie"), QStringLiteral("bert/Kategorie")}));
    QCOMPARE(werte.mid(0, 4), (QStringList{QStringLiteral("TL"), QStringLiteral("KL"),
                                           QStringLiteral("TNL"), QStringLiteral("NIX")}));
    QCOMPARE(eintraege.size(), 7);
    QCOMPARE(media,
             QUrl::fromLocalFile(video).toString() + QStringLiteral(" video/mp4 ./sitzung.mp4"));
    for (qsizetype i = 0; i < verweise.size(); i += 3) {
        QVERIFY2(zeiten.contains(verweise[i]) && zeiten.contains(verweise[i + 1]) &&
                     zeiten[verweise[i]] < zeiten[verweise[i + 1]],
                 qPrintable(verweise[i]));
        QVERIFY(eintraege.contains(verweise[i + 2]));
    }
    QCOMPARE(verweise.size(), 3 * 8);
    QCOMPARE(zeiten.value(verweise.value(1)), 1500);
}

QTEST_GUILESS_MAIN(TestExport)
#include "tst_export.moc"
