#include "morvantodialog.h"

#include "einlesebericht.h"
#include "hinweis.h"
#include "infospeichern.h"
#include "journalfund.h"
#include "kopplungsort.h"
#include "signalwaechter.h"
#include "sitzungsjournal.h"
#include "sitzungskonfigurationdialog.h"
#include "sitzungsnamen.h"
#include "spielerrueckmeldung.h"
#include "verlaufspeichern.h"
#include "videokopplung.h"
#include "wiederherstellungsfrage.h"

#include "formatierung.h"

#include <QApplication>
#include <QButtonGroup>
#include <QDateTime>
#include <QDebug>
#include <QDir>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMessageBox>

#include <algorithm>
#include <csignal>
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

// A player's report that lies this far behind the counter is a jump back, not jitter.
constexpr qint64 sprungToleranzMs = 100;
// The player reports its position frame by frame; at its key the counter's own position may
// lie up to this far ahead and still be the same playback, only finer.
constexpr qint64 bildToleranzMs = 100;
// How long a command to the player may take before its old state counts again.
constexpr qint64 befehlsFristMs = 500;

} // namespace

Qt::WindowFlags MorvantoDialog::titelleistenFlags()
{
    return Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
           Qt::WindowCloseButtonHint;
}

MorvantoDialog::MorvantoDialog(QWidget *parent, const char *name, bool modal, Qt::WindowFlags fl)
    : MorvantoDialogBase(parent, name, modal, fl), journal(std::make_unique<SitzungsJournal>())
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

    // The coupling strip lies below the window's specified height, shown only when coupled.
    fensterHoehe = height();
    TextLabelKopplung->hide();

    verbindungenHerstellen();
    sitzungZuruecksetzen();

    connect(journal.get(), &SitzungsJournal::fehlgeschlagen, this,
            &MorvantoDialog::journalFehlerZeigen);
    connect(journal.get(), &SitzungsJournal::wiederGeschrieben, this,
            &MorvantoDialog::journalWiederZeigen);
}

MorvantoDialog::~MorvantoDialog()
{
    sekundenTimer.stop();
    countdownTimer.stop();
    if (verlauf->size() > 1 && !durchSignalBeendet)
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
    // The next session is a new one unless the rater says otherwise.
    konfigDialog->nein->setChecked(true);
    seitLesenBewertet = false;
}

// FrmRun and FrmCounter together: the session can be run only once it is configured.
void MorvantoDialog::sitzungsSteuerungFreigeben(bool frei)
{
    FrmRun->setEnabled(frei);
    FrmCounter->setEnabled(frei);
}

// As typed, or in the letter case of the session's files where they exist: one look at the
// folder for both names.
SitzungsNamen MorvantoDialog::sitzungsNamen() const
{
    return SitzungsNamen::wieVorhanden(konfigDialog->LineEditKlient->text(),
                                       konfigDialog->LineEditRater->text());
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
    // Only a confirmed "ja" reads: a look at the dialog left with Cancel changes nothing.
    const bool bestaetigt = konfigDialog->exec() == QDialog::Accepted;

    QString bericht;
    if (bestaetigt && konfigDialog->ja->isChecked() &&
        konfigDialog->TextLabelExistiert->text() == QLatin1String("schon"))
        bericht = seitLesenBewertet ? einlesenVerweigert() : verlaufEinlesen(verlaufsDateiName());
    konfigurationAbschliessen(bericht);
}

// The dialog enables OK only when its entries are complete; whether it was left with OK or
// Cancel does not matter.
void MorvantoDialog::konfigurationAbschliessen(const QString &bericht)
{
    const bool konfiguriert = konfigDialog->buttonOk->isEnabled();
    const QString davor = bericht.isEmpty() ? QString() : bericht + QLatin1Char('\n');
    infoline1->setText(davor + (konfiguriert ? tr("OK. Es kann losgehen...")
                                             : tr("Zuerst die Sitzung konfigurieren")));
    sitzungsSteuerungFreigeben(konfiguriert);
    if (konfiguriert) {
        const SitzungsNamen n = sitzungsNamen();
        journal->benennen(n.klient, n.rater, QDir::currentPath());
    }
}

