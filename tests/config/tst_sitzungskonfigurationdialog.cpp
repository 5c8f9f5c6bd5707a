#include "sitzungskonfigurationdialog.h"

#include <QApplication>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace {

const QColor blau(80, 80, 255);

bool istBlau(const QLabel *beschriftung)
{
    return beschriftung->palette().color(QPalette::Window) == blau;
}

void fertig(SitzungsKonfigurationDialog &dialog)
{
    dialog.PushButtonFertig->click();
}

void eingeben(SitzungsKonfigurationDialog &dialog, const QString &klient, const QString &rater)
{
    dialog.LineEditKlient->setText(klient);
    dialog.LineEditRater->setText(rater);
}

bool dateiAnlegen(const QString &name)
{
    QFile datei(name);
    return datei.open(QIODevice::WriteOnly) && datei.write("Klient\ta\n") > 0;
}

} // namespace

class TestSitzungsKonfigurationDialog : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void aufbau();
    void ohneElternFensterNutzbar();
    void fertigPrueftDieNamen_data();
    void fertigPrueftDieNamen();
    void nachgetragenerNameWirdWiederNormal();
    void aenderungenSperrenOk_data();
    void aenderungenSperrenOk();
    void dateinameKleingeschrieben();
    void fertigErneuertNurDasDatum();
    void existenzTest_data();
    void existenzTest();
    void existenzTestMitUnsicheremNamen();
    void cancelLaesstOkFreigegeben();
    void ordnerNurWennGezeigt();
    void ordnerAnzeige_data();
    void ordnerAnzeige();

private:
    QString altesVerzeichnis;
    QTemporaryDir *verzeichnis = nullptr;
};

void TestSitzungsKonfigurationDialog::init()
{
    altesVerzeichnis = QDir::currentPath();
    verzeichnis = new QTemporaryDir;
    QVERIFY(verzeichnis->isValid());
    QVERIFY(QDir::setCurrent(verzeichnis->path()));
}

void TestSitzungsKonfigurationDialog::cleanup()
{
    QDir::setCurrent(altesVerzeichnis);
    delete verzeichnis;
    verzeichnis = nullptr;
}

void TestSitzungsKonfigurationDialog::aufbau()
{
    QWidget eltern;
    QPalette grau = eltern.palette();
    grau.setColor(QPalette::Base, QColor(10, 20, 30));
    eltern.setPalette(grau);
    SitzungsKonfigurationDialog dialog(&eltern, "KonfigDialog", true);
    QCOMPARE(dialog.objectName(), QString("KonfigDialog"));
    QCOMPARE(dialog.metaObject()->className(), "SitzungsKonfigurationDialog");
    QVERIFY(dialog.LineEditInfodatei->isReadOnly());
    QVERIFY(!dialog.buttonOk->isEnabled());
    for (QLineEdit *feld :
         {dialog.LineEditInfodatei, dialog.LineEditDatum, dialog.LineEditUhrzeit}) {
        QCOMPARE(feld->palette().color(QPalette::Active, QPalette::Base), QColor(10, 20, 30));
        QCOMPARE(feld->palette().color(QPalette::Disabled, QPalette::Text),
                 feld->palette().color(QPalette::Active, QPalette::Text));
    }
}

void TestSitzungsKonfigurationDialog::ohneElternFensterNutzbar()
{
    SitzungsKonfigurationDialog dialog;
    QCOMPARE(dialog.objectName(), QString("SitzungsKonfigurationDialogBase"));
    eingeben(dialog, "k", "r");
    fertig(dialog);
    QVERIFY(dialog.buttonOk->isEnabled());
}

void TestSitzungsKonfigurationDialog::fertigPrueftDieNamen_data()
{
    QTest::addColumn<QString>("klient");
    QTest::addColumn<QString>("rater");
    QTest::addColumn<bool>("klientFehlt");
    QTest::addColumn<bool>("raterFehlt");

    QTest::newRow("beide da") << "a2501655"
                              << "elmaro" << false << false;
    QTest::newRow("Klient leer") << ""
                                 << "elmaro" << true << false;
    QTest::newRow("Rater leer") << "a2501655"
                                << "" << false << true;
    QTest::newRow("beide leer") << ""
                                << "" << true << true;
    QTest::newRow("Leerzeichen zaehlen") << " "
                                         << "  " << false << false;
    QTest::newRow("Schraegstrich") << "a/b"
                                   << "elmaro" << true << false;
    QTest::newRow("Rueckstrich") << "a2501655"
                                 << "el\\maro" << false << true;
    QTest::newRow("Punkt") << "."
                           << "elmaro" << true << false;
    QTest::newRow("zwei Punkte") << "a2501655"
                                 << ".." << false << true;
    QTest::newRow("drei Punkte") << "..."
                                 << "elmaro" << false << false;
    QTest::newRow("Tabulator") << "a\t1"
                               << "elmaro" << true << false;
    QTest::newRow("Nullzeichen") << "a2501655" << QString(QChar(0)) << false << true;
    QTest::newRow("DEL") << QString("a") + QChar(0x7f) << "x" << true << false;
    QTest::newRow("Punkt im Namen") << "a.b"
                                    << "el.maro" << false << false;
}

