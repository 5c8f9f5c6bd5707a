#include "sitzungsjournal.h"

#include "atomaredatei.h"
#include "journalvermerk.h"
#include "latin1text.h"
#include "plattform.h"

#include <QDeadlineTimer>
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTextStream>
#include <QThread>

#include <utility>

namespace {

// A journal that could not be written is tried again after this long even without a new
// change, so that freeing disk space is enough.
constexpr int wiederholungMs = 2000;

QString nurName(const QString &pfad)
{
    return QFileInfo(pfad).fileName();
}

} // namespace

SitzungsJournal::SitzungsJournal(QObject *parent) : QObject(parent)
{
    auftraege.reserve(64);
    schreiber = QThread::create([this] { schleife(); });
    schreiber->start();
}

SitzungsJournal::~SitzungsJournal()
{
    {
        QMutexLocker halten(&sperre);
        ende = true;
        arbeit.wakeAll();
    }
    schreiber->wait();
    delete schreiber;
}

QString SitzungsJournal::dateiName(const QString &klient, const QString &rater, int nummer)
{
    const QString nummerText =
        nummer > 1 ? QStringLiteral("_") + QString::number(nummer) : QString();
    return klient + QLatin1Char('_') + rater + QStringLiteral("_Journal") + nummerText +
           QStringLiteral(".dat");
}

void SitzungsJournal::benennen(const QString &klient, const QString &rater, const QString &ordner)
{
    QMutexLocker halten(&sperre);
    const QString sauber = QDir::cleanPath(ordner);
    if (ziel.klient == klient && ziel.rater == rater && ziel.ordner == sauber)
        return;
    ziel.klient = klient;
    ziel.rater = rater;
    ziel.ordner = sauber;
    if (!ziel.eigeneDatei.isEmpty()) {
        namenGeaendert = true;
        arbeit.wakeOne();
    }
}

void SitzungsJournal::uebernehmen(const QString &pfad, const QString &klient, const QString &rater)
{
    QMutexLocker halten(&sperre);
    while (beschaeftigt)
        erledigt.wait(&sperre);
    const QFileInfo info(pfad);
    ziel = {klient, rater, info.absolutePath(), info.absoluteFilePath()};
}

void SitzungsJournal::eintragen(const Zeitpunkt &t, int einschaetzung)
{
    einreihen({Aenderung::Eintragen, t, einschaetzung, nullptr});
}

void SitzungsJournal::korrigieren(const Zeitpunkt &t, int einschaetzung)
{
    einreihen({Aenderung::Korrigieren, t, einschaetzung, nullptr});
}

void SitzungsJournal::ersetzen(const Verlauf &verlauf)
{
    einreihen({Aenderung::Ersetzen, Zeitpunkt(), 0, std::make_shared<const Verlauf>(verlauf)});
}

// The only work a rating press does here: no allocation while the queue has room, no disk.
void SitzungsJournal::einreihen(Aenderung a)
{
    bool wecken = false;
    {
        QMutexLocker halten(&sperre);
        auftraege.push_back(std::move(a));
        ++gemeldet;
        // A busy writer looks at the queue again before it sleeps.
        wecken = !beschaeftigt;
    }
    // Outside the lock, so that the woken writer does not at once wait for it.
    if (wecken)
        arbeit.wakeOne();
}

bool SitzungsJournal::entfernen()
{
    QMutexLocker halten(&sperre);
    while (beschaeftigt)
        erledigt.wait(&sperre);
    auftraege.clear();
    auftraege.push_back({Aenderung::Leeren, Zeitpunkt(), 0, nullptr});
    erledigtBis = gemeldet;
    namenGeaendert = false;
    fehlerZustand = false;
    letzterGrund.clear();
    const QString datei = std::exchange(ziel.eigeneDatei, QString());
    arbeit.wakeOne();
    erledigt.wakeAll();
    halten.unlock();

    if (datei.isEmpty())
        return true;
    if (QFile::remove(datei) || !QFileInfo::exists(datei)) {
        // Else a power cut could bring the journal back and offer a saved session again.
        if (!Plattform::ordnerSynchronisieren(QFileInfo(datei).absolutePath()))
            qDebug("ERROR syncing the folder of journal %s", qUtf8Printable(nurName(datei)));
        return true;
    }
    qDebug("ERROR removing journal %s", qUtf8Printable(nurName(datei)));
    JournalVermerk::vermerken(datei);
    return false;
}

bool SitzungsJournal::warten()
{
    QMutexLocker halten(&sperre);
    const quint64 bis = gemeldet;
    while ((erledigtBis < bis || beschaeftigt || namenGeaendert) && !ende)
        erledigt.wait(&sperre);
    return !fehlerZustand;
}

