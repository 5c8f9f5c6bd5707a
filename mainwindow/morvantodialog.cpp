#include "morvantodialog.h"

#include "infospeichern.h"
#include "sitzungskonfigurationdialog.h"
#include "verlaufspeichern.h"

#include "formatierung.h"

#include <QButtonGroup>
#include <QDateTime>
#include <QDebug>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMessageBox>

#include <algorithm>
#include <limits>

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

const QString datenBezeichnung = QStringLiteral("Rating Verlauf");

// 20030616
QString datumKompakt(const QDate &d)
{
    return QString::number(d.year()) + zweistellig(d.month()) + zweistellig(d.day());
}

// 093005
QString uhrzeitKompakt(const QTime &t)
{
    return zweistellig(t.hour()) + zweistellig(t.minute()) + zweistellig(t.second());
}

// Arms a one-shot timer for the instant `faellig` of the counter's time base, read at `jetzt`.
void weckerStellen(QTimer &timer, qint64 faellig, qint64 jetzt)
{
    const qint64 maxMs = std::numeric_limits<int>::max();
    timer.start(int(std::clamp<qint64>(faellig - jetzt, 0, maxMs)));
}

// A coarse timer may fire 5 % early or late; the display and the countdown must change
// within a few milliseconds of their instants.
void alsWeckerEinrichten(QTimer &timer)
{
    timer.setSingleShot(true);
    timer.setTimerType(Qt::PreciseTimer);
}

} // namespace

Qt::WindowFlags MorvantoDialog::titelleistenFlags()
{
    return Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
           Qt::WindowCloseButtonHint;
}

MorvantoDialog::MorvantoDialog(QWidget *parent, const char *name, bool modal, Qt::WindowFlags fl)
    : MorvantoDialogBase(parent, name, modal, fl)
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
    if (verlauf->size() > 1)
        verbotenesBeenden();
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

    alsWeckerEinrichten(countdownTimer);
    alsWeckerEinrichten(sekundenTimer);
    connect(&countdownTimer, &QTimer::timeout, this, &MorvantoDialog::Countdown);
    connect(&sekundenTimer, &QTimer::timeout, this, &MorvantoDialog::aktualisiereZeitanzeige);
    connect(&zaehlwerk, &Zaehlwerk::standGeaendert, this, &MorvantoDialog::aktualisiereZeitanzeige);

    connect(SldSecs, &QSlider::valueChanged, this, &MorvantoDialog::SliderCheckFaerbung);
    connect(SldMins, &QSlider::valueChanged, this, &MorvantoDialog::SliderCheckFaerbung);
}

