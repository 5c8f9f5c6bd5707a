#include "plattform.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSocketNotifier>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <sys/syscall.h>
#include <sys/un.h>
#include <unistd.h>

#include <utility>
#include <vector>

namespace Plattform {

namespace {

volatile sig_atomic_t schreibEnde = -1;

QString systemGrund()
{
    return QString::fromLocal8Bit(std::strerror(errno));
}

// Termination signals as a Qt signal in the event loop. The handler itself only write()s
// the signal's number into a pipe (the self-pipe pattern); a QSocketNotifier on the other
// end delivers it.
class SignalMelder : public EndeMelder
{
public:
    explicit SignalMelder(QObject *eltern) : EndeMelder(eltern)
    {
        if (::pipe2(rohr, O_CLOEXEC | O_NONBLOCK) != 0) {
            qDebug("ERROR: no pipe for signals (%s)", std::strerror(errno));
            return;
        }
        schreibEnde = rohr[1];
        auto *melder = new QSocketNotifier(rohr[0], QSocketNotifier::Read, this);
        connect(melder, &QSocketNotifier::activated, this, &SignalMelder::lesen);

        struct sigaction neu = {};
        neu.sa_handler = &SignalMelder::behandeln;
        sigemptyset(&neu.sa_mask);
        neu.sa_flags = SA_RESTART;
        for (const int signal : {SIGTERM, SIGHUP, SIGINT}) {
            struct sigaction alt = {};
            if (::sigaction(signal, &neu, &alt) == 0)
                vorher.emplace_back(signal, alt);
        }
    }

    ~SignalMelder() override
    {
        for (const auto &[signal, alt] : vorher)
            ::sigaction(signal, &alt, nullptr);
        if (schreibEnde == rohr[1])
            schreibEnde = -1;
        for (const int fd : rohr) {
            if (fd >= 0)
                ::close(fd);
        }
    }

    SignalMelder(const SignalMelder &) = delete;
    SignalMelder &operator=(const SignalMelder &) = delete;

private:
    // Async-signal-safe: a write() and nothing else (errno kept for the interrupted code).
    static void behandeln(int signal)
    {
        const int gesichert = errno;
        const unsigned char nummer = static_cast<unsigned char>(signal);
        if (schreibEnde >= 0 && ::write(schreibEnde, &nummer, 1) < 0) {
            // A full pipe already holds signals waiting to be handled.
        }
        errno = gesichert;
    }

    void lesen()
    {
        unsigned char nummern[16];
        ssize_t n;
        while ((n = ::read(rohr[0], nummern, sizeof nummern)) > 0) {
            for (ssize_t i = 0; i < n; ++i)
                emit endeVerlangt(nummern[i]);
        }
    }

    int rohr[2] = {-1, -1};
    std::vector<std::pair<int, struct sigaction>> vorher;
};

} // namespace

EndeMelder *endeMelderErstellen(QObject *eltern)
{
    return new SignalMelder(eltern);
}

void endeAusloesen()
{
    std::raise(SIGTERM);
}

bool ordnerSynchronisieren(const QString &ordner)
{
    const int fd =
        ::open(QFile::encodeName(ordner).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool ok = ::fsync(fd) == 0;
    ::close(fd);
    return ok;
}

DatentraegerZustand datentraegerZustand(const QString &ordner)
{
    DatentraegerZustand z;
    const QByteArray pfad = QFile::encodeName(ordner);
    struct statvfs s = {};
    if (::statvfs(pfad.constData(), &s) != 0) {
        z.ordnerDa = errno != ENOENT && errno != ENOTDIR;
        z.beschreibbar = false;
        return z;
    }
    z.nurLesbar = (s.f_flag & ST_RDONLY) != 0;
    z.voll = s.f_bavail == 0;
    z.beschreibbar = ::access(pfad.constData(), W_OK) == 0;
    if (!z.beschreibbar && errno == EROFS)
        z.nurLesbar = true;
    return z;
}

bool dateiSynchronisieren(QFileDevice &datei)
{
    return datei.flush() && datei.handle() >= 0 && ::fsync(datei.handle()) == 0;
}

QString privatenOrdnerAnlegen(const QString &ordner)
{
    if (::mkdir(QFile::encodeName(ordner).constData(), 0700) != 0 && errno != EEXIST)
        return systemGrund();
    return QString();
}

OrdnerZustand ordnerPruefen(const QString &ordner)
{
    struct stat st = {};
    if (::stat(QFile::encodeName(ordner).constData(), &st) != 0 || !S_ISDIR(st.st_mode))
        return OrdnerZustand::Fehlt;
    if (st.st_uid != ::getuid() || (st.st_mode & 077) != 0)
        return OrdnerZustand::Fremd;
    return OrdnerZustand::Privat;
}

bool alsVerwalter()
{
    return ::geteuid() == 0;
}

int sockelPfadGrenze()
{
    return int(sizeof(sockaddr_un::sun_path));
}

bool sockelVorhanden(const QString &sockel)
{
    return QFileInfo::exists(sockel);
}

QString menueStartOrdner()
{
    return QDir::homePath();
}

// On Linux the nice value is the thread's own.
void threadPrioritaetSenken()
{
    setpriority(PRIO_PROCESS, id_t(::syscall(SYS_gettid)), 10);
}

QString programmErsetzen(const QString &programm, const QStringList &argumente)
{
    std::vector<QByteArray> bytes{QFile::encodeName(programm)};
    for (const QString &a : argumente)
        bytes.push_back(QFile::encodeName(a));
    std::vector<char *> argv;
    for (QByteArray &b : bytes)
        argv.push_back(b.data());
    argv.push_back(nullptr);
    ::execvp(argv.front(), argv.data());
    return systemGrund();
}

QString spielerEinstellungsOrdner()
{
    const QString eigener = qEnvironmentVariable("MPV_HOME");
    if (!eigener.isEmpty())
        return eigener;
    const QString konfig = qEnvironmentVariable("XDG_CONFIG_HOME");
    return (konfig.isEmpty() ? QDir::homePath() + QStringLiteral("/.config") : konfig) +
           QStringLiteral("/mpv");
}

} // namespace Plattform
