#include "dateigroessengrenze.h"
#include "datenspeichern.h"
#include "debugmitschnitt.h"
#include "infospeichern.h"
#include "meldungsfenster.h"
#include "skriptrueckfrage.h"
#include "testdateien.h"
#include "verlaufspeichern.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextStream>
#include <QTimer>

#include <algorithm>
#include <csignal>
#include <memory>
#include <sys/resource.h>

namespace {

// A saver whose content the test decides.
class PruefSpeicher : public DatenSpeichern
{
public:
    using DatenSpeichern::DatenSpeichern;

    bool DatenSpeicherStream(QTextStream &stream) override
    {
        ++schreibVersuche;
        if (schreiben)
            return schreiben(stream);
        stream << "Inhalt " << schreibVersuche << '\n';
        return true;
    }
    bool DatenLeseStream(QTextStream &stream) override
    {
        gelesen = stream.readAll();
        return lesenErgebnis;
    }

    std::function<bool(QTextStream &)> schreiben;
    int schreibVersuche = 0;
    QString gelesen;
    bool lesenErgebnis = true;
};

const QByteArray alterInhalt("alter Inhalt, vollstaendig\n");

} // namespace

class TestDatenSpeichern : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void basisUndMetaObjekt();
    void streamIstLatin1OhneBom();
    void oeffnenScheitert_data();
    void oeffnenScheitert();
    void wiederholenBisZumErfolg();
    void dreiFehlversucheDreiZeilen_data();
    void dreiFehlversucheDreiZeilen();
    void schreibenScheitert_data();
    void schreibenScheitert();
    void schreibfehlerDannWiederholen();
    void umbenennenScheitert();
    void inhaltsergebnisZaehltNicht();
    void echteWarnung_data();
    void echteWarnung();

private:
    QString pfad(const QString &name) const { return verzeichnis_->filePath(name); }
    std::unique_ptr<QTemporaryDir> verzeichnis_;
};

void TestDatenSpeichern::init()
{
    verzeichnis_ = std::make_unique<QTemporaryDir>();
    QVERIFY(verzeichnis_->isValid());
}

void TestDatenSpeichern::basisUndMetaObjekt()
{
    QWidget hauptfenster;
    DatenSpeichern basis(&hauptfenster, "speicher");
    QCOMPARE(basis.parentWidget(), &hauptfenster);
    QCOMPARE(basis.objectName(), QStringLiteral("speicher"));
    QVERIFY(!basis.isVisible());
    QCOMPARE(basis.metaObject()->className(), "DatenSpeichern");
    QCOMPARE(basis.metaObject()->superClass()->className(), "QWidget");
    QCOMPARE(VerlaufSpeichern().metaObject()->className(), "DatenSpeichern");
    QCOMPARE(InfoSpeichern().metaObject()->className(), "DatenSpeichern");

    DebugMitschnitt mitschnitt;
    const QString name = basis.DateiName(QStringLiteral("a"), QStringLiteral("b"));
    QVERIFY(name.isEmpty() && !name.isNull());
    QVERIFY(
        basis.DateiSpeichern(pfad(QStringLiteral("leer.dat")), QStringLiteral("Rating Verlauf")));
    QCOMPARE(dateiInhalt(pfad(QStringLiteral("leer.dat"))), QByteArray());
    QVERIFY(basis.DateiLesen(pfad(QStringLiteral("leer.dat")), QStringLiteral("Rating Verlauf")));
    QCOMPARE(DebugMitschnitt::zeilen(), QStringList(3, QStringLiteral("virtual")));
}

void TestDatenSpeichern::streamIstLatin1OhneBom()
{
    PruefSpeicher speicher;
    speicher.schreiben = [](QTextStream &s) {
        s << QStringLiteral("Grüße\tß\n");
        return true;
    };
    const QString datei = pfad(QStringLiteral("latin1.dat"));
    QVERIFY(speicher.DateiSpeichern(datei, QStringLiteral("Rating Verlauf")));
    QCOMPARE(dateiInhalt(datei), QByteArray("Gr\xfc\xdf"
                                            "e\t\xdf\n"));

    // Bytes that look like a UTF-8 byte-order mark are Latin-1 text like any other.
    const QByteArray bytes("\xef\xbb\xbf"
                           "a\xfc\r\n");
    QVERIFY(dateiSchreiben(datei, bytes));
    QVERIFY(speicher.DateiLesen(datei, QStringLiteral("Rating Verlauf")));
    QCOMPARE(speicher.gelesen, QString::fromLatin1(bytes));
}