QString MorvantoDialog::einlesenVerweigert()
{
    const QString name = verlaufsDateiName();
    Hinweis::zeigen(this, tr("Morvanto - NICHT eingelesen"),
                    tr("Daten wurden NICHT aus %1 eingelesen: sonst wären die seit dem letzten "
                       "Speichern eingegebenen Sinneinheiten verloren gewesen.\n\nDie Sitzung geht "
                       "mit den Daten im Speicher weiter.")
                        .arg(name));
    return tr("Daten wurden NICHT aus %1 eingelesen").arg(name);
}

// Continues an interrupted session from a history file (or a journal) and puts the counter
// at the last rated time point. Returns the report for the rater.
QString MorvantoDialog::verlaufEinlesen(const QString &name)
{
    auto *leser = new VerlaufSpeichern(this);
    leser->verlauf = verlauf.get();
    const bool gelesen = leser->DateiLesen(name, datenBezeichnung);
    const Verlauf::Lesestopp stopp = leser->lesestopp;
    if (gelesen) {
        weitergefuehrt = true;
        if (Zeitpunkt(0, 0.0) < verlauf->letzterZeitpunkt())
            pauseGedrueckt = true;
    }
    delete leser;

    bewertetBis = verlauf->letzterZeitpunkt();
    SldMins->setValue(bewertetBis.minuten);
    SldSecs->setValue(int(bewertetBis.sekunden));
    const int anzahl = std::max(verlauf->size() - 1, 0);
    statistikAnzeigen(anzahl, bewertetBis);

    journal->ersetzen(*verlauf);
    seitLesenBewertet = false;
    const EinleseBericht bericht(name, gelesen, stopp, anzahl, QDateTime::currentDateTime());
    if (!bericht.hinweis().isEmpty())
        Hinweis::zeigen(this, EinleseBericht::hinweisTitel(), bericht.hinweis());
    return bericht.zeile();
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
    const SitzungsNamen n = sitzungsNamen();
    const SpeicherErgebnis e = sitzungSpeichern(n.klient, n.rater, "Speichern war erfolgreich: ");
    if (!e.verlaufOk || !e.infoOk) {
        infoline1->setText(tr("Irgendwelche Speicherprobleme\nAm besten nochmal versuchen..."));
        return;
    }
    journal->entfernen();
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

// The session's history file, as read back and written by "Ende".
QString MorvantoDialog::verlaufsDateiName()
{
    const SitzungsNamen n = sitzungsNamen();
    return sitzungsDateiNamen(n.klient, n.rater).at(0);
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
    const QStringList teile = sicherungsTeile();
    const QString &erster = teile.at(0);
    const QString &zweiter = teile.at(1);
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
    // A termination signal during the box has saved the session already.
    if (durchSignalBeendet)
        return;
    sicherungSpeichern(erster, zweiter);
}

// The backup's two name parts: "SIKO_" + date, and the time.
QStringList MorvantoDialog::sicherungsTeile() const
{
    const QDateTime jetzt = QDateTime::currentDateTime();
    return {QStringLiteral("SIKO_") + datumKompakt(jetzt.date()), uhrzeitKompakt(jetzt.time())};
}

// The backup pair; once it is safe, the journal is no longer needed.
void MorvantoDialog::sicherungSpeichern(const QString &erster, const QString &zweiter)
{
    const SpeicherErgebnis e =
        sitzungSpeichern(erster, zweiter, "Verlauf Speichern war erfolgreich: ");
    if (e.verlaufOk && e.infoOk)
        journal->entfernen();
}

// ---- crash safety ----------------------------------------------------------------------

void MorvantoDialog::imProgrammBetrieb()
{
    auto *waechter = new SignalWaechter({SIGTERM, SIGHUP, SIGINT}, this);
    connect(waechter, &SignalWaechter::signalEmpfangen, this, &MorvantoDialog::signalBeenden);
    QTimer::singleShot(0, this, &MorvantoDialog::wiederherstellungAnbieten);

    QString problem;
    const QString sockel = KopplungsOrt::sockel(&problem);
    if (sockel.isEmpty())
        qDebug("Keine Videoplayer-Kopplung: %s", qPrintable(problem));
    else
        videoKopplungStarten(sockel);
}

// A logout, a shutdown or Ctrl+C: the forbidden close without its message box, and without
// retry prompts, since nobody may be there to answer them. If the backup fails, the journal
// stays and a restart offers the session.
void MorvantoDialog::signalBeenden(int signal)
{
    if (durchSignalBeendet)
        return;
    qDebug("Signal %d: Sicherungskopie ohne Rueckfrage, dann Programmende", signal);
    sekundenTimer.stop();
    countdownTimer.stop();
    if (verlauf->size() > 1) {
        const QStringList teile = sicherungsTeile();
        const DatenSpeichern::Rueckfrage vorher =
            DatenSpeichern::rueckfrageSetzen([](const QString &, const QString &) { return 0; });
        sicherungSpeichern(teile.at(0), teile.at(1));
        DatenSpeichern::rueckfrageSetzen(vorher);
    }
    journal->warten();
    durchSignalBeendet = true;
    // Leaves every event loop, the open message boxes' too, and makes any later one
    // return at once.
    QCoreApplication::exit(0);
}

void MorvantoDialog::wiederherstellungAnbieten()
{
    for (const JournalFund &fund : JournalFund::finden(QDir::currentPath())) {
        if (WiederherstellungsFrage::stellen(this, fund)) {
            sitzungWiederherstellen(fund);
            return;
        }
    }
}

// As if the rater had configured the journal's names with "ja" and its history had been
// read back. Its ratings are in no history file yet, so they count as unsaved.
void MorvantoDialog::sitzungWiederherstellen(const JournalFund &fund)
{
    konfigDialog->LineEditRater->setText(fund.rater);
    konfigDialog->LineEditKlient->setText(fund.klient);
    konfigDialog->ja->setChecked(true);
    konfigDialog->PushButtonFertig->click();
    journal->uebernehmen(fund.pfad, fund.klient, fund.rater);
    const QString bericht = verlaufEinlesen(fund.dateiName);
    seitLesenBewertet = verlauf->size() > 1;
    konfigurationAbschliessen(bericht);
}

void MorvantoDialog::journalFehlerZeigen(const QString &datei, const QString &grund)
{
    infoline2->setText(
        tr("ACHTUNG: %1 nicht zu schreiben (%2)! Bald 'Ende' drücken.").arg(datei, grund));
}

// Whether the information line still shows the journal's warning (for that file).
bool MorvantoDialog::journalWarnungSichtbar(const QString &datei) const
{
    return infoline2->text().startsWith(QStringLiteral("ACHTUNG: ") + datei);
}

void MorvantoDialog::journalWiederZeigen(const QString &datei)
{
    if (journalWarnungSichtbar(datei))
        infoline2->setText(tr("Journal %1 wird wieder geschrieben.").arg(datei));
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
    if (videoGekoppelt()) {
        PushButtonCountdown->setChecked(false);
        infoline1->setText(tr("Mit dem Videoplayer gekoppelt: kein Countdown nötig, das "
                              "Zählwerk folgt dem Video."));
        return;
    }
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
    countdownAbbrechen();
    BtRun->setChecked(true);
    PushButtonCountdown->setChecked(false);
}

void MorvantoDialog::countdownAbbrechen()
{
    countdownTimer.stop();
    BtRun->setText(tr("&Run"));
    klartasteSetzen(BtRun, QLatin1Char('r'));
    infoline1->setText(QString());
    setEnabled(true);
}

// ---- rating input ----------------------------------------------------------------------

void MorvantoDialog::SpeichereRatingButton(int id)
{
    if (BtKorrigieren->isChecked()) {
        korrigiereLetzteEinschaetzung(id);
        return;
    }
    const Zeitpunkt t = spielerTastenZeit ? *spielerTastenZeit : zaehlwerkZeitpunkt();
    verlauf->eintragen(t, id);
    journal->eintragen(t, id);
    seitLesenBewertet = true;
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
        verlauf->korrigieren(letzter, id);
        journal->korrigieren(letzter, id);
        seitLesenBewertet = true;
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
    if (videoGekoppelt())
        spielerSteuern(true);
    else
        zaehlwerk.starten(startMinuten, startSekunden);
}

void MorvantoDialog::zaehlwerkAnhalten()
{
    infoline1->setText(tr("Zählwerk angehalten (PAUSE)"));
    infoline2->setText(QString());
    sekundenTimer.stop();
    // The display goes to the whole seconds of this instant, which the next start takes up.
    if (videoGekoppelt())
        spielerSteuern(false);
    else
        zaehlwerk.anhalten();
    KorrigierenSchalter(false);
    bewertetBis = verlauf->letzterZeitpunkt();
    schiebereglerFreigeben();
}

// The sliders set the counter by hand: while it stands, and never while a player sets it.
void MorvantoDialog::schiebereglerFreigeben()
{
    const bool vonHand = !BtRun->isChecked() && !videoGekoppelt();
    SldMins->setEnabled(vonHand);
    SldSecs->setEnabled(vonHand);
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

// ---- video coupling --------------------------------------------------------------------

void MorvantoDialog::videoKopplungStarten(const QString &sockel)
{
    if (!kopplung) {
        kopplung = new VideoKopplung([this] { return zaehlwerk.jetzt(); }, this);
        connect(kopplung, &VideoKopplung::gefunden, this, &MorvantoDialog::spielerGefunden);
        connect(kopplung, &VideoKopplung::standGemeldet, this, &MorvantoDialog::spielerStand);
        connect(kopplung, &VideoKopplung::titelGemeldet, this, &MorvantoDialog::kopplungZeigen);
        connect(kopplung, &VideoKopplung::tasteGemeldet, this, &MorvantoDialog::spielerTaste);
        connect(kopplung, &VideoKopplung::beendet, this, &MorvantoDialog::spielerWeg);
        rueckmeldung = new SpielerRueckmeldung(*this, *kopplung);
    }
    kopplung->suchen(sockel);
}

bool MorvantoDialog::videoGekoppelt() const
{
    return kopplung && kopplung->gekoppelt();
}

void MorvantoDialog::spielerGefunden()
{
    // The player's position replaces the countdown's start.
    if (PushButtonCountdown->isChecked()) {
        countdownAbbrechen();
        PushButtonCountdown->setChecked(false);
    }
    schiebereglerFreigeben();
    kopplungZeigen();
}

// The player's position and pause state are the counter's. Once the session is configured,
// Run follows the player as if the rater had switched it, with its texts and the pause flag.
void MorvantoDialog::spielerStand()
{
    if (!kopplung->positionBekannt())
        return;
    const qint64 t = kopplung->gemeldetUm();
    const qint64 position = kopplung->gemeldetePositionMs();
    const bool laeuft = !kopplung->pausiert();
    if (befohlenePause) {
        // A frame reported before the player took the rater's pause would undo it.
        const bool nochNicht = kopplung->pausiert() != *befohlenePause;
        if (nochNicht && t - befohlenUm < befehlsFristMs)
            return;
        befohlenePause.reset();
    }
    const bool zurueck = position + sprungToleranzMs < zaehlwerk.standMs(t);
    if (FrmRun->isEnabled() && BtRun->isChecked() != laeuft) {
        spielerMeldet = true;
        BtRun->setChecked(laeuft);
        spielerMeldet = false;
    }
    if (zurueck)
        bewertetBis = verlauf->letzterZeitpunkt();
    zaehlwerk.setzen(position, t, laeuft);
    // The sliders may not have moved at all; the rated range must be checked anyway.
    if (zurueck)
        SliderCheckFaerbung();
}

// Run and pause in Morvanto pause and resume the player. Until its report arrives the
// counter goes on, or stands, from where it is.
void MorvantoDialog::spielerSteuern(bool laufen)
{
    const qint64 t = zaehlwerk.jetzt();
    if (!spielerMeldet) {
        kopplung->pausieren(!laufen);
        befohlenePause = !laufen;
        befohlenUm = t;
    }
    zaehlwerk.umschalten(t, laufen);
}

// A key pressed in the player does what the same key does in this window, and nothing
// where it would do nothing here: a disabled button, or another window in front.
void MorvantoDialog::spielerTaste(QChar taste, qint64 positionMs)
{
    QAbstractButton *knopf = knopfFuerTaste(taste);
    QWidget *modal = QApplication::activeModalWidget();
    if (!knopf || !knopf->isEnabled() || !knopf->isVisible() || (modal && modal != this)) {
        qDebug("Taste %c im Videoplayer: hier gerade ohne Wirkung", taste.toLatin1());
        rueckmeldung->tasteOhneWirkung(taste);
        return;
    }
    spielerTastenZeit = spielerZeitpunkt(positionMs);
    knopf->click();
    spielerTastenZeit.reset();
}

QAbstractButton *MorvantoDialog::knopfFuerTaste(QChar taste) const
{
    const QKeySequence sequenz{QString(taste)};
    QList<QAbstractButton *> knoepfe = BtGrpRatingGruppe->buttons();
    knoepfe << BtKorrigieren << BtRun;
    for (QAbstractButton *knopf : knoepfe) {
        if (knopf->shortcut() == sequenz)
            return knopf;
    }
    return nullptr;
}

// The player's position at its key. It counts in whole frames; while it plays, the
// counter's own position at the message's arrival is the same playback to the millisecond,
// unless the message came late or the player jumped meanwhile.
Zeitpunkt MorvantoDialog::spielerZeitpunkt(qint64 positionMs) const
{
    const qint64 t = kopplung->gemeldetUm();
    const qint64 eigen = zaehlwerk.standMs(t);
    const bool feiner =
        zaehlwerk.laeuft() && eigen >= positionMs && eigen - positionMs < bildToleranzMs;
    if (positionMs < 0 || feiner)
        return zaehlwerk.zeitpunkt(t);
    return Zaehlwerk::zeitpunktAusMs(positionMs);
}

// By hand again, as specified: the counter runs on only if Run is on.
void MorvantoDialog::spielerWeg()
{
    if (!BtRun->isChecked() && zaehlwerk.laeuft())
        zaehlwerk.umschalten(zaehlwerk.jetzt(), false);
    schiebereglerFreigeben();
    kopplungZeigen();
    // A journal warning matters more than this news.
    if (!journalWarnungSichtbar())
        infoline2->setText(tr("Kopplung mit dem Videoplayer beendet: weiter von Hand."));
}

// The strip below the counter: to which video the counter is coupled. Without a coupling
// the window is exactly as specified.
void MorvantoDialog::kopplungZeigen()
{
    const bool gekoppelt = videoGekoppelt();
    if (gekoppelt) {
        const QString titel =
            kopplung->titel().isEmpty() ? tr("(noch kein Video)") : kopplung->titel();
        const QString text = tr("Video gekoppelt: %1").arg(titel);
        TextLabelKopplung->setText(TextLabelKopplung->fontMetrics().elidedText(
            text, Qt::ElideMiddle, TextLabelKopplung->contentsRect().width() - 4));
        TextLabelKopplung->setToolTip(
            tr("Das Zählwerk folgt dem Videoplayer: %1\n(%2)").arg(titel, kopplung->sockel()));
    }
    if (gekoppelt == !TextLabelKopplung->isHidden())
        return;
    TextLabelKopplung->setVisible(gekoppelt);
    const int hoehe = gekoppelt ? TextLabelKopplung->geometry().bottom() + 4 : fensterHoehe;
    setFixedSize(width(), hoehe);
}
