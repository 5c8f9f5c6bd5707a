#include "morvantodialogbase.h"

#include <QApplication>
#include <QButtonGroup>
#include <QSignalSpy>
#include <QTest>
#include <QToolTip>

class TestMorvantoDialogBase : public QObject
{
    Q_OBJECT

private slots:
    void objektnameOhneUndMitName();
    void festeGroesse();
    void widgetsGeometrieTexteTooltips_data();
    void widgetsGeometrieTexteTooltips();
    void anzeigeEigenschaften();
    void schiebereglerFuehrenLcd();
    void tastenErreichenGruppenIds_data();
    void tastenErreichenGruppenIds();
    void tastenNurBeiFreigabe();
    void runSchaltetAbhaengigeKnoepfe();
    void countdownSperrtFenster();
    void tabulatorReihenfolge();
    void schriftwechselStelltUeberschriftenWiederHer();
};

void TestMorvantoDialogBase::objektnameOhneUndMitName()
{
    MorvantoDialogBase ohne;
    QCOMPARE(ohne.objectName(), QStringLiteral("MorvantoDialogBase"));
    MorvantoDialogBase mit(nullptr, "Morvanto Hauptfenster", true);
    QCOMPARE(mit.objectName(), QStringLiteral("Morvanto Hauptfenster"));
    QVERIFY(mit.isModal());
    QCOMPARE(ohne.windowTitle(), QStringLiteral("Morvanto"));
}

void TestMorvantoDialogBase::festeGroesse()
{
    MorvantoDialogBase f;
    QCOMPARE(f.size(), QSize(215, 620));
    QCOMPARE(f.minimumSize(), QSize(215, 620));
    QCOMPARE(f.maximumSize(), QSize(215, 620));
    QCOMPARE(f.sizePolicy().horizontalPolicy(), QSizePolicy::Fixed);
    QCOMPARE(f.sizePolicy().verticalPolicy(), QSizePolicy::Fixed);
    QVERIFY(!f.isSizeGripEnabled());
    QCOMPARE(f.cursor().shape(), Qt::ArrowCursor);
}

