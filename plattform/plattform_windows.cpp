#include "plattform.h"

#include <QAbstractEventDispatcher>
#include <QAbstractNativeEventFilter>
#include <QCoreApplication>
#include <QDir>
#include <QFileDevice>
#include <QProcess>
#include <QSemaphore>
#include <QStandardPaths>

#include <aclapi.h>
#include <io.h>
#include <sddl.h>
#include <windows.h>

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <vector>

namespace Plattform {

namespace {

QString systemGrund(DWORD code)
{
    return qt_error_string(int(code));
}

const wchar_t *nativ(const QString &pfad, QString &halter)
{
    halter = QDir::toNativeSeparators(pfad);
    return reinterpret_cast<const wchar_t *>(halter.utf16());
}

// The user this process runs as, from its token: the one identity a private folder admits.
class Benutzer
{
public:
    Benutzer()
    {
        HANDLE token = nullptr;
        if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token))
            return;
        DWORD laenge = 0;
        GetTokenInformation(token, TokenUser, nullptr, 0, &laenge);
        puffer.resize(laenge);
        if (laenge == 0 || !GetTokenInformation(token, TokenUser, puffer.data(), laenge, &laenge))
            puffer.clear();
        CloseHandle(token);
    }
    PSID sid() const
    {
        return puffer.empty() ? nullptr
                              : reinterpret_cast<const TOKEN_USER *>(puffer.data())->User.Sid;
    }
    QString text() const
    {
        LPWSTR text = nullptr;
        if (!sid() || !ConvertSidToStringSidW(sid(), &text))
            return QString();
        const QString ergebnis = QString::fromWCharArray(text);
        LocalFree(text);
        return ergebnis;
    }

private:
    std::vector<char> puffer;
};

// Windows has no signals for this. A logoff or shutdown asks every top-level window with
// WM_QUERYENDSESSION, which QGuiApplication turns into commitDataRequest; soon after
// WM_ENDSESSION the process is killed, so the program must save while the message is being
// handled. The filter sees the message before Qt answers it and keeps the seam free of Gui.
// A program with a console (the command-line programs, or one started from cmd) gets
// Ctrl+C, the console's closing, logoff and shutdown through the console control handler,
// on a thread of its own.
class SitzungsEndeMelder : public EndeMelder, public QAbstractNativeEventFilter
{
public:
    explicit SitzungsEndeMelder(QObject *eltern) : EndeMelder(eltern)
    {
        QCoreApplication::instance()->installNativeEventFilter(this);
        aktiv = this;
        SetConsoleCtrlHandler(&SitzungsEndeMelder::konsolenEreignis, TRUE);
    }

    ~SitzungsEndeMelder() override
    {
        SetConsoleCtrlHandler(&SitzungsEndeMelder::konsolenEreignis, FALSE);
        SitzungsEndeMelder *erwartet = this;
        aktiv.compare_exchange_strong(erwartet, nullptr);
        if (auto *app = QCoreApplication::instance())
            app->removeNativeEventFilter(this);
    }

    SitzungsEndeMelder(const SitzungsEndeMelder &) = delete;
    SitzungsEndeMelder &operator=(const SitzungsEndeMelder &) = delete;

    bool nativeEventFilter(const QByteArray &art, void *nachricht, qintptr *) override
    {
        const auto *msg = static_cast<const MSG *>(nachricht);
        if (art == "windows_generic_MSG" && msg->message == WM_QUERYENDSESSION)
            emit endeVerlangt(int(msg->message));
        return false; // Qt still answers, so the session may end
    }

private:
    static BOOL WINAPI konsolenEreignis(DWORD ereignis)
    {
        SitzungsEndeMelder *melder = aktiv;
        if (!melder)
            return FALSE;
        auto fertig = std::make_shared<QSemaphore>();
        QMetaObject::invokeMethod(
            melder,
            [melder, ereignis, fertig] {
                emit melder->endeVerlangt(int(ereignis));
                fertig->release();
            },
            Qt::QueuedConnection);
        // After a close, logoff or shutdown the process ends when the handler returns (at
        // the latest after 5 s): the backup must be written by then. After Ctrl+C the
        // program ends itself once it has saved.
        if (ereignis == CTRL_CLOSE_EVENT || ereignis == CTRL_LOGOFF_EVENT ||
            ereignis == CTRL_SHUTDOWN_EVENT)
            fertig->tryAcquire(1, 4500);
        return TRUE;
    }

    static std::atomic<SitzungsEndeMelder *> aktiv;
};

std::atomic<SitzungsEndeMelder *> SitzungsEndeMelder::aktiv{nullptr};

} // namespace

EndeMelder *endeMelderErstellen(QObject *eltern)
{
    return new SitzungsEndeMelder(eltern);
}

