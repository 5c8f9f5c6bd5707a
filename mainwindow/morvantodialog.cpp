#include "morvantodialog.h"

#include "einlesebericht.h"
#include "hinweis.h"
#include "journalfund.h"
#include "kopplungsort.h"
#include "meldungsfenster.h"
#include "plattform.h"
#include "sitzungsdateien.h"
#include "sitzungsjournal.h"
#include "sitzungskonfigurationdialog.h"
#include "sitzungsnamen.h"
#include "spieleranbindung.h"
#include "wanduhr.h"
#include "wecker.h"
#include "wiederherstellungsfrage.h"

#include "dateifehler.h"
#include "formatierung.h"

#include <QButtonGroup>
#include <QDebug>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLineEdit>

#include <algorithm>
#include <cstdio>

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

const Zeitpunkt anfang(0, 0.0);

// Long enough for the window's first paint; too short for the rater to notice.
constexpr int nachDemStartMs = 50;

} // namespace

Qt::WindowFlags MorvantoDialog::titelleistenFlags()
{
    return Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
           Qt::WindowCloseButtonHint;
}

MorvantoDialog::MorvantoDialog(QWidget *parent, const char *name, bool modal, Qt::WindowFlags fl)
    : MorvantoDialogBase(parent, name, modal, fl)
{
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

    // The coupling strip lies below the window's fixed height, shown only when coupled.
    fensterHoehe = height();
    TextLabelKopplung->hide();

    verbindungenHerstellen();
    sitzungZuruecksetzen();
    // A shortcut clicks its button animated, and toggled() comes 100 ms after the key: the
    // counter must start and pause at the key, and a rating key right after 0 must correct.
    BtRun->installEventFilter(this);
    BtKorrigieren->installEventFilter(this);

    connect(&sitzung_, &Sitzung::journalFehlgeschlagen, this, &MorvantoDialog::journalFehlerZeigen);
    connect(&sitzung_, &Sitzung::journalWiederGeschrieben, this,
            &MorvantoDialog::journalWiederZeigen);
}

MorvantoDialog::~MorvantoDialog()
{
    sekundenTimer.stop();
    countdownTimer.stop();
    if (sitzung_.ungesichert() && !durchSignalBeendet)
        verbotenesBeenden();
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
    sitzung_.zuruecksetzen();
    TextLabelAnzahl->setText(QStringLiteral("0"));
    TextLabelMittlereDauer->setText(QStringLiteral("00:00"));
    SldSecs->setValue(0);
    SldMins->setValue(0);
    sitzungsSteuerungFreigeben(false);
    konfigDialog->buttonOk->setEnabled(false);
    konfigDialog->LineEditKlient->clear();
    // The next session is a new one unless the rater says otherwise.
    konfigDialog->nein->setChecked(true);
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
    const QDateTime jetzt = Wanduhr::lesen();
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
    if (konfigDialog->buttonOk->isEnabled() && !sitzungBelegen())
        return;

    QString bericht;
    if (bestaetigt && konfigDialog->ja->isChecked() &&
        konfigDialog->TextLabelExistiert->text() == QLatin1String("schon"))
        bericht = sitzung_.seitLesenBewertet() ? einlesenVerweigert()
                                               : verlaufEinlesen(verlaufsDateiName());
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
    ordnerPruefen();
}

// One session, one writer: a session that another running Morvanto holds is neither read
// nor taken here, and the window stays unconfigured.
bool MorvantoDialog::sitzungBelegen()
{
    const SitzungsNamen n = sitzungsNamen();
    if (sitzung_.benennen(n.klient, n.rater, QDir::currentPath()))
        return true;
    Hinweis::zeigen(this, tr("Morvanto - Sitzung schon geöffnet"),
                    tr("Die Sitzung %1 / %2 ist %3.\n\nBitte dort weiterarbeiten und dort "
                       "'Ende' drücken; hier wird sie nicht geöffnet, sonst würde ein Fenster "
                       "die Daten des anderen überschreiben.")
                        .arg(n.klient, n.rater, sitzung_.sperrFehler()));
    infoline1->setText(tr("Zuerst die Sitzung konfigurieren"));
    sitzungsSteuerungFreigeben(false);
    return false;
}

QString MorvantoDialog::einlesenVerweigert()
{
    const QString name = verlaufsDateiName();
    Hinweis::zeigen(this, tr("Morvanto - NICHT eingelesen"),
                    SitzungsDateien::einlesenVerweigertText(name));
    return tr("Daten wurden NICHT aus %1 eingelesen").arg(name);
}

