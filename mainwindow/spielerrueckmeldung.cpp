#include "spielerrueckmeldung.h"

#include "morvantodialog.h"
#include "sitzungskonfigurationdialog.h"
#include "spieleranzeige.h"
#include "videokopplung.h"

#include <QApplication>
#include <QButtonGroup>

SpielerRueckmeldung::SpielerRueckmeldung(MorvantoDialog &fenster, VideoKopplung &kopplung,
                                         QObject *parent)
    : QObject(parent), fenster(fenster), kopplung(kopplung)
{
    connect(&kopplung, &VideoKopplung::gefunden, this, &SpielerRueckmeldung::gekoppelt);
    connect(&kopplung, &VideoKopplung::standGemeldet, this, &SpielerRueckmeldung::bereichPruefen);
    for (QAbstractButton *knopf : fenster.BtGrpRatingGruppe->buttons())
        connect(knopf, &QAbstractButton::pressed, this, &SpielerRueckmeldung::vorDemDruck);
    connect(fenster.BtGrpRatingGruppe, &QButtonGroup::idPressed, this,
            &SpielerRueckmeldung::nachDemDruck);
    connect(fenster.BtKorrigieren, &QAbstractButton::toggled, this,
            &SpielerRueckmeldung::korrektur);
    connect(fenster.BtRun, &QAbstractButton::toggled, this, &SpielerRueckmeldung::lauf);
    connect(fenster.PushButtonCountdown, &QAbstractButton::toggled, this,
            &SpielerRueckmeldung::countdown);
    connect(fenster.SldSecs, &QSlider::valueChanged, this, &SpielerRueckmeldung::bereichPruefen);
    connect(fenster.SldMins, &QSlider::valueChanged, this, &SpielerRueckmeldung::bereichPruefen);
    connect(&fenster.sitzung(), &Sitzung::journalFehlgeschlagen, this,
            &SpielerRueckmeldung::journalFehler);
    connect(&fenster.sitzung(), &Sitzung::journalWiederGeschrieben, this,
            &SpielerRueckmeldung::journalWieder);
}

SpielerAnzeige &SpielerRueckmeldung::anzeige()
{
    return kopplung.anzeige();
}

void SpielerRueckmeldung::gekoppelt()
{
    const SitzungsKonfigurationDialog *k = fenster.konfiguration();
    const bool konfiguriert = fenster.FrmRun->isEnabled();
    anzeige().notiz(SpielerAnzeige::gekoppelt(konfiguriert ? k->LineEditKlient->text() : QString(),
                                              k->LineEditRater->text()));
}

void SpielerRueckmeldung::vorDemDruck()
{
    const Verlauf &v = fenster.sitzungsVerlauf();
    korrigierenVorher = fenster.BtKorrigieren->isChecked();
    letzterVorher = v.letzterZeitpunkt();
    letzteVorher = v.eintragInfo(letzterVorher).einschaetzung;
}

void SpielerRueckmeldung::nachDemDruck(int kategorie)
{
    const Verlauf &v = fenster.sitzungsVerlauf();
    if (!korrigierenVorher) {
        anzeige().notiz(SpielerAnzeige::bewertung(kategorie, v.letzterZeitpunkt(),
                                                  fenster.TextLabelAnzahl->text().toInt()));
        return;
    }
    anzeige().notiz(letzteVorher > 0
                        ? SpielerAnzeige::korrigiert(letzteVorher, kategorie, letzterVorher)
                        : tr("Noch nix zu korrigieren."));
}

void SpielerRueckmeldung::korrektur(bool an)
{
    if (!an) {
        anzeige().dauerzeile(SpielerAnzeige::Dauer::Korrektur, QString());
        return;
    }
    const Verlauf &v = fenster.sitzungsVerlauf();
    const Zeitpunkt t = v.letzterZeitpunkt();
    const int kategorie = v.eintragInfo(t).einschaetzung;
    if (kategorie > 0)
        anzeige().dauerzeile(SpielerAnzeige::Dauer::Korrektur,
                             SpielerAnzeige::korrekturWartet(kategorie, t));
    else
        anzeige().notiz(tr("nix zu korrigieren..."));
}

void SpielerRueckmeldung::lauf(bool an)
{
    anzeige().notiz(SpielerAnzeige::lauf(an));
}

void SpielerRueckmeldung::countdown(bool an)
{
    // The window has already switched it off again: the counter follows the video.
    if (an && kopplung.gekoppelt())
        anzeige().notiz(tr("Kein Countdown nötig: das Zählwerk folgt dem Video."));
}

// Told when it appears, not on every second the counter stays in rated time.
void SpielerRueckmeldung::bereichPruefen()
{
    const bool jetzt = fenster.bereichsWarnungAngezeigt();
    if (jetzt && !bereichsWarnung)
        anzeige().notiz(tr("Dieser Zeit-Bereich wurde schon eingeschätzt! Bitte nicht nochmal "
                           "einschätzen."));
    bereichsWarnung = jetzt;
}

void SpielerRueckmeldung::journalFehler(const QString &datei, const QString &grund)
{
    anzeige().dauerzeile(
        SpielerAnzeige::Dauer::Journal,
        tr("ACHTUNG: %1 nicht zu schreiben (%2)! Bald 'Ende' drücken.").arg(datei, grund));
}

void SpielerRueckmeldung::journalWieder(const QString &datei)
{
    anzeige().dauerzeile(SpielerAnzeige::Dauer::Journal, QString());
    anzeige().notiz(tr("Journal %1 wird wieder geschrieben.").arg(datei));
}

void SpielerRueckmeldung::tasteOhneWirkung(QChar taste)
{
    QWidget *modal = QApplication::activeModalWidget();
    QString grund;
    if (modal && modal != &fenster)
        grund = tr("in Morvanto ist ein Dialog offen");
    else if (!fenster.FrmRun->isEnabled())
        grund = tr("noch keine Sitzung konfiguriert");
    else
        grund = tr("das Zählwerk läuft nicht (erst r oder Leertaste)");
    anzeige().notiz(SpielerAnzeige::wirktNicht(taste, grund));
}
