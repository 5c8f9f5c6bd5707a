#include "morvantodialog.h"

#include "sitzungskonfigurationdialog.h"

#include <QButtonGroup>
#include <QDate>
#include <QDebug>
#include <QKeyEvent>
#include <QTime>

#include <cmath>

namespace {

// Warning and correction-mode colour; the button being corrected gets a lighter one.
QPalette warnPalette()
{
    return QPalette(QColor(255, 70, 70));
}

QPalette korrekturKnopfPalette()
{
    return QPalette(QColor(255, 150, 150));
}

// Back to the palette inherited from the parent.
void paletteZuruecksetzen(QWidget *w)
{
    w->setPalette(QPalette());
}

} // namespace

Qt::WindowFlags MorvantoDialog::titelleistenFlags()
{
    return Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
           Qt::WindowCloseButtonHint;
}

MorvantoDialog::MorvantoDialog(QWidget *parent, const char *name, bool modal, Qt::WindowFlags fl)
    : MorvantoDialogBase(parent, name, modal, fl), zaehlwerkUhr(new ZaehlwerkUhr)
{
    bewertetBis = Zeitpunkt(0, 0.0);
    setWindowTitle(tr("v1.76 Morvanto"));

    konfigDialog = new SitzungsKonfigurationDialog(this, "KonfigDialog", true, titelleistenFlags());
    QFont konfigSchrift = konfigDialog->font();
    konfigSchrift.setFamilies({QStringLiteral("Arial")});
    konfigSchrift.setPointSize(8);
    konfigDialog->setFont(konfigSchrift);

    BtTherapeut_NLF->setText(tr("nicht\nLös.Sprache (6)"));
    klartasteSetzen(BtTherapeut_NLF, QLatin1Char('6'));
    BtKlient_NLF->setText(tr("nicht\nLös.Sprache (3)"));
    klartasteSetzen(BtKlient_NLF, QLatin1Char('3'));

    verbindungenHerstellen();
    sitzungZuruecksetzen();
}

MorvantoDialog::~MorvantoDialog()
{
    sekundenTimer.stop();
    countdownTimer.stop();
    verlauf->clear();
    verlauf.reset();
    delete konfigDialog;
}

void MorvantoDialog::verbindungenHerstellen()
{
    connect(BtKonfiguration, &QPushButton::clicked, this, &MorvantoDialog::openKonfigDialog);
    connect(BtRun, &QPushButton::toggled, this, &MorvantoDialog::RatingBeginnOderPause);
    connect(BtGrpRatingGruppe, &QButtonGroup::idPressed, this,
            &MorvantoDialog::SpeichereRatingButton);
    connect(BtSave, &QPushButton::pressed, this, &MorvantoDialog::RatingEnde);
    connect(BtKorrigieren, &QPushButton::toggled, this, &MorvantoDialog::KorrigierenSchalter);
    connect(PushButtonCountdown, &QPushButton::toggled, this, &MorvantoDialog::CountdownStart);

    connect(&countdownTimer, &QTimer::timeout, this, &MorvantoDialog::Countdown);
    connect(&sekundenTimer, &QTimer::timeout, this, &MorvantoDialog::aktualisiereZeitanzeige);

    connect(SldSecs, &QSlider::valueChanged, this, &MorvantoDialog::SliderCheckFaerbung);
    connect(SldMins, &QSlider::valueChanged, this, &MorvantoDialog::SliderCheckFaerbung);
}

void MorvantoDialog::zaehlwerkUhrEinsetzen(std::unique_ptr<ZaehlwerkUhr> uhr)
{
    if (uhr)
        zaehlwerkUhr = std::move(uhr);
}

void MorvantoDialog::sitzungZuruecksetzen()
{
    verlauf = std::make_unique<Verlauf>();
    weitergefuehrt = false;
    pauseGedrueckt = false;
    TextLabelAnzahl->setText(QStringLiteral("0"));
    TextLabelMittlereDauer->setText(QStringLiteral("00:00"));
    bewertetBis = Zeitpunkt(0, 0.0);
    SldSecs->setValue(0);
    SldMins->setValue(0);
    sitzungsSteuerungFreigeben(false);
    konfigDialog->buttonOk->setEnabled(false);
    konfigDialog->LineEditKlient->clear();
}