// Continues an interrupted session from a history file (or a journal) and puts the counter
// at the last rated time point. Returns the report for the rater.
QString MorvantoDialog::verlaufEinlesen(const QString &name)
{
    const SitzungsDateien::Gelesen g = SitzungsDateien(this).einlesen(sitzung_, name);
    const bool verlaufsDatei = name == verlaufsDateiName();
    sitzung_.eingelesen(g.ok, verlaufsDatei ? sitzung_.dateiPfad(name) : QString());
    const Zeitpunkt bis = sitzung_.bewertetBis();
    SldMins->setValue(bis.minuten);
    SldSecs->setValue(int(bis.sekunden));
    const int anzahl = std::max(sitzung_.verlauf().size() - 1, 0);
    statistikAnzeigen(anzahl, bis);

    const EinleseBericht bericht(name, g.ok, g.stopp, anzahl, Wanduhr::lesen());
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
    const SitzungsDateien::Ergebnis e =
        sitzungSpeichern(n.klient, n.rater, "Speichern war erfolgreich: ");
    if (!e.ok()) {
        infoline1->setText(tr("Irgendwelche Speicherprobleme\nAm besten nochmal versuchen..."));
        ordnerPruefen();
        zeile2(e.grund);
        return;
    }
    const QString journal = sitzung_.journal()->dateiPfad();
    const bool journalWeg = sitzung_.gesichert();
    sitzungZuruecksetzen();
    // After the reset, whose slider check would empty a range warning's line.
    infoline1->setText(tr("Verlauf und Info gespeichert: ") + e.verlaufName + tr(" und ") +
                       e.infoName);
    journalWarnung = journalWeg ? QString()
                                : tr("ACHTUNG: Journal %1 nicht zu löschen; als gespeichert "
                                     "vermerkt.")
                                      .arg(QFileInfo(journal).fileName());
    ordnerPruefen();
    zeile2(tr("Alle flüchtigen Daten gelöscht,\nNeubeginn möglich."));
    if (!e.aufbewahrt.isEmpty())
        Hinweis::zeigen(this, tr("Morvanto - vorherige Datei aufbewahrt"),
                        tr("%1 war nicht die Datei, die diese Sitzung eingelesen oder zuletzt "
                           "geschrieben hat (inzwischen neu oder verändert, etwa von einem "
                           "anderen Fenster oder einer älteren Sitzung).\n\nSie ist unverändert "
                           "aufbewahrt unter:\n%2\n\nGespeichert ist jetzt diese Sitzung.")
                            .arg(e.verlaufName, e.aufbewahrt));
}

// Both files under the two name parts; once they are safe, the caller lets the journal go.
SitzungsDateien::Ergebnis
MorvantoDialog::sitzungSpeichern(const QString &teil1, const QString &teil2, const char *meldung)
{
    return SitzungsDateien(this).speichern(sitzung_, teil1, teil2, TextLabelAnzahl->text(),
                                           TextLabelMittlereDauer->text(), meldung);
}

// The session's history file, as read back and written by "Ende".
QString MorvantoDialog::verlaufsDateiName()
{
    const SitzungsNamen n = sitzungsNamen();
    return SitzungsDateien(this).namen(n.klient, n.rater).at(0);
}

// Closing with unsaved ratings: scold, then write a backup named after date and time. The
// names shown are exactly those written, since file names are case-sensitive here.
void MorvantoDialog::verbotenesBeenden()
{
    const QStringList teile = Sitzung::sicherungsTeile();
    const QStringList namen = SitzungsDateien(this).namen(teile.at(0), teile.at(1));
    const Verlauf &verlauf = sitzung_.verlauf();
    const QString text = SitzungsDateien::verbotenText(
        verlauf.size() - 1, verlauf.letzterZeitpunkt().toString(), namen.at(1), namen.at(0));
    rueckfragen(Rueckfrage::Art::VerbotenesBeenden, this, tr("Morvanto - so beenden ist VERBOTEN!"),
                text);
    // A request to end during the box has saved the session already.
    if (durchSignalBeendet)
        return;
    if (sitzungSpeichern(teile.at(0), teile.at(1), "Verlauf Speichern war erfolgreich: ").ok())
        sitzung_.gesichert();
}