void TestMorvantoDialogBase::widgetsGeometrieTexteTooltips_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("eltern");
    QTest::addColumn<QRect>("geometrie");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("tooltip");

    const QString nix;
    const QString sperre =
        QStringLiteral("(ACHTUNG: Nicht in bereits ge-ratet-e Bereiche springen!)");
    auto zeile = [](const char *n, const char *e, QRect g, const QString &t, const QString &tt) {
        QTest::newRow(n) << QString::fromLatin1(n) << QString::fromLatin1(e) << g << t << tt;
    };
    zeile("FrmCounter", "MorvantoDialogBase", {9, 555, 198, 58}, nix, "Zählwerk");
    zeile("SldSecs", "FrmCounter", {99, 40, 86, 16}, nix, "Sekundeneinsteller " + sperre);
    zeile("TextLabelDoppelpunkt", "FrmCounter", {96, 8, 7, 25}, ":", nix);
    zeile("SldMins", "FrmCounter", {9, 40, 83, 16}, nix, "Minuteneinsteller " + sperre);
    zeile("LCDSecs", "FrmCounter", {105, 5, 62, 33}, nix, "Sekunden");
    zeile("LCDMins", "FrmCounter", {30, 5, 63, 32}, nix, "Minuten");
    zeile("infoline2", "MorvantoDialogBase", {10, 481, 194, 71}, "Infoline 2", nix);
    zeile("BtKonfiguration", "MorvantoDialogBase", {29, 0, 146, 27}, "Sitzungskonfiguration",
          "Muss VOR jedem einzelnen Sitzungsrating ausgefüllt werden");
    zeile("infoline1", "MorvantoDialogBase", {6, 28, 199, 67},
          "Bitte zunächst die Sitzung konfigurieren", nix);
    zeile("FrmRun", "MorvantoDialogBase", {14, 97, 179, 74}, nix, nix);
    zeile("BtSave", "FrmRun", {96, 5, 75, 48}, "Ende",
          "Erst ganz am Ende eines Videos werden auf Tastendruck alle Daten auf die Festplatte "
          "geschrieben");
    zeile("PushButtonCountdown", "FrmRun", {11, 53, 75, 19}, "countdown", nix);
    zeile("BtRun", "FrmRun", {11, 5, 75, 48}, "&Run", "Start und Pause für das Zählwerk");
    zeile("BtGrpRating", "MorvantoDialogBase", {0, 172, 212, 309}, nix, nix);
    zeile("TextLabelMittlereDauer", "BtGrpRating", {154, 12, 51, 22}, "", nix);
    zeile("TextLabelTitelMittlereDauer", "BtGrpRating", {92, 10, 52, 24}, "mittlere\nDauer",
          "Gesamtdauer / Anzahl");
    zeile("TextLabelTitelAnzahl_2", "BtGrpRating", {10, 2, 42, 41}, "Anzahl\nTasten\ndrücke",
          "Dies kann von der Anzahl der gespeicherten Einschaetzungen abweichen, wenn mehrmals "
          "pro Sekunde!");
    zeile("TextLabelAnzahl", "BtGrpRating", {51, 13, 41, 22}, "", nix);
    zeile("TextLabelTherapeut_2", "BtGrpRating", {23, 190, 42, 22}, "Klient", nix);
    zeile("TextLabelTherapeut", "BtGrpRating", {14, 54, 61, 22}, "Therapeut", nix);
    zeile("Line1_2_2", "BtGrpRating", {7, 220, 204, 4}, nix, nix);
    zeile("Line1_2", "BtGrpRating", {4, 45, 204, 4}, nix, nix);
    zeile("Line1_2_3", "BtGrpRating", {178, 271, 28, 16}, nix, nix);
    zeile("Line1_2_3_2", "BtGrpRating", {10, 271, 28, 16}, nix, nix);
    zeile("FrmKorrigieren", "BtGrpRating", {45, 252, 130, 50}, nix, nix);
    zeile("BtKorrigieren", "FrmKorrigieren", {25, 5, 80, 40}, "Korrigieren (0)",
          "Die jeweils LETZTE Einschätzung kann noch korrigiert werden.");
    zeile("BtKlient_NLF", "BtGrpRating", {110, 140, 100, 45}, "nicht Lös.sprache (3)",
          "KLIENT hat NICHT lösungsfokussiert kommuniziert");
    zeile("BtKlient_U", "BtGrpRating", {90, 188, 110, 30}, "unklar (2)",
          "KLIENT, Einschätzung unklar");
    zeile("BtTherapeut_U", "BtGrpRating", {90, 52, 110, 30}, "unklar (5)",
          "THERAPEUT, Einschätzung unklar");
    zeile("BtTherapeut_LF", "BtGrpRating", {5, 84, 101, 45}, "Lös.sprache (4)",
          "THERAPEUT hat lösungsfokussiert kommuniziert");
    zeile("BtTherapeut_NLF", "BtGrpRating", {110, 84, 100, 45}, "nicht Lös.sprache (6)",
          "THERAPEUT hat NICHT lösungsfokussiert kommuniziert");
    zeile("BtKlient_LF", "BtGrpRating", {5, 140, 100, 45}, "Lös.sprache (1)",
          "KLIENT hat lösungsfokussiert kommuniziert");
    zeile("PushButton12", "BtGrpRating", {14, 226, 190, 23}, "nix (Pause, Hinsetzen, ...) (7)",
          "Wenn beide sich nicht äussern ...");
}

void TestMorvantoDialogBase::widgetsGeometrieTexteTooltips()
{
    QFETCH(QString, name);
    QFETCH(QString, eltern);
    QFETCH(QRect, geometrie);
    QFETCH(QString, text);
    QFETCH(QString, tooltip);

    MorvantoDialogBase f;
    auto *w = f.findChild<QWidget *>(name);
    QVERIFY(w);
    QCOMPARE(w->parentWidget()->objectName(), eltern);
    QCOMPARE(w->geometry(), geometrie);
    QCOMPARE(w->toolTip(), tooltip);
    QVERIFY(w->whatsThis().isEmpty());
    if (auto *knopf = qobject_cast<QAbstractButton *>(w))
        QCOMPARE(knopf->text(), text);
    else if (auto *label = qobject_cast<QLabel *>(w))
        QCOMPARE(label->text(), text);
}

