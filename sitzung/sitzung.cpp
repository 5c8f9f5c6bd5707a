#include "sitzung.h"

#include "formatierung.h"
#include "sitzungsjournal.h"
#include "wanduhr.h"

namespace {

const Zeitpunkt anfang(0, 0.0);

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

} // namespace

Sitzung::Sitzung(QObject *parent) : QObject(parent), verlauf_(std::make_unique<Verlauf>()) {}

Sitzung::~Sitzung()
{
    verlauf_->clear();
}

void Sitzung::zuruecksetzen()
{
    verlauf_->clear();
    verlauf_ = std::make_unique<Verlauf>();
    weitergefuehrt_ = false;
    pauseGedrueckt_ = false;
    bewertetBis_ = anfang;
    seitLesenBewertet_ = false;
}

SitzungsJournal *Sitzung::journal()
{
    if (!journal_) {
        journal_ = std::make_unique<SitzungsJournal>();
        connect(journal_.get(), &SitzungsJournal::fehlgeschlagen, this,
                &Sitzung::journalFehlgeschlagen);
        connect(journal_.get(), &SitzungsJournal::wiederGeschrieben, this,
                &Sitzung::journalWiederGeschrieben);
    }
    return journal_.get();
}

void Sitzung::benennen(const QString &klient, const QString &rater, const QString &ordner)
{
    journal()->benennen(klient, rater, ordner);
}

void Sitzung::journalUebernehmen(const QString &pfad, const QString &klient, const QString &rater)
{
    journal()->uebernehmen(pfad, klient, rater);
}

void Sitzung::eintragen(const Zeitpunkt &t, int einschaetzung)
{
    verlauf_->eintragen(t, einschaetzung);
    journal()->eintragen(t, einschaetzung);
    seitLesenBewertet_ = true;
}

bool Sitzung::korrigieren(int einschaetzung)
{
    const Zeitpunkt letzter = verlauf_->letzterZeitpunkt();
    if (letzter == anfang)
        return false;
    verlauf_->korrigieren(letzter, einschaetzung);
    journal()->korrigieren(letzter, einschaetzung);
    seitLesenBewertet_ = true;
    return true;
}

void Sitzung::eingelesen(bool gelesen)
{
    if (gelesen) {
        weitergefuehrt_ = true;
        if (anfang < verlauf_->letzterZeitpunkt())
            pauseGedrueckt_ = true;
    }
    bewertetBis_ = verlauf_->letzterZeitpunkt();
    journal()->ersetzen(*verlauf_);
    seitLesenBewertet_ = false;
}

bool Sitzung::gestartet()
{
    if (!(anfang < verlauf_->letzterZeitpunkt()))
        return false;
    pauseGedrueckt_ = true;
    return true;
}

void Sitzung::angehalten()
{
    bewertetBis_ = verlauf_->letzterZeitpunkt();
}

bool Sitzung::gesichert()
{
    return !journal_ || journal_->entfernen();
}

bool Sitzung::journalAbwarten()
{
    return !journal_ || journal_->warten();
}

QStringList Sitzung::sicherungsTeile()
{
    const QDateTime jetzt = Wanduhr::lesen();
    return {QStringLiteral("SIKO_") + datumKompakt(jetzt.date()), uhrzeitKompakt(jetzt.time())};
}
