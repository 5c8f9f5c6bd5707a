#include "sitzungskonfigurationdialogbase.h"

#include <QApplication>
#include <QSignalSpy>
#include <QTest>

class TestSitzungsKonfigurationDialogBase : public QObject
{
    Q_OBJECT

private slots:
    void nameUndFenster();
    void zustandNachAufbau();
    void radioknoepfeSchliessenSichAus();
    void enterOhneOkSchliesstNicht();
    void okUndCancelBeendenDenDialog();
    void deaktivierteFelderZeigenSchwarzeSchrift();
    void eigenePalettenDerFelder();
    void tabulatorReihenfolge();
    void existiertSchriftUeberlebtSchriftwechsel();
};

void TestSitzungsKonfigurationDialogBase::nameUndFenster()
{
    SitzungsKonfigurationDialogBase ohneName;
    QCOMPARE(ohneName.objectName(), QString("SitzungsKonfigurationDialogBase"));
    QVERIFY(!ohneName.isModal());
    QCOMPARE(ohneName.windowTitle(), QString("SitzungsKonfiguration"));
    QCOMPARE(ohneName.size(), QSize(392, 335));

    QWidget eltern;
    const Qt::WindowFlags flags = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                  Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    SitzungsKonfigurationDialogBase mitName(&eltern, "KonfigDialog", true, flags);
    QCOMPARE(mitName.objectName(), QString("KonfigDialog"));
    QVERIFY(mitName.isModal());
    QCOMPARE(mitName.parentWidget(), &eltern);
    QCOMPARE(mitName.windowFlags(), flags);
}

void TestSitzungsKonfigurationDialogBase::zustandNachAufbau()
{
    SitzungsKonfigurationDialogBase form;
    QVERIFY(!form.buttonOk->isEnabled());
    QVERIFY(form.buttonOk->isDefault());
    QVERIFY(form.buttonCancel->isEnabled());
    QVERIFY(form.nein->isChecked());
    QVERIFY(!form.ja->isChecked());
    for (QLineEdit *feld : {form.LineEditInfodatei, form.LineEditDatum, form.LineEditUhrzeit}) {
        QVERIFY(!feld->isEnabled());
        QVERIFY(feld->text().isEmpty());
    }
    QVERIFY(form.LineEditRater->isEnabled() && form.LineEditRater->text().isEmpty());
    QVERIFY(form.LineEditKlient->isEnabled() && form.LineEditKlient->text().isEmpty());
    QCOMPARE(form.TextLabelExistiert->text(), QString("noch nicht"));
    QVERIFY(form.TextLabel1->text().startsWith(
        "Bitte gib VOR Beginn jeder neuen Sitzung folgende Daten ein.\n"
        "Es ist wichtig, dass Du das zu 100% richtig machst, \nbei Fragen: call "));
    QCOMPARE(form.TextLabelWeiterfuehren->text(),
             QString("Willst Du eine angefangene Sitzung weiterführen?"));
    QCOMPARE(form.buttonOk->parentWidget(), form.Layout1);
    QCOMPARE(form.buttonCancel->parentWidget(), form.Layout1);
    QCOMPARE(form.PushButtonFertig->parentWidget(), form.Frame3);
    QCOMPARE(form.ja->parentWidget(), form.ButtonGroupWeiterfuehren);
    QCOMPARE(form.ButtonGroupJaNein->id(form.nein), 0);
    QCOMPARE(form.ButtonGroupJaNein->id(form.ja), 1);
}

void TestSitzungsKonfigurationDialogBase::radioknoepfeSchliessenSichAus()
{
    SitzungsKonfigurationDialogBase form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QTest::mouseClick(form.ja, Qt::LeftButton);
    QVERIFY(form.ja->isChecked());
    QVERIFY(!form.nein->isChecked());
    QTest::mouseClick(form.ja, Qt::LeftButton);
    QVERIFY(form.ja->isChecked());
    QVERIFY(!form.nein->isChecked());
    QTest::mouseClick(form.nein, Qt::LeftButton);
    QVERIFY(form.nein->isChecked());
    QVERIFY(!form.ja->isChecked());
}

void TestSitzungsKonfigurationDialogBase::enterOhneOkSchliesstNicht()
{
    SitzungsKonfigurationDialogBase form;
    QSignalSpy angenommen(&form, &QDialog::accepted);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    form.LineEditRater->setFocus();
    QTest::keyClick(form.LineEditRater, Qt::Key_Return);
    QVERIFY(form.isVisible());
    QCOMPARE(angenommen.count(), 0);

    form.buttonOk->setEnabled(true);
    QTest::keyClick(form.LineEditRater, Qt::Key_Return);
    QVERIFY(!form.isVisible());
    QCOMPARE(angenommen.count(), 1);
}