// Through the filter chain that Qt's window procedure runs for every message.
void endeAusloesen()
{
    MSG msg{};
    msg.message = WM_QUERYENDSESSION;
    msg.lParam = ENDSESSION_LOGOFF;
    qintptr ergebnis = 0;
    QAbstractEventDispatcher::instance()->filterNativeEvent(
        QByteArrayLiteral("windows_generic_MSG"), &msg, &ergebnis);
}

// No fsync for a folder on Windows: NTFS records a rename in its journal, and flushing the
// folder's handle puts that record on the disk now. File systems that refuse (FAT, some
// network shares) offer nothing better.
bool ordnerSynchronisieren(const QString &ordner)
{
    QString halter;
    HANDLE h = CreateFileW(nativ(ordner, halter), GENERIC_READ | GENERIC_WRITE,
                           FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                           OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        return false;
    const bool ok = FlushFileBuffers(h);
    CloseHandle(h);
    return ok;
}

// Asked of the file system itself: its volume flags, its free space, and whether a file can
// be created there (Windows decides that by access lists a mode check cannot see; the test
// file is deleted by the system when closed).
DatentraegerZustand datentraegerZustand(const QString &ordner)
{
    DatentraegerZustand z;
    QString halter;
    const wchar_t *name = nativ(ordner, halter);
    const DWORD attribute = GetFileAttributesW(name);
    if (attribute == INVALID_FILE_ATTRIBUTES || !(attribute & FILE_ATTRIBUTE_DIRECTORY)) {
        z.ordnerDa = false;
        z.beschreibbar = false;
        return z;
    }
    ULARGE_INTEGER frei{};
    if (GetDiskFreeSpaceExW(name, &frei, nullptr, nullptr))
        z.voll = frei.QuadPart == 0;
    wchar_t wurzel[MAX_PATH] = {};
    DWORD merkmale = 0;
    if (GetVolumePathNameW(name, wurzel, MAX_PATH) &&
        GetVolumeInformationW(wurzel, nullptr, 0, nullptr, nullptr, &merkmale, nullptr, 0))
        z.nurLesbar = (merkmale & FILE_READ_ONLY_VOLUME) != 0;
    QString probeHalter;
    const HANDLE probe = CreateFileW(
        nativ(QDir(ordner).filePath(QStringLiteral(".morvanto-schreibprobe")), probeHalter),
        GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
        FILE_ATTRIBUTE_TEMPORARY | FILE_ATTRIBUTE_HIDDEN | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
    z.beschreibbar = probe != INVALID_HANDLE_VALUE;
    if (z.beschreibbar)
        CloseHandle(probe);
    else if (GetLastError() == ERROR_WRITE_PROTECT)
        z.nurLesbar = true;
    return z;
}

// FlushFileBuffers is Windows' fsync: the file's data and its size on the device.
bool dateiSynchronisieren(QFileDevice &datei)
{
    if (!datei.flush() || datei.handle() < 0)
        return false;
    const auto h = reinterpret_cast<HANDLE>(_get_osfhandle(datei.handle()));
    return h != INVALID_HANDLE_VALUE && FlushFileBuffers(h);
}

// The folder's own access list, protected from what it would inherit, admits this user
// alone (as mode 0700 does), and is given to CreateDirectory itself: no moment in which
// the folder stands open.
QString privatenOrdnerAnlegen(const QString &ordner)
{
    const QString sid = Benutzer().text();
    if (sid.isEmpty())
        return systemGrund(GetLastError());
    const QString sddl = QStringLiteral("O:%1D:P(A;OICI;FA;;;%1)").arg(sid);
    PSECURITY_DESCRIPTOR sd = nullptr;
    if (!ConvertStringSecurityDescriptorToSecurityDescriptorW(
            reinterpret_cast<const wchar_t *>(sddl.utf16()), SDDL_REVISION_1, &sd, nullptr))
        return systemGrund(GetLastError());
    SECURITY_ATTRIBUTES attribute{sizeof attribute, sd, FALSE};
    QString halter;
    const bool ok = CreateDirectoryW(nativ(ordner, halter), &attribute) ||
                    GetLastError() == ERROR_ALREADY_EXISTS;
    const DWORD code = GetLastError();
    LocalFree(sd);
    return ok ? QString() : systemGrund(code);
}

// Private: owned by this user, and no entry of its access list admits anyone else but the
// system itself (which, like root, may enter anything anyway). A missing list admits
// everyone.
OrdnerZustand ordnerPruefen(const QString &ordner)
{
    QString halter;
    const wchar_t *name = nativ(ordner, halter);
    const DWORD attribute = GetFileAttributesW(name);
    if (attribute == INVALID_FILE_ATTRIBUTES || !(attribute & FILE_ATTRIBUTE_DIRECTORY))
        return OrdnerZustand::Fehlt;
    PSID besitzer = nullptr;
    PACL liste = nullptr;
    PSECURITY_DESCRIPTOR sd = nullptr;
    if (GetNamedSecurityInfoW(name, SE_FILE_OBJECT,
                              OWNER_SECURITY_INFORMATION | DACL_SECURITY_INFORMATION, &besitzer,
                              nullptr, &liste, nullptr, &sd) != ERROR_SUCCESS)
        return OrdnerZustand::Fremd;
    const Benutzer ich;
    bool privat = ich.sid() && besitzer && liste && EqualSid(besitzer, ich.sid());
    for (DWORD i = 0; privat && i < liste->AceCount; ++i) {
        ACE_HEADER *eintrag = nullptr;
        privat = GetAce(liste, i, reinterpret_cast<void **>(&eintrag));
        if (privat && eintrag->AceType == ACCESS_ALLOWED_ACE_TYPE) {
            PSID wer = &reinterpret_cast<ACCESS_ALLOWED_ACE *>(eintrag)->SidStart;
            privat = EqualSid(wer, ich.sid()) || IsWellKnownSid(wer, WinLocalSystemSid);
        }
    }
    LocalFree(sd);
    return privat ? OrdnerZustand::Privat : OrdnerZustand::Fremd;
}

// A member of Administrators may take over any file, as root may.
bool alsVerwalter()
{
    SID_IDENTIFIER_AUTHORITY nt = SECURITY_NT_AUTHORITY;
    PSID verwalter = nullptr;
    if (!AllocateAndInitializeSid(&nt, 2, SECURITY_BUILTIN_DOMAIN_RID, DOMAIN_ALIAS_RID_ADMINS, 0,
                                  0, 0, 0, 0, 0, &verwalter))
        return false;
    BOOL mitglied = FALSE;
    CheckTokenMembership(nullptr, verwalter, &mitglied);
    FreeSid(verwalter);
    return mitglied;
}

// The player's socket is a named pipe: the path, taken as the pipe's name, is prefixed with
// \\.\pipe\ (9 characters) by QLocalSocket and by mpv alike, and a pipe name has at most
// 256 characters.
int sockelPfadGrenze()
{
    return 256 - 9 + 1;
}

void threadPrioritaetSenken()
{
    SetThreadPriority(GetCurrentThread(), THREAD_PRIORITY_BELOW_NORMAL);
}

// Windows cannot replace a process: the program runs as a child on the same console and
// this process ends with its exit code. Ctrl+C reaches the child directly; here it is only
// swallowed, so that the child's exit code is the one that counts. The program is looked
// for beside this one first (a player unpacked beside Morvanto), then on PATH.
QString programmErsetzen(const QString &programm, const QStringList &argumente)
{
    QString pfad =
        QDir::isAbsolutePath(programm)
            ? programm
            : QStandardPaths::findExecutable(programm, {QCoreApplication::applicationDirPath()});
    if (pfad.isEmpty())
        pfad = QStandardPaths::findExecutable(programm);
    if (pfad.isEmpty())
        return systemGrund(ERROR_FILE_NOT_FOUND);
    SetConsoleCtrlHandler([](DWORD) -> BOOL { return TRUE; }, TRUE);
    QProcess kind;
    kind.setProcessChannelMode(QProcess::ForwardedChannels);
    kind.setInputChannelMode(QProcess::ForwardedInputChannel);
    kind.start(pfad, argumente);
    if (!kind.waitForStarted(-1))
        return kind.errorString();
    kind.waitForFinished(-1);
    std::fflush(nullptr);
    std::exit(kind.exitStatus() == QProcess::NormalExit ? kind.exitCode() : 1);
}

// mpv on Windows reads %APPDATA%\mpv unless MPV_HOME says otherwise.
QString spielerEinstellungsOrdner()
{
    const QString eigener = qEnvironmentVariable("MPV_HOME");
    if (!eigener.isEmpty())
        return eigener;
    const QString daten = qEnvironmentVariable("APPDATA");
    return (daten.isEmpty() ? QDir::homePath() + QStringLiteral("/AppData/Roaming") : daten) +
           QStringLiteral("/mpv");
}

// A pipe is no file, QFileInfo does not see it. WaitNamedPipe asks without connecting (a
// connection would be a client the player has to serve): a missing pipe fails with
// ERROR_FILE_NOT_FOUND, a busy one only times out.
bool sockelVorhanden(const QString &sockel)
{
    const QString vorsatz = QStringLiteral("\\\\.\\pipe\\");
    const QString name = sockel.startsWith(vorsatz) ? sockel : vorsatz + sockel;
    if (WaitNamedPipeW(reinterpret_cast<const wchar_t *>(name.utf16()), 1))
        return true;
    return GetLastError() != ERROR_FILE_NOT_FOUND;
}

// Raters look for their files in Dokumente (Explorer's "Documents"), not in the profile.
QString menueStartOrdner()
{
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}

} // namespace Plattform
