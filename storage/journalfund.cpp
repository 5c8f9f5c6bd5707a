#include "journalfund.h"

#include "journalvermerk.h"
#include "latin1text.h"
#include "plattform.h"
#include "sitzungssperre.h"
#include "verlauf.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTextStream>

#include <algorithm>

namespace {

// client_rater_Journal.dat, or client_rater_Journal_2.dat and on for a second session with
// the same names.
const QRegularExpression &journalMuster()
{
    static const QRegularExpression muster(QStringLiteral("^(.+)_Journal(?:_\\d+)?\\.dat$"));
    return muster;
}

// The names are in the file name, but joined by "_", which a name may contain too. Every
// line repeats them as two fields; where those fit the file name, they split it.
void namenBestimmen(const QString &stamm, const QByteArray &ersteZeile, JournalFund *fund)
{
    const QList<QByteArray> felder = ersteZeile.split('\t');
    if (felder.size() >= 6) {
        const QString klient = QString::fromLatin1(felder.at(4));
        const QString rater = QString::fromLatin1(felder.at(5).trimmed());
        if (latin1Tauglich(stamm) == klient + QLatin1Char('_') + rater &&
            stamm.size() == klient.size() + 1 + rater.size()) {
            fund->klient = stamm.left(klient.size());
            fund->rater = stamm.mid(klient.size() + 1);
            return;
        }
    }
    const qsizetype trenner = stamm.indexOf(QLatin1Char('_'));
    fund->klient = trenner < 0 ? stamm : stamm.left(trenner);
    fund->rater = trenner < 0 ? QString() : stamm.mid(trenner + 1);
}

// Rated units and, for a history file, what it holds.
int einheitenLesen(QFile &datei, Zeitpunkt *letzter)
{
    QTextStream stream(&datei);
    latin1Einrichten(stream);
    Verlauf verlauf;
    verlauf.einlesen(stream);
    if (letzter)
        *letzter = verlauf.letzterZeitpunkt();
    return std::max(verlauf.size() - 1, 0);
}

// The history file of the journal's session, its name matched without regard to letter case.
void verlaufVergleichen(const QDir &ordner, JournalFund *fund)
{
    const QString gesucht =
        (fund->klient + QLatin1Char('_') + fund->rater + QStringLiteral("_Verlauf.dat")).toLower();
    for (const QString &name : ordner.entryList(QDir::Files, QDir::Name)) {
        QFile datei(ordner.absoluteFilePath(name));
        if (name.toLower() != gesucht || !datei.open(QIODevice::ReadOnly))
            continue;
        fund->verlaufDatei = name;
        fund->verlaufGeaendert = QFileInfo(datei).lastModified();
        fund->verlaufEinheiten = einheitenLesen(datei, nullptr);
        return;
    }
}

// A journal without a rating, with its session's lock taken, so that no session starting
// meanwhile writes it.
void wegraeumen(const QString &ordner, const JournalFund &fund)
{
    SitzungsSperre sperre;
    if (!sperre.nehmen(ordner, fund.klient, fund.rater))
        return;
    if (!QFile::remove(fund.pfad)) {
        qDebug("ERROR removing empty journal %s", qUtf8Printable(fund.dateiName));
        return;
    }
    Plattform::ordnerSynchronisieren(ordner);
}

} // namespace

bool JournalFund::lesen(const QString &pfad, JournalFund *fund)
{
    const QFileInfo info(pfad);
    const QRegularExpressionMatch treffer = journalMuster().match(info.fileName());
    QFile datei(pfad);
    if (!treffer.hasMatch() || !info.isFile() || !datei.open(QIODevice::ReadOnly))
        return false;

    fund->pfad = info.absoluteFilePath();
    fund->dateiName = info.fileName();
    fund->geaendert = info.lastModified();
    namenBestimmen(treffer.captured(1), datei.readLine(), fund);
    datei.seek(0);
    fund->sinneinheiten = einheitenLesen(datei, &fund->letzterZeitpunkt);
    return true;
}

QList<JournalFund> JournalFund::finden(const QString &ordner)
{
    QList<JournalFund> funde;
    const QDir dir(ordner);
    for (const QString &name : dir.entryList({QStringLiteral("*_Journal*.dat")}, QDir::Files)) {
        JournalFund fund;
        if (!lesen(dir.absoluteFilePath(name), &fund) || JournalVermerk::vermerkt(fund.pfad) ||
            SitzungsSperre::belegt(ordner, fund.klient, fund.rater))
            continue;
        if (fund.sinneinheiten == 0) {
            wegraeumen(ordner, fund);
            continue;
        }
        verlaufVergleichen(dir, &fund);
        funde.append(fund);
    }
    std::stable_sort(funde.begin(), funde.end(), [](const JournalFund &a, const JournalFund &b) {
        return a.geaendert > b.geaendert;
    });
    return funde;
}