void TestSitzungsKonfigurationDialog::fertigPrueftDieNamen()
{
    QFETCH(QString, klient);
    QFETCH(QString, rater);
    QFETCH(bool, klientFehlt);
    QFETCH(bool, raterFehlt);

    QWidget eltern;
    SitzungsKonfigurationDialog dialog(&eltern);
    eingeben(dialog, klient, rater);
    fertig(dialog);
    QCOMPARE(dialog.buttonOk->isEnabled(), !klientFehlt && !raterFehlt);
    QCOMPARE(istBlau(dialog.TextLabelKlient), klientFehlt);
    QCOMPARE(istBlau(dialog.TextLabelRater), raterFehlt);
    // shown and tested even when a name is missing
    QCOMPARE(dialog.LineEditInfodatei->text(), (klient + "_" + rater + "_info.dat").toLower());
    QCOMPARE(dialog.TextLabelExistiert->text(), QString("noch nicht"));
}

void TestSitzungsKonfigurationDialog::nachgetragenerNameWirdWiederNormal()
{
    QWidget eltern;
    SitzungsKonfigurationDialog dialog(&eltern);
    const QColor normal = dialog.TextLabelKlient->palette().color(QPalette::Window);
    fertig(dialog);
    QVERIFY(istBlau(dialog.TextLabelKlient));
    QVERIFY(istBlau(dialog.TextLabelRater));
    // the caption really shows on blue, not just carries a blue palette
    QCOMPARE(dialog.grab(dialog.TextLabelKlient->geometry()).toImage().pixelColor(1, 1), blau);

    dialog.LineEditKlient->setText("a2501655");
    fertig(dialog);
    QVERIFY(!istBlau(dialog.TextLabelKlient));
    QCOMPARE(dialog.TextLabelKlient->palette().color(QPalette::Window), normal);
    QVERIFY(istBlau(dialog.TextLabelRater));
    QVERIFY(!dialog.buttonOk->isEnabled());

    dialog.LineEditRater->setText("elmaro");
    fertig(dialog);
    QVERIFY(!istBlau(dialog.TextLabelRater));
    QVERIFY(dialog.buttonOk->isEnabled());

    // the blue marking follows the current entry, also after it was fine once
    dialog.LineEditRater->clear();
    fertig(dialog);
    QVERIFY(istBlau(dialog.TextLabelRater));
    QVERIFY(!dialog.buttonOk->isEnabled());
}

void TestSitzungsKonfigurationDialog::aenderungenSperrenOk_data()
{
    QTest::addColumn<QString>("aenderung");
    QTest::newRow("Taste im Klientenfeld") << "klient";
    QTest::newRow("Taste im Raterfeld") << "rater";
    QTest::newRow("Rueckschritt im Raterfeld") << "rueckschritt";
    QTest::newRow("Klick auf ja") << "ja";
    QTest::newRow("Klick auf das schon gewaehlte nein") << "nein";
    QTest::newRow("Leertaste auf ja") << "leertaste";
}

void TestSitzungsKonfigurationDialog::aenderungenSperrenOk()
{
    QFETCH(QString, aenderung);
    QWidget eltern;
    SitzungsKonfigurationDialog dialog(&eltern);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    eingeben(dialog, "A2501655", "Elmaro");
    fertig(dialog);
    QVERIFY(dialog.buttonOk->isEnabled());
    const QString dateiname = dialog.LineEditInfodatei->text();

    if (aenderung == "klient")
        QTest::keyClick(dialog.LineEditKlient, Qt::Key_X);
    else if (aenderung == "rater")
        QTest::keyClick(dialog.LineEditRater, Qt::Key_X);
    else if (aenderung == "rueckschritt")
        QTest::keyClick(dialog.LineEditRater, Qt::Key_Backspace);
    else if (aenderung == "ja")
        QTest::mouseClick(dialog.ja, Qt::LeftButton);
    else if (aenderung == "nein")
        QTest::mouseClick(dialog.nein, Qt::LeftButton);
    else
        QTest::keyClick(dialog.ja, Qt::Key_Space);

    QVERIFY(!dialog.buttonOk->isEnabled());
    // nothing else changes until "fertig" is pressed again
    QCOMPARE(dialog.LineEditInfodatei->text(), dateiname);
    QVERIFY(!istBlau(dialog.TextLabelKlient));
    fertig(dialog);
    QVERIFY(dialog.buttonOk->isEnabled());
}

