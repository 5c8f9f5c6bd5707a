#ifndef SITZUNGSSPERRE_H
#define SITZUNGSSPERRE_H

#include <QString>

#include <memory>

class QLockFile;

// One session, one writer: a lock per client and rater in a folder, letter case ignored, as
// file names are matched. The lock file lies in the rater's data folder under the session
// folder's path. The system releases it when the process dies (a lock whose holder is gone
// counts as stale and is taken over), so a crash never leaves a session locked.
class SitzungsSperre
{
public:
    SitzungsSperre();
    // Releases the lock.
    ~SitzungsSperre();
    SitzungsSperre(const SitzungsSperre &) = delete;
    SitzungsSperre &operator=(const SitzungsSperre &) = delete;

    // Takes this session's lock, giving up the one held before for other names. False when
    // another running process holds it (or the lock file cannot be made); the one held before
    // is then kept.
    bool nehmen(const QString &ordner, const QString &klient, const QString &rater);
    void freigeben();
    bool haelt() const { return sperre != nullptr; }
    // Why the last nehmen() failed, in German for the rater; empty after success.
    QString fehlerText() const { return fehler; }

    // A running process (this one included, through another object) holds the lock.
    static bool belegt(const QString &ordner, const QString &klient, const QString &rater);
    static QString dateiPfad(const QString &ordner, const QString &klient, const QString &rater);

private:
    std::unique_ptr<QLockFile> sperre;
    QString gehalten;
    QString fehler;
};

#endif