void TestDatenSpeichern::oeffnenScheitert_data()
{
    QTest::addColumn<bool>("speichern");
    QTest::addColumn<bool>("verzeichnisImWeg");
    QTest::addColumn<int>("antwort");
    QTest::newRow("speichern, Abbruch") << true << true << 0;
    QTest::newRow("speichern, andere Antwort") << true << true << -1;
    QTest::newRow("lesen, Verzeichnis, Abbruch") << false << true << 0;
    QTest::newRow("lesen, Datei fehlt, Abbruch") << false << false << 0;
}

// Where the file should be, a directory stands (permission bits stop nothing for root);
// a percent sign in the name must reach the debug line unchanged.
void TestDatenSpeichern::oeffnenScheitert()
{
    QFETCH(bool, speichern);
    QFETCH(bool, verzeichnisImWeg);
    QFETCH(int, antwort);
    const QString datei = pfad(QStringLiteral("k%d_%s_Verlauf.dat"));
    if (verzeichnisImWeg)
        QVERIFY(QDir().mkdir(datei));
    const QStringList vorher = eintraege(verzeichnis_->path());

    DebugMitschnitt mitschnitt;
    SkriptRueckfrage rueckfrage({antwort});
    PruefSpeicher speicher;
    const bool ok = speichern ? speicher.DateiSpeichern(datei, QStringLiteral("Rating Verlauf"))
                              : speicher.DateiLesen(datei, QStringLiteral("Rating Verlauf"));
    QVERIFY(!ok);
    QCOMPARE(speicher.schreibVersuche, 0);
    QCOMPARE(rueckfrage.titel(), QStringList{QStringLiteral("Morvanto Festplattenzugriff?")});
    const QString verb = speichern ? QStringLiteral("speichern") : QStringLiteral("lesen");
    QCOMPARE(rueckfrage.texte(),
             QStringList{erwarteterPromptText(verb, datei, QStringLiteral("ÖFFNEN"))});
    QCOMPARE(DebugMitschnitt::zeilen(), QStringList{QStringLiteral("ERROR opening file ") + datei});
    QCOMPARE(eintraege(verzeichnis_->path()), vorher);
}

void TestDatenSpeichern::wiederholenBisZumErfolg()
{
    const QString datei = pfad(QStringLiteral("k17_elmaro_Verlauf.dat"));
    QVERIFY(QDir().mkdir(datei));
    DebugMitschnitt mitschnitt;
    SkriptRueckfrage rueckfrage({1}, [&](int) { QDir().rmdir(datei); });
    PruefSpeicher speicher;
    QVERIFY(speicher.DateiSpeichern(datei, QStringLiteral("Rating Verlauf")));
    QCOMPARE(rueckfrage.texte().size(), 1);
    QCOMPARE(DebugMitschnitt::zeilen(), QStringList{QStringLiteral("ERROR opening file ") + datei});
    QCOMPARE(dateiInhalt(datei), QByteArray("Inhalt 1\n"));
    QCOMPARE(eintraege(verzeichnis_->path()),
             QStringList{QStringLiteral("k17_elmaro_Verlauf.dat")});
}

void TestDatenSpeichern::dreiFehlversucheDreiZeilen_data()
{
    QTest::addColumn<bool>("speichern");
    QTest::newRow("speichern") << true;
    QTest::newRow("lesen") << false;
}

void TestDatenSpeichern::dreiFehlversucheDreiZeilen()
{
    QFETCH(bool, speichern);
    const QString datei = pfad(QStringLiteral("fehlt.dat"));
    if (speichern)
        QVERIFY(QDir().mkdir(datei));
    DebugMitschnitt mitschnitt;
    // An answer the prompt does not know ends the loop like Abort.
    SkriptRueckfrage rueckfrage({1, 1, 7});
    PruefSpeicher speicher;
    const bool ok = speichern ? speicher.DateiSpeichern(datei, QStringLiteral("Rating Verlauf"))
                              : speicher.DateiLesen(datei, QStringLiteral("Rating Verlauf"));
    QVERIFY(!ok);
    QCOMPARE(rueckfrage.texte().size(), 3);
    QCOMPARE(DebugMitschnitt::zeilen(),
             QStringList(3, QStringLiteral("ERROR opening file ") + datei));
}