void TestMorvantoDialogBase::anzeigeEigenschaften()
{
    MorvantoDialogBase f;
    QCOMPARE(f.SldSecs->maximum(), 59);
    QCOMPARE(f.SldMins->maximum(), 70);
    QCOMPARE(f.SldMins->pageStep(), 5);
    QCOMPARE(f.SldSecs->pageStep(), 5);
    QCOMPARE(f.SldMins->orientation(), Qt::Horizontal);
    QCOMPARE(f.LCDMins->digitCount(), 3);
    QCOMPARE(f.LCDSecs->digitCount(), 2);
    QCOMPARE(f.LCDSecs->segmentStyle(), QLCDNumber::Flat);
    // A warning palette on an LCD must show as a red background.
    QVERIFY(f.LCDSecs->autoFillBackground() && f.LCDMins->autoFillBackground());
    for (QLabel *l : {f.infoline1, f.infoline2}) {
        QCOMPARE(l->textFormat(), Qt::PlainText);
        QCOMPARE(l->alignment(), Qt::AlignCenter);
        QVERIFY(l->wordWrap());
    }
    QVERIFY(f.BtRun->isCheckable() && f.PushButtonCountdown->isCheckable() &&
            f.BtKorrigieren->isCheckable());
    QCOMPARE(f.BtGrpRating->frameShape(), QFrame::NoFrame);
    QVERIFY(!f.BtGrpRating->isEnabled());
    QCOMPARE(f.Line1_2->frameShape(), QFrame::HLine);
    QCOMPARE(f.Line1_2->frameShadow(), QFrame::Sunken);
    QCOMPARE(f.Line1_2_3_2->midLineWidth(), 1);
    QCOMPARE(f.FrmKorrigieren->frameShape(), QFrame::StyledPanel);
    QCOMPARE(f.FrmCounter->frameShape(), QFrame::WinPanel);

    const QList<QAbstractButton *> gruppe = f.BtGrpRatingGruppe->buttons();
    QCOMPARE(gruppe.size(), 7);
    for (QAbstractButton *b : gruppe)
        QVERIFY(!b->isCheckable());
    QVERIFY(f.BtTherapeut_LF->autoDefault() && f.BtKlient_U->autoDefault());
    QVERIFY(!f.BtKlient_NLF->autoDefault() && !f.PushButton12->autoDefault());
}

void TestMorvantoDialogBase::schiebereglerFuehrenLcd()
{
    MorvantoDialogBase f;
    QCOMPARE(f.LCDMins->intValue(), 0);
    f.SldMins->setValue(70);
    QCOMPARE(f.LCDMins->intValue(), 70);
    QVERIFY(!f.LCDMins->checkOverflow(70));
    f.SldMins->setValue(71);
    QCOMPARE(f.LCDMins->intValue(), 70);
    f.SldSecs->setValue(60);
    QCOMPARE(f.SldSecs->value(), 59);
    QCOMPARE(f.LCDSecs->intValue(), 59);
}

void TestMorvantoDialogBase::tastenErreichenGruppenIds_data()
{
    QTest::addColumn<int>("taste");
    QTest::addColumn<int>("id");
    QTest::addColumn<QString>("knopf");
    QTest::newRow("1") << int(Qt::Key_1) << 4 << "BtKlient_LF";
    QTest::newRow("2") << int(Qt::Key_2) << 6 << "BtKlient_U";
    QTest::newRow("3") << int(Qt::Key_3) << 5 << "BtKlient_NLF";
    QTest::newRow("4") << int(Qt::Key_4) << 1 << "BtTherapeut_LF";
    QTest::newRow("5") << int(Qt::Key_5) << 3 << "BtTherapeut_U";
    QTest::newRow("6") << int(Qt::Key_6) << 2 << "BtTherapeut_NLF";
    QTest::newRow("7") << int(Qt::Key_7) << 7 << "PushButton12";
}

void TestMorvantoDialogBase::tastenErreichenGruppenIds()
{
    QFETCH(int, taste);
    QFETCH(int, id);
    QFETCH(QString, knopf);

    MorvantoDialogBase f;
    f.show();
    QVERIFY(QTest::qWaitForWindowActive(&f));
    f.BtRun->setChecked(true);
    QSignalSpy gedrueckt(f.BtGrpRatingGruppe, &QButtonGroup::idPressed);
    QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : &f, Qt::Key(taste));
    QCOMPARE(gedrueckt.size(), 1);
    QCOMPARE(gedrueckt.at(0).at(0).toInt(), id);
    QCOMPARE(f.BtGrpRatingGruppe->button(id)->objectName(), knopf);
}

