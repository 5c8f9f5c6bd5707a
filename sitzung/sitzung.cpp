#include "sitzung.h"

#include "formatierung.h"
#include "sitzungsjournal.h"
#include "wanduhr.h"

#include <QDir>

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

Sitzung::Sitzung(QObject *parent)
    : QObject(parent), verlauf_(std::make_unique<Verlauf>()), ordner_(QDir::currentPath())
{
}

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
    sperre.freigeben();
    waechter.vergessen();
    letzterDruck.reset();
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

bool Sitzung::benennen(const QString &klient, const QString &rater, const QString &ordner)
{
    const QString absolut = ordner.isEmpty() ? ordner_ : QDir(ordner).absolutePath();
    if (!sperre.nehmen(absolut, klient, rater))
        return false;
    ordner_ = absolut;
    journal()->benennen(klient, rater, ordner_);
    return true;
}

QString Sitzung::dateiPfad(const QString &name) const
{
    return QDir(ordner_).filePath(name);
}

void Sitzung::journalUebernehmen(const QString &pfad, const QString &klient, const QString &rater)
{
    journal()->uebernehmen(pfad, klient, rater);
}

Zeitpunkt Sitzung::eintragen(const Zeitpunkt &t, int einschaetzung, bool folgeWahren)
{
    Zeitpunkt wann = t;
    if (folgeWahren && letzterDruck && !(*letzterDruck < wann))
        wann = Zeitpunkt(0, letzterDruck->inSekunden() + 0.001);
    letzterDruck = folgeWahren ? std::optional<Zeitpunkt>(wann) : std::nullopt;
    verlauf_->eintragen(wann, einschaetzung);
    journal()->eintragen(wann, einschaetzung);
    seitLesenBewertet_ = true;
    return wann;
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

void Sitzung::eingelesen(bool gelesen, const QString &datei)
{
    letzterDruck.reset();
    if (gelesen && !datei.isEmpty())
        waechter.merken(datei);
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
    letzterDruck.reset();
    if (!(anfang < verlauf_->letzterZeitpunkt()))
        return false;
    pauseGedrueckt_ = true;
    return true;
}

void Sitzung::angehalten()
{
    letzterDruck.reset();
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

bool Sitzung::verlaufSichern(const QString &pfad, QString *fehler)
{
    const bool ok = waechter.sichern(pfad, Wanduhr::lesen());
    *fehler = waechter.fehlerText();
    return ok;
}

QStringList Sitzung::sicherungsTeile()
{
    const QDateTime jetzt = Wanduhr::lesen();
    return {QStringLiteral("SIKO_") + datumKompakt(jetzt.date()), uhrzeitKompakt(jetzt.time())};
}