void MorvantoDialog::imProgrammBetrieb()
{
    connect(Plattform::endeMelderErstellen(this), &Plattform::EndeMelder::endeVerlangt, this,
            &MorvantoDialog::signalBeenden);
    // Once the window is up: the rater sees it at once, then the question or the coupling.
    QTimer::singleShot(nachDemStartMs, this, [this] {
        // A session begun meanwhile is the rater's answer already.
        if (!FrmRun->isEnabled())
            wiederherstellungAnbieten();
        QString problem;
        const QString sockel = KopplungsOrt::sockel(&problem);
        if (sockel.isEmpty())
            qDebug("Keine Videoplayer-Kopplung: %s", qPrintable(problem));
        else
            videoKopplungStarten(sockel);
    });
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
    bool gesichert = true;
    if (sitzung_.ungesichert()) {
        const QStringList teile = Sitzung::sicherungsTeile();
        const NiemandDa niemand;
        gesichert =
            sitzungSpeichern(teile.at(0), teile.at(1), "Verlauf Speichern war erfolgreich: ").ok();
        if (gesichert)
            sitzung_.gesichert();
    }
    const bool imJournal = sitzung_.journalAbwarten();
    durchSignalBeendet = true;
    if (!gesichert) {
        // Nobody may see the window any more: whoever started the program must learn where
        // the ratings still are.
        const QString journal = sitzung_.journal()->dateiPfad();
        std::fprintf(stderr, "morvanto: Sicherungskopie fehlgeschlagen; die Bewertungen %s\n",
                     qUtf8Printable(imJournal && !journal.isEmpty()
                                        ? QStringLiteral("stehen im Journal ") + journal
                                        : QStringLiteral("sind verloren (kein Journal)")));
        ausgang = 1;
    }
    // Leaves every event loop, the open message boxes' too, and makes any later one
    // return at once.
    QCoreApplication::exit(ausgang);
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
    if (!sitzungBelegen())
        return;
    sitzung_.journalUebernehmen(fund.pfad, fund.klient, fund.rater);
    const QString bericht = verlaufEinlesen(fund.dateiName);
    sitzung_.alsUngesichertMarkieren();
    konfigurationAbschliessen(bericht);
}

// Stays in front of every text of the line while the journal keeps failing.
void MorvantoDialog::journalFehlerZeigen(const QString &datei, const QString &grund)
{
    journalWarnung =
        tr("ACHTUNG: %1 nicht zu schreiben (%2)! Bald 'Ende' drücken.").arg(datei, grund);
    ordnerPruefen();
    zeile2(zeile2Text);
}

void MorvantoDialog::journalWiederZeigen(const QString &datei)
{
    journalWarnung.clear();
    ordnerPruefen();
    zeile2(tr("Journal %1 wird wieder geschrieben.").arg(datei));
}

// The session's folder as its file system tells now: gone, read-only, full or closed to
// this user. Looked at whenever the line is written anew and every second while running.
void MorvantoDialog::ordnerPruefen()
{
    QString grund;
    if (FrmRun->isEnabled())
        grund = ordnerGrund(Plattform::datentraegerZustand(sitzung_.ordner()));
    ordnerWarnung =
        grund.isEmpty() ? QString() : tr("ACHTUNG: Ordner %1: %2!").arg(sitzung_.ordner(), grund);
}

// infoline2 with the warnings whose cause lasts in front of the text.
void MorvantoDialog::zeile2(const QString &text)
{
    zeile2Text = text;
    QStringList zeilen;
    for (const QString &z : {journalWarnung, ordnerWarnung, text}) {
        if (!z.isEmpty())
            zeilen << z;
    }
    infoline2->setText(zeilen.join(QLatin1Char('\n')));
}

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
    // At most once a second: a coupled player's reports come every frame.
    if (t - ordnerGeprueftUm >= 1000) {
        ordnerGeprueftUm = t;
        const QString vorher = ordnerWarnung;
        ordnerPruefen();
        if (ordnerWarnung != vorher)
            zeile2(zeile2Text);
    }
}