void TestDatenSpeichern::schreibenScheitert_data()
{
    QTest::addColumn<bool>("volleFestplatte");
    QTest::addColumn<int>("antwort");
    QTest::newRow("Datei zu gross, Abbruch") << true << 0;
    QTest::newRow("Datei zu gross, andere Antwort") << true << -1;
    QTest::newRow("nur der Stream merkt es") << false << 0;
}

// A failed write leaves the old file exactly as it was and no temporary file behind.
void TestDatenSpeichern::schreibenScheitert()
{
    QFETCH(bool, volleFestplatte);
    QFETCH(int, antwort);
    const QString datei = pfad(QStringLiteral("k17_elmaro_Verlauf.dat"));
    QVERIFY(dateiSchreiben(datei, alterInhalt));

    PruefSpeicher speicher;
    speicher.schreiben = [&](QTextStream &s) {
        s << QString(400, QLatin1Char('x')) << '\n';
        if (!volleFestplatte)
            s.setStatus(QTextStream::WriteFailed);
        return true;
    };
    DebugMitschnitt mitschnitt;
    SkriptRueckfrage rueckfrage({antwort});
    {
        DateigroessenGrenze grenze(volleFestplatte ? 100 : RLIM_INFINITY);
        QVERIFY(!speicher.DateiSpeichern(datei, QStringLiteral("Rating Verlauf")));
    }
    QCOMPARE(rueckfrage.texte(),
             QStringList{erwarteterPromptText(QStringLiteral("speichern"), datei,
                                              QStringLiteral("SCHLIESSEN"))});
    QCOMPARE(DebugMitschnitt::zeilen(),
             QStringList{QStringLiteral("ERROR saving or closing file ") + datei});
    QCOMPARE(dateiInhalt(datei), alterInhalt);
    QCOMPARE(eintraege(verzeichnis_->path()),
             QStringList{QStringLiteral("k17_elmaro_Verlauf.dat")});
}

// The second attempt writes the whole content afresh: one copy, not two.
void TestDatenSpeichern::schreibfehlerDannWiederholen()
{
    const QString datei = pfad(QStringLiteral("k17_elmaro_Info.dat"));
    QVERIFY(dateiSchreiben(datei, alterInhalt));
    PruefSpeicher speicher;
    speicher.schreiben = [&](QTextStream &s) {
        s << "Versuch " << speicher.schreibVersuche << '\n' << QString(200, QLatin1Char('y'));
        return true;
    };
    auto grenze = std::make_unique<DateigroessenGrenze>(64);
    DebugMitschnitt mitschnitt;
    SkriptRueckfrage rueckfrage({1}, [&](int) { grenze.reset(); });
    QVERIFY(speicher.DateiSpeichern(datei, QStringLiteral("Rating Verlauf")));
    QCOMPARE(speicher.schreibVersuche, 2);
    QCOMPARE(rueckfrage.texte().size(), 1);
    QCOMPARE(dateiInhalt(datei), QByteArray("Versuch 2\n") + QByteArray(200, 'y'));
    QCOMPARE(eintraege(verzeichnis_->path()), QStringList{QStringLiteral("k17_elmaro_Info.dat")});
}

// Replacing the target is the last step; when it fails, the complete new content must not
// linger in a temporary file.
void TestDatenSpeichern::umbenennenScheitert()
{
    const QString datei = pfad(QStringLiteral("ziel.dat"));
    PruefSpeicher speicher;
    bool verzeichnisAngelegt = false;
    speicher.schreiben = [&](QTextStream &s) {
        s << "neu\n";
        verzeichnisAngelegt = QDir().mkdir(datei);
        return true;
    };
    DebugMitschnitt mitschnitt;
    SkriptRueckfrage rueckfrage({0});
    QVERIFY(!speicher.DateiSpeichern(datei, QStringLiteral("Rating Verlauf")));
    QCOMPARE(DebugMitschnitt::zeilen(),
             QStringList{QStringLiteral("ERROR saving or closing file ") + datei});
    QVERIFY(verzeichnisAngelegt);
    QCOMPARE(eintraege(verzeichnis_->path()), QStringList{QStringLiteral("ziel.dat")});
}