void TestSitzungsKonfigurationDialog::dateinameKleingeschrieben()
{
    QWidget eltern;
    SitzungsKonfigurationDialog dialog(&eltern);
    eingeben(dialog, "A2501655", "ElMaro");
    QCOMPARE(dialog.theFilename(), QString("a2501655_elmaro_info.dat"));
    QVERIFY(dialog.LineEditInfodatei->text().isEmpty());
    fertig(dialog);
    QCOMPARE(dialog.LineEditInfodatei->text(), QString("a2501655_elmaro_info.dat"));
    // the entries themselves keep their case
    QCOMPARE(dialog.LineEditKlient->text(), QString("A2501655"));
    QCOMPARE(dialog.LineEditRater->text(), QString("ElMaro"));

    eingeben(dialog, "", "");
    QCOMPARE(dialog.theFilename(), QString("__info.dat"));
}

void TestSitzungsKonfigurationDialog::fertigErneuertNurDasDatum()
{
    QWidget eltern;
    SitzungsKonfigurationDialog dialog(&eltern);
    dialog.LineEditDatum->setText("alt");
    dialog.LineEditUhrzeit->setText("09:30:05");
    fertig(dialog);
    const QString heute = QDate::currentDate().toString();
    const QString datum = dialog.LineEditDatum->text();
    QVERIFY(datum == heute || datum == QDate::currentDate().addDays(-1).toString());
    QCOMPARE(dialog.LineEditUhrzeit->text(), QString("09:30:05"));
}

void TestSitzungsKonfigurationDialog::existenzTest_data()
{
    QTest::addColumn<QString>("vorhanden");
    QTest::addColumn<bool>("alsVerzeichnis");
    QTest::addColumn<QString>("erwartet");

    QTest::newRow("wie geschrieben") << "A2501655_Elmaro_Info.dat" << false << "schon";
    QTest::newRow("klein") << "a2501655_elmaro_info.dat" << false << "schon";
    QTest::newRow("gross") << "A2501655_ELMARO_INFO.DAT" << false << "schon";
    QTest::newRow("fehlt") << "" << false << "noch nicht";
    QTest::newRow("nur der Verlauf") << "A2501655_Elmaro_Verlauf.dat" << false << "noch nicht";
    QTest::newRow("anderer Rater") << "A2501655_Elmar_Info.dat" << false << "noch nicht";
    QTest::newRow("Verzeichnis") << "A2501655_Elmaro_Info.dat" << true << "noch nicht";
}

void TestSitzungsKonfigurationDialog::existenzTest()
{
    QFETCH(QString, vorhanden);
    QFETCH(bool, alsVerzeichnis);
    QFETCH(QString, erwartet);

    if (alsVerzeichnis)
        QVERIFY(QDir().mkdir(vorhanden));
    else if (!vorhanden.isEmpty())
        QVERIFY(dateiAnlegen(vorhanden));

    QWidget eltern;
    SitzungsKonfigurationDialog dialog(&eltern);
    eingeben(dialog, "A2501655", "Elmaro");
    fertig(dialog);
    QCOMPARE(dialog.TextLabelExistiert->text(), erwartet);

    // a later "fertig" looks again
    if (erwartet == "schon") {
        QVERIFY(QFile::remove(vorhanden));
        fertig(dialog);
        QCOMPARE(dialog.TextLabelExistiert->text(), QString("noch nicht"));
    } else {
#ifdef Q_OS_WIN
        // Letter case aside, the folder's name is the file's: Windows has room for one.
        if (alsVerzeichnis)
            QVERIFY(QDir().rmdir(vorhanden));
#endif
        QVERIFY(dateiAnlegen("a2501655_ELMARO_info.dat"));
        fertig(dialog);
        QCOMPARE(dialog.TextLabelExistiert->text(), QString("schon"));
    }
}

// A file beside the working directory must not count, however the name is written.
void TestSitzungsKonfigurationDialog::existenzTestMitUnsicheremNamen()
{
    QVERIFY(QDir().mkdir("innen"));
    QVERIFY(QDir::setCurrent("innen"));
    QVERIFY(dateiAnlegen("../x_r_info.dat"));

    QWidget eltern;
    SitzungsKonfigurationDialog dialog(&eltern);
    eingeben(dialog, "../x", "r");
    fertig(dialog);
    QCOMPARE(dialog.TextLabelExistiert->text(), QString("noch nicht"));
    QVERIFY(!dialog.buttonOk->isEnabled());
}