QString SitzungsJournal::dateiPfad() const
{
    QMutexLocker halten(&sperre);
    return ziel.eigeneDatei;
}

quint64 SitzungsJournal::stand() const
{
    QMutexLocker halten(&sperre);
    return gemeldet;
}

void SitzungsJournal::schleife()
{
    // Below the GUI thread, so that a woken writer does not push a key press aside on a
    // busy machine.
    Plattform::threadPrioritaetSenken();
    Verlauf kopie;
    std::vector<Aenderung> jetzt;
    jetzt.reserve(64);
    QMutexLocker halten(&sperre);
    for (;;) {
        while (auftraege.empty() && !namenGeaendert && !ende) {
            if (!fehlerZustand)
                arbeit.wait(&sperre);
            else if (!arbeit.wait(&sperre, QDeadlineTimer(wiederholungMs)))
                break;
        }
        if (ende && auftraege.empty() && !namenGeaendert)
            return;
        jetzt.swap(auftraege);
        namenGeaendert = false;
        const quint64 bis = gemeldet;
        const Ziel z = ziel;
        beschaeftigt = true;
        halten.unlock();

        for (const Aenderung &a : jetzt)
            anwenden(kopie, a);
        jetzt.clear();
        // Nothing the rater made yet: no file.
        const bool noetig = kopie.size() > 1 || !z.eigeneDatei.isEmpty();
        const Ergebnis e = noetig && !z.ordner.isEmpty() ? schreiben(kopie, z) : Ergebnis();

        halten.relock();
        beschaeftigt = false;
        if (e.geschrieben)
            ziel.eigeneDatei = e.datei;
        erledigtBis = std::max(erledigtBis, bis);
        ergebnisMelden(e, bis);
        erledigt.wakeAll();
    }
}

// Called with the lock held; signals go out without it.
void SitzungsJournal::ergebnisMelden(const Ergebnis &e, quint64 bis)
{
    const bool neuerFehler = e.fehlgeschlagen && (!fehlerZustand || e.grund != letzterGrund);
    const bool wieder = e.geschrieben && fehlerZustand;
    if (e.fehlgeschlagen) {
        fehlerZustand = true;
        letzterGrund = e.grund;
    } else if (e.geschrieben) {
        fehlerZustand = false;
        letzterGrund.clear();
    }
    sperre.unlock();
    if (neuerFehler)
        emit fehlgeschlagen(nurName(e.datei), e.grund);
    if (wieder)
        emit wiederGeschrieben(nurName(e.datei));
    if (e.geschrieben)
        emit geschrieben(bis);
    sperre.lock();
}

void SitzungsJournal::anwenden(Verlauf &kopie, const Aenderung &a)
{
    switch (a.art) {
    case Aenderung::Eintragen:
        kopie.eintragen(a.t, a.einschaetzung);
        break;
    case Aenderung::Korrigieren:
        kopie.korrigieren(a.t, a.einschaetzung);
        break;
    case Aenderung::Ersetzen:
        kopie = *a.alle;
        break;
    case Aenderung::Leeren:
        kopie = Verlauf();
        break;
    }
}

SitzungsJournal::Ergebnis SitzungsJournal::schreiben(const Verlauf &kopie, const Ziel &ziel)
{
    Ergebnis e;
    e.datei = zielWaehlen(ziel);
    QByteArray inhalt;
    {
        QTextStream stream(&inhalt, QIODevice::WriteOnly);
        latin1Einrichten(stream);
        kopie.ausgeben(stream, ziel.klient, ziel.rater);
    }
    if (!AtomareDatei::schreibenAtomar(e.datei, inhalt, &e.grund)) {
        e.fehlgeschlagen = true;
        qDebug("ERROR saving journal %s (%s)", qUtf8Printable(nurName(e.datei)),
               qUtf8Printable(e.grund));
        return e;
    }
    e.geschrieben = true;
    // Moved to new names: the old file only now, with its content safe in the new one.
    const QString &alt = ziel.eigeneDatei;
    if (!alt.isEmpty() && alt != e.datei && !QFile::remove(alt) && QFileInfo::exists(alt))
        qDebug("ERROR removing journal %s", qUtf8Printable(nurName(alt)));
    return e;
}

QString SitzungsJournal::zielWaehlen(const Ziel &ziel)
{
    const QDir ordner(ziel.ordner);
    for (int nummer = 1;; ++nummer) {
        const QString pfad = ordner.absoluteFilePath(dateiName(ziel.klient, ziel.rater, nummer));
        const QFileInfo info(pfad);
        if (pfad == ziel.eigeneDatei || (!info.exists() && !info.isSymLink()))
            return pfad;
    }
}
