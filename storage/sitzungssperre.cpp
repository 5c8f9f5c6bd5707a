#include "sitzungssperre.h"

#include "datenordner.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QLockFile>

SitzungsSperre::SitzungsSperre() = default;

SitzungsSperre::~SitzungsSperre() = default;

// In the rater's data folder, not in the session's: a folder that takes no file is locked
// all the same, and the session folder holds only what the rater made.
QString SitzungsSperre::dateiPfad(const QString &ordner, const QString &klient,
                                  const QString &rater)
{
    const QFileInfo info(ordner);
    const QString absolut = info.exists() ? info.canonicalFilePath() : info.absoluteFilePath();
    const QByteArray herkunft =
        QCryptographicHash::hash(QFile::encodeName(absolut), QCryptographicHash::Sha1);
    const QString eigener = datenordner(QStringLiteral("Sperren"));
    if (eigener.isEmpty())
        return QString();
    return eigener + QLatin1Char('/') + QString::fromLatin1(herkunft.toHex().left(12)) +
           QLatin1Char('_') + (klient + QLatin1Char('_') + rater).toLower() +
           QStringLiteral(".sperre");
}

bool SitzungsSperre::nehmen(const QString &ordner, const QString &klient, const QString &rater)
{
    const QString pfad = dateiPfad(ordner, klient, rater);
    if (sperre && pfad == gehalten) {
        fehler.clear();
        return true;
    }
    auto neu = std::make_unique<QLockFile>(pfad);
    if (pfad.isEmpty() || !neu->tryLock(0)) {
        const bool fremd = !pfad.isEmpty() && neu->error() == QLockFile::LockFailedError;
        fehler = fremd ? QStringLiteral("in einem anderen laufenden Morvanto geöffnet")
                       : QStringLiteral("Sperrdatei nicht anzulegen");
        return false;
    }
    sperre = std::move(neu);
    gehalten = pfad;
    fehler.clear();
    return true;
}

void SitzungsSperre::freigeben()
{
    sperre.reset();
    gehalten.clear();
}

// Only a look: taking a free lock for an instant is the one sure test whether its holder
// is alive, and leaves it free again.
bool SitzungsSperre::belegt(const QString &ordner, const QString &klient, const QString &rater)
{
    const QString pfad = dateiPfad(ordner, klient, rater);
    if (pfad.isEmpty())
        return false;
    QLockFile probe(pfad);
    if (probe.tryLock(0)) {
        probe.unlock();
        return false;
    }
    return probe.error() == QLockFile::LockFailedError;
}
