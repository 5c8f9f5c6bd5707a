#include "spieleranbindung.h"

#include "morvantodialog.h"
#include "spielerrueckmeldung.h"
#include "videokopplung.h"
#include "wecker.h"

#include <QApplication>
#include <QButtonGroup>
#include <QDebug>

SpielerAnbindung::SpielerAnbindung(MorvantoDialog &fenster)
    : QObject(&fenster), fenster(fenster),
      kopplung_(new VideoKopplung([&fenster] { return fenster.zaehlwerk.jetzt(); }, this)),
      folge(fenster.zaehlwerk)
{
    connect(kopplung_, &VideoKopplung::gefunden, this, &SpielerAnbindung::gefunden);
    connect(kopplung_, &VideoKopplung::standGemeldet, this, &SpielerAnbindung::stand);
    connect(kopplung_, &VideoKopplung::titelGemeldet, this, &SpielerAnbindung::streifenZeigen);
    connect(kopplung_, &VideoKopplung::tasteGemeldet, this, &SpielerAnbindung::taste);
    connect(kopplung_, &VideoKopplung::beendet, this, &SpielerAnbindung::weg);
    alsWeckerEinrichten(stummTakt);
    connect(&stummTakt, &QTimer::timeout, this, &SpielerAnbindung::stummPruefen);
    // After ours, so that it tells what the window made of each report.
    rueckmeldung = new SpielerRueckmeldung(fenster, *kopplung_, this);
}

void SpielerAnbindung::suchen(const QString &sockel)
{
    kopplung_->suchen(sockel);
}

bool SpielerAnbindung::gekoppelt() const
{
    return kopplung_->gekoppelt();
}

void SpielerAnbindung::gefunden()
{
    // The player's position replaces the countdown's start.
    if (fenster.PushButtonCountdown->isChecked()) {
        fenster.countdownAbbrechen();
        fenster.PushButtonCountdown->setChecked(false);
    }
    fenster.schiebereglerFreigeben();
    streifenZeigen();
}

// The player's position and pause state are the counter's. Once the session is configured,
// Run follows the player as if the rater had switched it, with its texts and the pause flag.
void SpielerAnbindung::stand()
{
    if (!kopplung_->positionBekannt())
        return;
    const qint64 t = kopplung_->gemeldetUm();
    const qint64 position = kopplung_->gemeldetePositionMs();
    const bool laeuft = !kopplung_->pausiert();
    if (folge.meldungVerwerfen(kopplung_->pausiert(), t))
        return;
    const bool zurueck = folge.zurueckGesprungen(position, t);
    if (fenster.FrmRun->isEnabled() && fenster.BtRun->isChecked() != laeuft) {
        spielerMeldet = true;
        fenster.BtRun->setChecked(laeuft);
        spielerMeldet = false;
    }
    if (zurueck)
        fenster.sitzung().angehalten();
    folge.uebernehmen(position, t, laeuft);
    stummPruefen();
    // The sliders may not have moved at all; the rated range must be checked anyway.
    if (zurueck)
        fenster.SliderCheckFaerbung();
}

// Until the player's report arrives the counter goes on, or stands, from where it is.
void SpielerAnbindung::steuern(bool laufen)
{
    if (!spielerMeldet)
        kopplung_->pausieren(!laufen);
    folge.umschalten(laufen, !spielerMeldet);
    stummPruefen();
}

// While the player plays and its reports stop, the counter stands at its last report plus
// one report interval (SpielerFolge); the strip says so until the player answers again.
void SpielerAnbindung::stummPruefen()
{
    const qint64 t = fenster.zaehlwerk.jetzt();
    const bool jetztStumm = gekoppelt() && folge.antwortetNicht(t);
    if (jetztStumm != stumm) {
        stumm = jetztStumm;
        streifenZeigen();
    }
    const std::optional<qint64> ab = folge.stummAb();
    if (gekoppelt() && ab && !stumm)
        weckerStellen(stummTakt, std::max(*ab, t + 1), t);
    else
        stummTakt.stop();
}

// A key pressed in the player does what the same key does in the window, and nothing
// where it would do nothing there: a disabled button, or another window in front.
void SpielerAnbindung::taste(QChar taste, qint64 positionMs)
{
    QAbstractButton *knopf = knopfFuerTaste(taste);
    QWidget *modal = QApplication::activeModalWidget();
    if (!knopf || !knopf->isEnabled() || !knopf->isVisible() || (modal && modal != &fenster)) {
        qDebug("Taste %c im Videoplayer: hier gerade ohne Wirkung", taste.toLatin1());
        rueckmeldung->tasteOhneWirkung(taste);
        return;
    }
    tastenZeit_ = folge.tastenZeitpunkt(positionMs, kopplung_->gemeldetUm());
    knopf->click();
    tastenZeit_.reset();
}

QAbstractButton *SpielerAnbindung::knopfFuerTaste(QChar taste) const
{
    const QKeySequence sequenz{QString(taste)};
    QList<QAbstractButton *> knoepfe = fenster.BtGrpRatingGruppe->buttons();
    knoepfe << fenster.BtKorrigieren << fenster.BtRun;
    for (QAbstractButton *knopf : knoepfe) {
        if (knopf->shortcut() == sequenz)
            return knopf;
    }
    return nullptr;
}

// By hand again: the counter runs on only if Run is on.
void SpielerAnbindung::weg()
{
    folge.spielerWeg(fenster.BtRun->isChecked());
    stumm = false;
    stummTakt.stop();
    fenster.schiebereglerFreigeben();
    streifenZeigen();
    fenster.zeile2(tr("Kopplung mit dem Videoplayer beendet: weiter von Hand."));
}

// The strip below the counter: to which video the counter is coupled. Without a coupling
// the window shows nothing of it.
void SpielerAnbindung::streifenZeigen()
{
    QLabel *streifen = fenster.TextLabelKopplung;
    const bool gekoppelt = kopplung_->gekoppelt();
    if (gekoppelt) {
        const QString titel =
            kopplung_->titel().isEmpty() ? tr("(noch kein Video)") : kopplung_->titel();
        const QString text =
            stumm ? tr("Videoplayer antwortet nicht!") : tr("Video gekoppelt: %1").arg(titel);
        streifen->setText(streifen->fontMetrics().elidedText(text, Qt::ElideMiddle,
                                                             streifen->contentsRect().width() - 4));
        streifen->setToolTip(
            tr("Das Zählwerk folgt dem Videoplayer: %1\n(%2)").arg(titel, kopplung_->sockel()));
    }
    if (gekoppelt == !streifen->isHidden())
        return;
    streifen->setVisible(gekoppelt);
    const int hoehe = gekoppelt ? streifen->geometry().bottom() + 4 : fenster.fensterHoehe;
    fenster.setFixedSize(fenster.width(), hoehe);
}