void TestMorvantoDialogBase::tastenNurBeiFreigabe()
{
    MorvantoDialogBase f;
    f.show();
    QVERIFY(QTest::qWaitForWindowActive(&f));
    QSignalSpy gedrueckt(f.BtGrpRatingGruppe, &QButtonGroup::idPressed);
    QTest::keyClick(&f, Qt::Key_1);
    QCOMPARE(gedrueckt.size(), 0);

    // r and 0 switch their toggle buttons; modifiers do not count.
    QTest::keyClick(&f, Qt::Key_R, Qt::ControlModifier);
    QTest::qWait(150);
    QVERIFY(!f.BtRun->isChecked());
    QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : &f, Qt::Key_R);
    QTRY_VERIFY(f.BtRun->isChecked());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_0);
    QTRY_VERIFY(f.BtKorrigieren->isChecked());
}

void TestMorvantoDialogBase::runSchaltetAbhaengigeKnoepfe()
{
    MorvantoDialogBase f;
    auto zustand = [&f] {
        return QList<bool>{f.BtSave->isEnabled(), f.BtKonfiguration->isEnabled(),
                           f.BtGrpRating->isEnabled(), f.PushButtonCountdown->isEnabled()};
    };
    const QList<bool> anfang = zustand();
    QCOMPARE(anfang, (QList<bool>{true, true, false, true}));
    f.BtRun->setChecked(true);
    QCOMPARE(zustand(), (QList<bool>{false, false, true, false}));
    f.BtRun->setChecked(false);
    f.BtRun->setChecked(true);
    f.BtRun->setChecked(false);
    QCOMPARE(zustand(), anfang);
}

void TestMorvantoDialogBase::countdownSperrtFenster()
{
    MorvantoDialogBase f;
    f.PushButtonCountdown->setChecked(true);
    QVERIFY(!f.isEnabled());
    QVERIFY(!f.PushButtonCountdown->isEnabled());
    f.PushButtonCountdown->setChecked(false);
    QVERIFY(f.isEnabled());
}

void TestMorvantoDialogBase::tabulatorReihenfolge()
{
    MorvantoDialogBase f;
    const QList<QWidget *> kette = {f.BtKonfiguration, f.BtRun,          f.BtSave,
                                    f.BtTherapeut_U,   f.BtTherapeut_LF, f.BtTherapeut_NLF,
                                    f.BtKorrigieren,   f.BtKlient_LF,    f.BtKlient_NLF,
                                    f.BtKlient_U,      f.SldMins,        f.SldSecs};
    // The next widget that Tab reaches, skipping widgets that take no keyboard focus.
    auto naechster = [](QWidget *w) {
        do
            w = w->nextInFocusChain();
        while (!(w->focusPolicy() & Qt::TabFocus));
        return w;
    };
    for (int i = 0; i + 1 < kette.size(); ++i)
        QCOMPARE(naechster(kette[i])->objectName(), kette[i + 1]->objectName());
}

void TestMorvantoDialogBase::schriftwechselStelltUeberschriftenWiederHer()
{
    const QFont vorher = QApplication::font();
    MorvantoDialogBase f;
    QFont schrift = f.font();
    schrift.setFamilies({QStringLiteral("Arial")});
    schrift.setPointSize(8);
    QApplication::setFont(schrift);
    QCoreApplication::processEvents();

    QCOMPARE(f.TextLabelDoppelpunkt->font().family(), QStringLiteral("Arial"));
    QCOMPARE(f.TextLabelDoppelpunkt->font().pointSize(), 16);
    QCOMPARE(f.TextLabelTherapeut_2->font().pointSize(), 9);
    QVERIFY(f.TextLabelTherapeut_2->font().bold() && f.TextLabelTherapeut_2->font().underline());
    QVERIFY(f.TextLabelTherapeut->font().bold() && f.TextLabelTherapeut->font().underline());
    QCOMPARE(f.TextLabelTherapeut->font().pointSize(), 8);
    QCOMPARE(f.TextLabelTherapeut->font().family(), QStringLiteral("Arial"));
    QCOMPARE(f.BtRun->font().pointSize(), 8);

    // The "Therapeut" heading takes family and size from whatever application font follows.
    schrift.setPointSize(11);
    QApplication::setFont(schrift);
    QCoreApplication::processEvents();
    QCOMPARE(f.TextLabelTherapeut->font().pointSize(), 11);
    QVERIFY(f.TextLabelTherapeut->font().bold());
    QCOMPARE(f.TextLabelDoppelpunkt->font().pointSize(), 16);
    QApplication::setFont(vorher);
}

QTEST_MAIN(TestMorvantoDialogBase)
#include "tst_morvantodialogbase.moc"