void TestSitzungsKonfigurationDialog::cancelLaesstOkFreigegeben()
{
    QWidget eltern;
    SitzungsKonfigurationDialog dialog(&eltern, "KonfigDialog", true);
    eingeben(dialog, "a2501655", "elmaro");

    QTimer klicker;
    int schritt = 0;
    connect(&klicker, &QTimer::timeout, &dialog, [&] {
        if (QApplication::activeModalWidget() != &dialog)
            return;
        if (schritt++ == 0)
            dialog.PushButtonFertig->click();
        else
            dialog.buttonCancel->click();
    });
    klicker.start(10);
    const int ergebnis = dialog.exec();
    klicker.stop();

    QCOMPARE(ergebnis, int(QDialog::Rejected));
    QVERIFY(dialog.buttonOk->isEnabled());
    QCOMPARE(dialog.LineEditKlient->text(), QString("a2501655"));
}

// The folder shows only for a start that did not choose it (from the menu), in the free space
// beside the existence word, so no text of the form is covered.
void TestSitzungsKonfigurationDialog::ordnerNurWennGezeigt()
{
    SitzungsKonfigurationDialog dialog;
    dialog.show();
    QVERIFY(dialog.TextLabelOrdner->isHidden());

    dialog.ordnerZeigen(QDir::homePath() + "/Morvanto");
    QVERIFY(dialog.TextLabelOrdner->isVisible());
    const QRect ordner = dialog.TextLabelOrdner->geometry();
    QVERIFY(dialog.Frame3->contentsRect().contains(ordner));
    for (const QWidget *nachbar : {static_cast<QWidget *>(dialog.TextLabelExistiert),
                                   static_cast<QWidget *>(dialog.LineEditInfodatei),
                                   static_cast<QWidget *>(dialog.TextLabelExistiertSatz)})
        QVERIFY2(!ordner.intersects(nachbar->geometry()), qPrintable(nachbar->objectName()));
    QCOMPARE(dialog.TextLabelExistiert->text(), QString("noch nicht"));
}

void TestSitzungsKonfigurationDialog::ordnerAnzeige_data()
{
    QTest::addColumn<QString>("ordner");
    QTest::addColumn<QString>("problem");
    QTest::addColumn<QString>("anfang");
    QTest::addColumn<QString>("ende");

    const QString heim = QDir::homePath();
    QTest::newRow("im Heimordner") << heim + "/Morvanto" << QString() << "im Ordner ~/Morvanto"
                                   << "~/Morvanto";
    QTest::newRow("Heimordner selbst") << heim << "nicht anlegbar"
                                       << "im Ordner ~"
                                       << "~";
    QTest::newRow("anderswo") << "/srv/studie" << QString() << "im Ordner /srv/studie"
                              << "/srv/studie";
    // A name that only begins like the home folder is not inside it.
    QTest::newRow("Nachbar des Heimordners")
        << heim + "x/M" << QString() << "im Ordner " << heim.section('/', -1) + "x/M";
    QTest::newRow("langer Pfad")
        << "/srv/forschung/therapiestudie-2026/videoratings/zweite-runde/morvanto" << QString()
        << QString("im Ordner \u2026") << "/morvanto";
}

void TestSitzungsKonfigurationDialog::ordnerAnzeige()
{
    QFETCH(QString, ordner);
    QFETCH(QString, problem);
    QFETCH(QString, anfang);
    QFETCH(QString, ende);
    // Shown as the system writes paths (backslashes on Windows).
    anfang = QDir::toNativeSeparators(anfang);
    ende = QDir::toNativeSeparators(ende);
    SitzungsKonfigurationDialog dialog;
    dialog.ordnerZeigen(ordner, problem);

    const QLabel *anzeige = dialog.TextLabelOrdner;
    QVERIFY2(anzeige->text().startsWith(anfang), qPrintable(anzeige->text()));
    QVERIFY2(anzeige->text().endsWith(ende), qPrintable(anzeige->text()));
    QVERIFY2(anzeige->fontMetrics().horizontalAdvance(anzeige->text()) <= anzeige->width(),
             qPrintable(anzeige->text()));
    QVERIFY(anzeige->toolTip().contains(QDir::toNativeSeparators(ordner)));
    if (!problem.isEmpty())
        QVERIFY(anzeige->toolTip().contains(problem));
}

QTEST_MAIN(TestSitzungsKonfigurationDialog)
#include "tst_sitzungskonfigurationdialog.moc"