// FrmRun and FrmCounter together: the session can be run only once it is configured.
void MorvantoDialog::sitzungsSteuerungFreigeben(bool frei)
{
    FrmRun->setEnabled(frei);
    FrmCounter->setEnabled(frei);
}

void MorvantoDialog::openKonfigDialog()
{
    konfigDialog->LineEditDatum->setText(QDate::currentDate().toString());
    konfigDialog->LineEditUhrzeit->setText(QTime::currentTime().toString());
    konfigDialog->exec();

    // The dialog enables OK only when its entries are complete; whether it was left with
    // OK or Cancel does not matter.
    const bool konfiguriert = konfigDialog->buttonOk->isEnabled();
    infoline1->setText(konfiguriert ? tr("OK. Es kann losgehen...")
                                    : tr("Zuerst die Sitzung konfigurieren"));
    sitzungsSteuerungFreigeben(konfiguriert);
}

void MorvantoDialog::RatingEnde() {}

// ---- counter -------------------------------------------------------------------------

double MorvantoDialog::zaehlwerkStand() const
{
    double x = startSekunden + startMinuten * 60;
    if (sekundenTimer.isActive())
        x += zaehlwerkUhr->elapsed() * 0.001;
    return x;
}

int MorvantoDialog::standMinuten() const
{
    return int(zaehlwerkStand() * 0.016666666666666666);
}

double MorvantoDialog::standSekunden() const
{
    const double x = zaehlwerkStand();
    const double ganz = std::trunc(x);
    return std::fmod(ganz, 60.0) + std::fabs(x - ganz);
}

Zeitpunkt MorvantoDialog::zaehlwerkZeitpunkt() const
{
    return Zeitpunkt(standMinuten(), standSekunden());
}

void MorvantoDialog::aktualisiereZeitanzeige()
{
    const double x = zaehlwerkStand();
    SldSecs->setValue(int(std::fmod(std::trunc(x), 60.0)));
    // Beyond the slider's 70 minutes the display stays at 70; time points keep the truth.
    SldMins->setValue(standMinuten());
}

void MorvantoDialog::SliderCheckFaerbung()
{
    const Zeitpunkt p(SldMins->value(), SldSecs->value());
    const bool nichtsBewertet = bewertetBis == Zeitpunkt(0, 0.0);
    if (bewertetBis < p || nichtsBewertet) {
        if (bereichsWarnung) {
            bereichsWarnungZeigen(false);
            infoline2->setText(QString());
        }
        return;
    }
    bereichsWarnungZeigen(true);
    infoline2->setText(tr("dieser Zeit-Bereich wurde schon eingeschätzt!!!   Bitte nicht "
                          "nochmal einschätzen, das führt garantiert zu Chaos..."));
}

void MorvantoDialog::bereichsWarnungZeigen(bool zeigen)
{
    if (zeigen) {
        LCDSecs->setPalette(warnPalette());
        LCDMins->setPalette(warnPalette());
    } else {
        paletteZuruecksetzen(LCDSecs);
        paletteZuruecksetzen(LCDMins);
    }
    bereichsWarnung = zeigen;
}

void MorvantoDialog::CountdownStart(bool on)
{
    if (!on)
        return;
    countdownTimer.stop();
    countdownTimer.start(500);
    BtRun->setText(QStringLiteral("10"));
    infoline1->setText(tr("Wichtig ist eine SEHR genaue Synchronisierung mit dem Videocounter! "
                          "Bitte im Zweifel mehrmals versuchen..."));
}

void MorvantoDialog::Countdown()
{
    const int n = BtRun->text().toInt();
    if (n - 1 >= 0) {
        BtRun->setText(QStringLiteral("%1").arg(n - 1));
        return;
    }
    countdownBeenden();
}

void MorvantoDialog::countdownBeenden()
{
    countdownTimer.stop();
    BtRun->setText(tr("&Run"));
    klartasteSetzen(BtRun, QLatin1Char('r'));
    infoline1->setText(QString());
    setEnabled(true);
    BtRun->setChecked(true);
    PushButtonCountdown->setChecked(false);
}

// ---- rating input ----------------------------------------------------------------------