void MorvantoDialog::zaehlwerkUhrEinsetzen(std::unique_ptr<ZaehlwerkUhr> uhr)
{
    zaehlwerk.uhrEinsetzen(std::move(uhr));
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

QString MorvantoDialog::klientName() const
{
    return konfigDialog->LineEditKlient->text();
}

QString MorvantoDialog::raterName() const
{
    return konfigDialog->LineEditRater->text();
}

void MorvantoDialog::openKonfigDialog()
{
    const QDateTime jetzt = QDateTime::currentDateTime();
    konfigDialog->LineEditDatum->setText(jetzt.date().toString());
    konfigDialog->LineEditUhrzeit->setText(jetzt.time().toString());
    // The dialog is reused: without this the focus stays on OK or Cancel from last time,
    // and a returning rater's first keystrokes would go nowhere.
    QLineEdit *erstesFeld = konfigDialog->LineEditRater->text().isEmpty()
                                ? konfigDialog->LineEditRater
                                : konfigDialog->LineEditKlient;
    erstesFeld->setFocus();
    konfigDialog->exec();

    QString bericht;
    if (konfigDialog->ja->isChecked() &&
        konfigDialog->TextLabelExistiert->text() == QLatin1String("schon"))
        bericht = verlaufEinlesen() + QLatin1Char('\n');

    // The dialog enables OK only when its entries are complete; whether it was left with
    // OK or Cancel does not matter.
    const bool konfiguriert = konfigDialog->buttonOk->isEnabled();
    infoline1->setText(bericht + (konfiguriert ? tr("OK. Es kann losgehen...")
                                               : tr("Zuerst die Sitzung konfigurieren")));
    sitzungsSteuerungFreigeben(konfiguriert);
}

// Continues an interrupted session from its history file and puts the counter at the last
// rated time point. Returns the report for the rater.
QString MorvantoDialog::verlaufEinlesen()
{
    auto *leser = new VerlaufSpeichern(this);
    leser->verlauf = verlauf.get();
    const QString name = leser->DateiName(klientName(), raterName());
    const bool gelesen = leser->DateiLesen(name, datenBezeichnung);
    if (gelesen) {
        weitergefuehrt = true;
        if (Zeitpunkt(0, 0.0) < verlauf->letzterZeitpunkt())
            pauseGedrueckt = true;
    }
    delete leser;

    bewertetBis = verlauf->letzterZeitpunkt();
    SldMins->setValue(bewertetBis.minuten);
    SldSecs->setValue(int(bewertetBis.sekunden));
    statistikAnzeigen(std::max(verlauf->size() - 1, 0), bewertetBis);

    return tr("Daten wurden") + (gelesen ? QStringLiteral(" ") : tr(" NICHT ")) +
           tr("erfolgreich aus ") + name + tr(" eingelesen");
}

// Count and mean duration (counter position / count); with no rating as after a reset.
void MorvantoDialog::statistikAnzeigen(int anzahl, const Zeitpunkt &stand)
{
    TextLabelAnzahl->setText(QString::number(anzahl));
    TextLabelMittlereDauer->setText(anzahl > 0
                                        ? Zeitpunkt(0, stand.inSekunden() / anzahl).toString()
                                        : QStringLiteral("00:00"));
}

void MorvantoDialog::RatingEnde()
{
    const SpeicherErgebnis e =
        sitzungSpeichern(klientName(), raterName(), "Speichern war erfolgreich: ");
    if (!e.verlaufOk || !e.infoOk) {
        infoline1->setText(tr("Irgendwelche Speicherprobleme\nAm besten nochmal versuchen..."));
        return;
    }
    verlauf->clear();
    verlauf.reset();
    sitzungZuruecksetzen();
    // After the reset, whose slider check would empty a range warning's line.
    infoline1->setText(tr("Verlauf und Info gespeichert: ") + e.verlaufName + tr(" und ") +
                       e.infoName);
    infoline2->setText(tr("Alle flüchtigen Daten gelöscht,\nNeubeginn möglich."));
}

// Writes the history file and then, always, the info file under the two name parts.
MorvantoDialog::SpeicherErgebnis MorvantoDialog::sitzungSpeichern(const QString &teil1,
                                                                  const QString &teil2,
                                                                  const char *verlaufMeldung)
{
    SpeicherErgebnis e;
    auto *verlaufSpeicher = new VerlaufSpeichern(this);
    verlaufSpeicher->verlauf = verlauf.get();
    e.verlaufName = verlaufSpeicher->DateiName(teil1, teil2);
    e.verlaufOk = verlaufSpeicher->DateiSpeichern(e.verlaufName, datenBezeichnung);
    delete verlaufSpeicher;
    qDebug("%s%d", verlaufMeldung, int(e.verlaufOk));

    auto *infoSpeicher = new InfoSpeichern(this);
    infoSpeicher->InfoDatenSetzen(TextLabelAnzahl->text(), TextLabelMittlereDauer->text(),
                                  verlauf->letzterZeitpunkt(), weitergefuehrt, pauseGedrueckt);
    e.infoName = infoSpeicher->DateiName(teil1, teil2);
    e.infoOk = infoSpeicher->DateiSpeichern(e.infoName, datenBezeichnung);
    delete infoSpeicher;
    qDebug("InfoSpeichern war erfolgreich: %d", int(e.infoOk));
    return e;
}

// The file names the savers give to the two name parts: history first, then info.
QStringList MorvantoDialog::sitzungsDateiNamen(const QString &teil1, const QString &teil2)
{
    VerlaufSpeichern verlaufSpeicher(this);
    InfoSpeichern infoSpeicher(this);
    return {verlaufSpeicher.DateiName(teil1, teil2), infoSpeicher.DateiName(teil1, teil2)};
}

// Closing with unsaved ratings: scold, then write a backup named after date and time. The
// names shown are exactly those written, since file names are case-sensitive here.
void MorvantoDialog::verbotenesBeenden()
{
    const QDateTime jetzt = QDateTime::currentDateTime();
    const QString erster = QStringLiteral("SIKO_") + datumKompakt(jetzt.date());
    const QString zweiter = uhrzeitKompakt(jetzt.time());
    const QStringList namen = sitzungsDateiNamen(erster, zweiter);

    const QString text =
        tr("Vor dem Beenden dieses Programmes müssen die Daten IMMER manuell per 'Ende'-Taste "
           "abge-SPEICHER-t werden.\n\nFast wären die wertvollen %1 Sinneinheiten verloren "
           "gewesen, die in mühseliger %2 dauernden Arbeitszeit eingegeben wurden.\nAlso: Bitte "
           "immer als letztes 'Ende' drücken, dann erst das Programm schliessen!\n\nIch werde "
           "nun versuchen, eine Sicherheitskopie der Daten abzuspeichern unter: \n%3\n%4\n\n"
           "Nach Kopieren und manuellem Umbenennen ins normale Schema können die Daten dann "
           "einfach\nmittels 'angefangene Sitzung weiterführen' eingelesen und neu abgespeichert "
           "werden.\n\nVielleicht nochmal Glück gehabt? Schaun wir mal, ob das Speichern nun "
           "klappt ...")
            .arg(QString::number(verlauf->size() - 1), verlauf->letzterZeitpunkt().toString(),
                 namen.at(1), namen.at(0));
    QMessageBox::critical(this, tr("Morvanto - so beenden ist VERBOTEN!"), text);

    sitzungSpeichern(erster, zweiter, "Verlauf Speichern war erfolgreich: ");
}

// ---- counter -------------------------------------------------------------------------

double MorvantoDialog::zaehlwerkStand() const
{
    return zaehlwerk.stand(zaehlwerk.jetzt());
}

int MorvantoDialog::standMinuten() const
{
    return Zaehlwerk::minutenAnteil(zaehlwerkStand());
}

double MorvantoDialog::standSekunden() const
{
    return Zaehlwerk::sekundenAnteil(zaehlwerkStand());
}

// Minutes and seconds from one reading: two could fall on either side of a minute.
Zeitpunkt MorvantoDialog::zaehlwerkZeitpunkt() const
{
    return zaehlwerk.zeitpunkt(zaehlwerk.jetzt());
}

// Shows the whole seconds reached and, while the counter runs, wakes up again when the
// next one is reached. A wake-up that comes early shows the same second again.
void MorvantoDialog::aktualisiereZeitanzeige()
{
    const qint64 t = zaehlwerk.jetzt();
    const qint64 ganze = zaehlwerk.ganzeSekunden(t);
    SldSecs->setValue(int(ganze % 60));
    // Beyond the slider's 70 minutes the display stays at 70; time points keep the truth.
    SldMins->setValue(int(std::min<qint64>(ganze / 60, SldMins->maximum())));
    if (zaehlwerk.laeuft())
        weckerStellen(sekundenTimer, zaehlwerk.naechsteGanzeSekunde(t), t);
    else
        sekundenTimer.stop();
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
    const qint64 t = zaehlwerk.countdownStarten();
    countdownTimer.stop();
    weckerStellen(countdownTimer, zaehlwerk.naechsterCountdownSchritt(t), t);
    BtRun->setText(QString::number(zaehlwerk.countdownStand(t)));
    infoline1->setText(tr("Wichtig ist eine SEHR genaue Synchronisierung mit dem Videocounter! "
                          "Bitte im Zweifel mehrmals versuchen..."));
}

// Shows the step due now, whenever the tick comes; the counter's zero instant lies 5.5 s
// after the switch-on, and a late last tick starts it with the position it would have had.
void MorvantoDialog::Countdown()
{
    const qint64 t = zaehlwerk.jetzt();
    if (zaehlwerk.countdownAbgelaufen(t)) {
        countdownBeenden();
        return;
    }
    BtRun->setText(QStringLiteral("%1").arg(zaehlwerk.countdownStand(t)));
    weckerStellen(countdownTimer, zaehlwerk.naechsterCountdownSchritt(t), t);
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
    statistikAnzeigen(TextLabelAnzahl->text().toInt() + 1, t);
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
    const int startSekunden = int(LCDSecs->value());
    const int startMinuten = int(LCDMins->value());
    SldMins->setEnabled(false);
    SldSecs->setEnabled(false);
    if (Zeitpunkt(0, 0.0) < verlauf->letzterZeitpunkt()) {
        qDebug("pause gedrückt");
        pauseGedrueckt = true;
    }
    zaehlwerk.starten(startMinuten, startSekunden);
}

void MorvantoDialog::zaehlwerkAnhalten()
{
    infoline1->setText(tr("Zählwerk angehalten (PAUSE)"));
    infoline2->setText(QString());
    sekundenTimer.stop();
    // The display goes to the whole seconds of this instant, which the next start takes up.
    zaehlwerk.anhalten();
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