void MorvantoDialog::SliderCheckFaerbung()
{
    const Zeitpunkt p(SldMins->value(), SldSecs->value());
    const Zeitpunkt bis = sitzung_.bewertetBis();
    if (bis < p || bis == anfang) {
        if (bereichsWarnung) {
            bereichsWarnungZeigen(false);
            zeile2(QString());
        }
        return;
    }
    bereichsWarnungZeigen(true);
    zeile2(tr("dieser Zeit-Bereich wurde schon eingeschätzt!!!   Bitte nicht "
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

void MorvantoDialog::SpeichereRatingButton(int id)
{
    if (BtKorrigieren->isChecked()) {
        const QString ergebnis = sitzung_.korrigieren(id)
                                     ? tr("Die letzte Einschaetzung wurde korrigiert.")
                                     : tr("Noch nix zu korrigieren.");
        KorrigierenSchalter(false);
        zeile2(ergebnis);
        return;
    }
    // Minutes and seconds from one reading: two could fall on either side of a minute.
    const Zeitpunkt jetzt = videoGekoppelt() && anbindung->tastenZeit()
                                ? *anbindung->tastenZeit()
                                : zaehlwerk.zeitpunkt(zaehlwerk.jetzt());
    const Zeitpunkt t = sitzung_.eintragen(jetzt, id, videoGekoppelt());
    // Counts presses, not stored entries: a press at an already stored time point counts too.
    statistikAnzeigen(TextLabelAnzahl->text().toInt() + 1, t);
}

void MorvantoDialog::KorrigierenSchalter(bool on)
{
    if (on) {
        FrmKorrigieren->setPalette(warnPalette());
        infoline2->setPalette(warnPalette());
        const Verlauf &verlauf = sitzung_.verlauf();
        korrekturEinschaetzung = verlauf.eintragInfo(verlauf.letzterZeitpunkt()).einschaetzung;
        QAbstractButton *knopf = BtGrpRatingGruppe->button(korrekturEinschaetzung);
        if (korrekturEinschaetzung > 0 && knopf) {
            knopf->setPalette(korrekturKnopfPalette());
            zeile2(tr("Bitte nun die letzte Entscheidung korrigieren"));
        } else {
            zeile2(tr("nix zu korrigieren..."));
        }
        return;
    }
    paletteZuruecksetzen(FrmKorrigieren);
    paletteZuruecksetzen(infoline2);
    if (QAbstractButton *knopf = BtGrpRatingGruppe->button(korrekturEinschaetzung))
        paletteZuruecksetzen(knopf);
    BtKorrigieren->setChecked(false);
    zeile2(QString());
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
    zeile2(tr("Das Zählwerk läuft. Am Ende jeder Sinneinheit eine der 7 Tasten drücken."));
    const int startSekunden = int(LCDSecs->value());
    const int startMinuten = int(LCDMins->value());
    SldMins->setEnabled(false);
    SldSecs->setEnabled(false);
    if (sitzung_.gestartet())
        qDebug("pause gedrückt");
    if (videoGekoppelt())
        anbindung->steuern(true);
    else
        zaehlwerk.starten(startMinuten, startSekunden);
}

void MorvantoDialog::zaehlwerkAnhalten()
{
    infoline1->setText(tr("Zählwerk angehalten (PAUSE)"));
    zeile2(QString());
    sekundenTimer.stop();
    // The display goes to the whole seconds of this instant, which the next start takes up.
    if (videoGekoppelt())
        anbindung->steuern(false);
    else
        zaehlwerk.anhalten();
    KorrigierenSchalter(false);
    sitzung_.angehalten();
    schiebereglerFreigeben();
}

// The sliders set the counter by hand: while it stands, and never while a player sets it.
void MorvantoDialog::schiebereglerFreigeben()
{
    const bool vonHand = !BtRun->isChecked() && !videoGekoppelt();
    SldMins->setEnabled(vonHand);
    SldSecs->setEnabled(vonHand);
}

// The shortcut of Run and of correction switches its button at once, without the animated
// click, so that toggled() and the counter come at the key's instant.
bool MorvantoDialog::eventFilter(QObject *o, QEvent *e)
{
    auto *knopf = qobject_cast<QAbstractButton *>(o);
    if (e->type() != QEvent::Shortcut || !knopf || static_cast<QShortcutEvent *>(e)->isAmbiguous())
        return MorvantoDialogBase::eventFilter(o, e);
    knopf->setFocus(Qt::ShortcutFocusReason);
    knopf->click();
    return true;
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

void MorvantoDialog::videoKopplungStarten(const QString &sockel)
{
    if (!anbindung)
        anbindung = new SpielerAnbindung(*this);
    anbindung->suchen(sockel);
}

VideoKopplung *MorvantoDialog::videoKopplung() const
{
    return anbindung ? anbindung->kopplung() : nullptr;
}

bool MorvantoDialog::videoGekoppelt() const
{
    return anbindung && anbindung->gekoppelt();
}

bool MorvantoDialog::spielerAntwortetNicht() const
{
    return anbindung && anbindung->antwortetNicht();
}