void MorvantoDialog::SpeichereRatingButton(int id)
{
    if (BtKorrigieren->isChecked()) {
        korrigiereLetzteEinschaetzung(id);
        return;
    }
    const Zeitpunkt t = zaehlwerkZeitpunkt();
    verlauf->eintragen(t, id);
    zaehleTastendruck(t);
}

// Counts presses, not stored entries: a press at an already stored time point counts too.
void MorvantoDialog::zaehleTastendruck(const Zeitpunkt &t)
{
    const int n = TextLabelAnzahl->text().toInt() + 1;
    TextLabelAnzahl->setText(QString::number(n));
    const double mittel = t.inSekunden() / n;
    TextLabelMittlereDauer->setText(Zeitpunkt(0, mittel).toString());
}

void MorvantoDialog::korrigiereLetzteEinschaetzung(int id)
{
    const Zeitpunkt letzter = verlauf->letzterZeitpunkt();
    QString ergebnis;
    if (letzter == Zeitpunkt(0, 0.0)) {
        ergebnis = tr("Noch nix zu korrigieren.");
    } else {
        verlauf->entfernen(letzter);
        verlauf->eintragen(letzter, id);
        ergebnis = tr("Die letzte Einschaetzung wurde korrigiert.");
    }
    KorrigierenSchalter(false);
    infoline2->setText(ergebnis);
}

void MorvantoDialog::KorrigierenSchalter(bool on)
{
    if (on) {
        FrmKorrigieren->setPalette(warnPalette());
        infoline2->setPalette(warnPalette());
        korrekturEinschaetzung = verlauf->eintragInfo(verlauf->letzterZeitpunkt()).einschaetzung;
        QAbstractButton *knopf = BtGrpRatingGruppe->button(korrekturEinschaetzung);
        if (korrekturEinschaetzung > 0 && knopf) {
            knopf->setPalette(korrekturKnopfPalette());
            infoline2->setText(tr("Bitte nun die letzte Entscheidung korrigieren"));
        } else {
            infoline2->setText(tr("nix zu korrigieren..."));
        }
        return;
    }
    paletteZuruecksetzen(FrmKorrigieren);
    paletteZuruecksetzen(infoline2);
    if (QAbstractButton *knopf = BtGrpRatingGruppe->button(korrekturEinschaetzung))
        paletteZuruecksetzen(knopf);
    BtKorrigieren->setChecked(false);
    infoline2->setText(QString());
}

void MorvantoDialog::RatingBeginnOderPause(bool on)
{
    if (on)
        zaehlwerkStarten();
    else
        zaehlwerkAnhalten();
}

void MorvantoDialog::zaehlwerkStarten()
{
    infoline1->setText(tr("Abschalten des Run-Buttons PAUSIERT das Zählwerk (nur benutzen wenn "
                          "NICHT die Inter-Rater-Übereinstimmung gemessen werden muss!)"));
    infoline2->setText(
        tr("Das Zählwerk läuft. Am Ende jeder Sinneinheit eine der 7 Tasten drücken."));
    startSekunden = int(LCDSecs->value());
    startMinuten = int(LCDMins->value());
    SldMins->setEnabled(false);
    SldSecs->setEnabled(false);
    if (Zeitpunkt(0, 0.0) < verlauf->letzterZeitpunkt()) {
        qDebug("pause gedrückt");
        pauseGedrueckt = true;
    }
    zaehlwerkUhr->restart();
    sekundenTimer.stop();
    sekundenTimer.start(1000);
}

void MorvantoDialog::zaehlwerkAnhalten()
{
    infoline1->setText(tr("Zählwerk angehalten (PAUSE)"));
    infoline2->setText(QString());
    sekundenTimer.stop();
    KorrigierenSchalter(false);
    bewertetBis = verlauf->letzterZeitpunkt();
    SldMins->setEnabled(true);
    SldSecs->setEnabled(true);
}

// An accidental Escape must never end a session: only the window's close control does.
void MorvantoDialog::keyPressEvent(QKeyEvent *e)
{
    if (e->matches(QKeySequence::Cancel)) {
        e->accept();
        return;
    }
    MorvantoDialogBase::keyPressEvent(e);
}