void TestDatenSpeichern::inhaltsergebnisZaehltNicht()
{
    const QString datei = pfad(QStringLiteral("x.dat"));
    PruefSpeicher speicher;
    speicher.schreiben = [](QTextStream &s) {
        s << "teilweise\n";
        return false;
    };
    speicher.lesenErgebnis = false;
    SkriptRueckfrage rueckfrage;
    QVERIFY(speicher.DateiSpeichern(datei, QStringLiteral("Rating Verlauf")));
    QVERIFY(speicher.DateiLesen(datei, QStringLiteral("Rating Verlauf")));
    QCOMPARE(speicher.gelesen, QStringLiteral("teilweise\n"));
    QVERIFY(rueckfrage.texte().isEmpty());
}

void TestDatenSpeichern::echteWarnung_data()
{
    QTest::addColumn<QString>("eingabe");
    QTest::addColumn<int>("erwartet");
    QTest::newRow("Enter") << "Enter" << 1;
    QTest::newRow("Escape") << "Escape" << 0;
    QTest::newRow("Abbrechen geklickt") << "Abort" << 0;
    QTest::newRow("Wiederholen geklickt") << "Retry" << 1;
}

// The saver's prompt, with the real warning box answered as a rater would.
void TestDatenSpeichern::echteWarnung()
{
    QFETCH(QString, eingabe);
    QFETCH(int, erwartet);
    QWidget hauptfenster;
    PruefSpeicher speicher(&hauptfenster);
    QObject *eltern = nullptr;
    QString titel, text;
    {
        const SkriptRueckfrage skript({erwartet});
        QCOMPARE(speicher.NochMalVersuchen(
                     QStringLiteral("k17_elmaro_Verlauf.dat"), QStringLiteral("speichern"),
                     QStringLiteral("(Rating Verlauf - Datei nicht zu ÖFFNEN)")),
                 erwartet);
        eltern = skript.eltern();
        titel = skript.titel().value(0);
        text = skript.texte().value(0);
    }
    QCOMPARE(eltern, &speicher);
    QCOMPARE(titel, QStringLiteral("Morvanto Festplattenzugriff?"));
    QCOMPARE(text, erwarteterPromptText(QStringLiteral("speichern"),
                                        QStringLiteral("k17_elmaro_Verlauf.dat"),
                                        QStringLiteral("ÖFFNEN")));
    QCOMPARE(text.count(QLatin1Char('\n')), 5);

    const std::unique_ptr<QMessageBox> box =
        Meldungsfenster::bauen(Rueckfrage::Art::Wiederholen, &speicher, titel, text);
    QCOMPARE(box->parentWidget(), &speicher);
    QCOMPARE(box->icon(), QMessageBox::Warning);
    QList<QMessageBox::StandardButton> knoepfe;
    for (QAbstractButton *b : box->buttons())
        knoepfe.append(box->standardButton(b));
    std::sort(knoepfe.begin(), knoepfe.end());
    QCOMPARE(knoepfe, (QList<QMessageBox::StandardButton>{QMessageBox::Abort, QMessageBox::Retry}));
    QCOMPARE(box->standardButton(box->defaultButton()), QMessageBox::Retry);
    QCOMPARE(box->standardButton(box->escapeButton()), QMessageBox::Abort);
    box->show();
    if (eingabe == QLatin1String("Enter"))
        QTest::keyClick(box.get(), Qt::Key_Return);
    else if (eingabe == QLatin1String("Escape"))
        QTest::keyClick(box.get(), Qt::Key_Escape);
    else
        box->button(eingabe == QLatin1String("Abort") ? QMessageBox::Abort : QMessageBox::Retry)
            ->click();
    QCOMPARE(Meldungsfenster::antwort(Rueckfrage::Art::Wiederholen, *box), erwartet);
}

QTEST_MAIN(TestDatenSpeichern)
#include "tst_datenspeichern.moc"