void TestSitzungsKonfigurationDialogBase::okUndCancelBeendenDenDialog()
{
    SitzungsKonfigurationDialogBase form;
    form.show();
    form.buttonCancel->click();
    QVERIFY(!form.isVisible());
    QCOMPARE(form.result(), int(QDialog::Rejected));

    form.show();
    form.buttonOk->setEnabled(true);
    form.buttonOk->click();
    QVERIFY(!form.isVisible());
    QCOMPARE(form.result(), int(QDialog::Accepted));
}

void TestSitzungsKonfigurationDialogBase::deaktivierteFelderZeigenSchwarzeSchrift()
{
    SitzungsKonfigurationDialogBase form;
    for (QLineEdit *feld : {form.LineEditInfodatei, form.LineEditDatum, form.LineEditUhrzeit}) {
        QCOMPARE(feld->palette().color(QPalette::Disabled, QPalette::Text), QColor(0, 0, 0));
        QCOMPARE(feld->palette().color(QPalette::Disabled, QPalette::WindowText),
                 QColor(128, 128, 128));
    }
}

void TestSitzungsKonfigurationDialogBase::eigenePalettenDerFelder()
{
    SitzungsKonfigurationDialogBase form;
    const QPalette datum = form.LineEditDatum->palette();
    QCOMPARE(datum.color(QPalette::Active, QPalette::Midlight), QColor(233, 231, 227));
    QCOMPARE(datum.color(QPalette::Inactive, QPalette::Midlight), QColor(243, 239, 230));
    QCOMPARE(datum.color(QPalette::Disabled, QPalette::ButtonText), QColor(128, 128, 128));
    QCOMPARE(datum.color(QPalette::Active, QPalette::Base), QColor(255, 255, 255));
    for (QPalette::ColorGroup g : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        QCOMPARE(form.LineEditInfodatei->palette().color(g, QPalette::Base), QColor(212, 208, 200));
        const QPalette credits = form.MultiLineEdit1->palette();
        QCOMPARE(credits.color(g, QPalette::Text), QColor(0, 0, 127));
        QCOMPARE(credits.color(g, QPalette::Base), QColor(0, 255, 127));
        QCOMPARE(credits.color(g, QPalette::Highlight), QColor(255, 0, 0));
        QCOMPARE(form.PushButtonFertig->palette().color(g, QPalette::Button),
                 QColor(255, 255, 255));
    }
    const QPalette fertig = form.PushButtonFertig->palette();
    QCOMPARE(fertig.color(QPalette::Active, QPalette::ButtonText), QColor(0, 0, 0));
    QCOMPARE(fertig.color(QPalette::Disabled, QPalette::ButtonText), QColor(128, 128, 128));
    QCOMPARE(fertig.color(QPalette::Inactive, QPalette::Dark), QColor(127, 127, 127));
}

void TestSitzungsKonfigurationDialogBase::tabulatorReihenfolge()
{
    SitzungsKonfigurationDialogBase form;
    const QList<QWidget *> kette = {form.LineEditRater, form.LineEditKlient, form.PushButtonFertig,
                                    form.buttonOk,      form.buttonCancel,   form.LineEditInfodatei,
                                    form.nein,          form.LineEditDatum};
    // labels and containers sit in the focus chain too but never take the focus
    QList<QWidget *> gefunden;
    for (QWidget *w = kette.first(); gefunden.size() < kette.size(); w = w->nextInFocusChain()) {
        if (w->focusPolicy() & Qt::TabFocus)
            gefunden.append(w);
    }
    QCOMPARE(gefunden, kette);
}

void TestSitzungsKonfigurationDialogBase::existiertSchriftUeberlebtSchriftwechsel()
{
    const QFont vorher = QApplication::font();
    SitzungsKonfigurationDialogBase form;
    QCOMPARE(form.TextLabelExistiert->font().family(), QString("@Batang"));
    QVERIFY(form.TextLabelExistiert->font().bold());

    QFont gross = vorher;
    gross.setPointSize(17);
    QApplication::setFont(gross);
    QCoreApplication::processEvents();
    const QFont danach = form.TextLabelExistiert->font();
    QApplication::setFont(vorher);
    QCOMPARE(danach.family(), QString("@Batang"));
    QVERIFY(danach.bold());
    QCOMPARE(danach.pointSize(), 17);
}

QTEST_MAIN(TestSitzungsKonfigurationDialogBase)
#include "tst_sitzungskonfigurationdialogbase.moc"
