#include "spieleranzeige.h"

#include "einschaetzung.h"
#include "mpvprotokoll.h"
#include "osdtext.h"
#include "zeitpunkt.h"

#include <QStringList>

namespace {

QString kuerzel(int kategorie)
{
    return kategorie >= 1 && kategorie < EinschaetzungAnzahl ? EinschaetzungKuerzel[kategorie]
                                                             : QString::number(kategorie);
}

} // namespace

SpielerAnzeige::SpielerAnzeige(Senden senden, QObject *parent)
    : QObject(parent), kanal_(std::move(senden))
{
    notizTakt_.setSingleShot(true);
    notizTakt_.setInterval(notizMs);
    connect(&notizTakt_, &QTimer::timeout, this, [this] {
        notiz_.clear();
        zeigen();
    });
    sendeTakt_.setSingleShot(true);
    sendeTakt_.setInterval(0);
    connect(&sendeTakt_, &QTimer::timeout, this, &SpielerAnzeige::senden);
}

void SpielerAnzeige::abschalten(bool aus)
{
    aus_ = aus;
    bekannt_ = true;
    zeigen();
}

void SpielerAnzeige::notiz(const QString &text)
{
    notiz_ = text;
    notizTakt_.start();
    zeigen();
}

void SpielerAnzeige::dauerzeile(Dauer art, const QString &text)
{
    if (text.isEmpty())
        dauer_.erase(art);
    else
        dauer_[art] = text;
    zeigen();
}

void SpielerAnzeige::vergessen()
{
    notizTakt_.stop();
    notiz_.clear();
    dauer_.clear();
    sichtbar_ = false;
    bekannt_ = false;
    sendeTakt_.stop();
}

void SpielerAnzeige::zeigen()
{
    if (bekannt_)
        sendeTakt_.start();
}

void SpielerAnzeige::senden()
{
    QStringList zeilen;
    if (!aus_) {
        for (const auto &[art, text] : dauer_)
            zeilen << osdText(text);
        if (!notiz_.isEmpty())
            zeilen << osdText(notiz_);
    }
    // Nothing shown and nothing to show: the player need not hear of it.
    if (zeilen.isEmpty() && !sichtbar_)
        return;
    sichtbar_ = !zeilen.isEmpty();
    kanal_(MpvProtokoll::anzeigeBefehl(zeilen));
}

QString SpielerAnzeige::gekoppelt(const QString &klient, const QString &rater)
{
    if (klient.isEmpty())
        return tr("Morvanto gekoppelt: noch keine Sitzung konfiguriert");
    return tr("Morvanto gekoppelt: Klient %1, Rater %2").arg(klient, rater);
}

QString SpielerAnzeige::bewertung(int kategorie, const Zeitpunkt &t, int nummer)
{
    return tr("%1 %2 · Nr. %3").arg(kuerzel(kategorie), t.toString()).arg(nummer);
}

QString SpielerAnzeige::korrekturWartet(int kategorie, const Zeitpunkt &t)
{
    return tr("Korrigieren: die nächste Taste ersetzt %1 %2").arg(kuerzel(kategorie), t.toString());
}

QString SpielerAnzeige::korrigiert(int alt, int neu, const Zeitpunkt &t)
{
    return tr("Korrigiert: %1 → %2 bei %3").arg(kuerzel(alt), kuerzel(neu), t.toString());
}

QString SpielerAnzeige::lauf(bool laeuft)
{
    return laeuft ? tr("Run: das Zählwerk läuft") : tr("Pause: Zählwerk angehalten");
}

QString SpielerAnzeige::wirktNicht(QChar taste, const QString &grund)
{
    return tr("Taste %1 wirkt gerade nicht: %2").arg(taste, grund);
}
