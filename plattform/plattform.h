#ifndef PLATTFORM_H
#define PLATTFORM_H

// Everything this program asks of the operating system, behind one header. Each system has
// one implementation file (plattform_posix.cpp, plattform_windows.cpp); nothing else includes a
// system header.

#include <QFileDevice>
#include <QObject>
#include <QString>
#include <QStringList>

namespace Plattform {

// Tells, in the event loop, that the system asks the program to end (a logout, a shutdown,
// Ctrl+C): there the program may still save its data. anlass is the system's own number
// for the request (the signal on POSIX), for the debug output only.
class EndeMelder : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

signals:
    void endeVerlangt(int anlass);
};

// Listens from now on; one per process at a time. Destroying it stops listening and puts
// back what was there before.
EndeMelder *endeMelderErstellen(QObject *eltern);

// For tests: asks this process to end the way the system does (a termination signal; on
// Windows a logoff's query to the windows).
void endeAusloesen();

// Puts a folder's entries (a rename into it) on the device; a file's content is synced by
// its own commit. False when the folder could not be synced.
bool ordnerSynchronisieren(const QString &ordner);

// Creates a folder only this user may enter, in one step (no moment in which it is open).
// An existing folder is fine. Empty on success, else the system's reason.
QString privatenOrdnerAnlegen(const QString &ordner);

// Why a folder takes no file, as far as its file system tells.
struct DatentraegerZustand
{
    bool ordnerDa = true;
    bool nurLesbar = false;
    bool voll = false;
    bool beschreibbar = true;
};
DatentraegerZustand datentraegerZustand(const QString &ordner);

// Puts an open file's written content on the device; false when it may not be there.
bool dateiSynchronisieren(QFileDevice &datei);

enum class OrdnerZustand
{
    Fehlt,
    Fremd, // another user's, or others may enter it
    Privat
};
OrdnerZustand ordnerPruefen(const QString &ordner);

// Whether the program runs with the system administrator's rights (which ignore a file's
// permissions).
bool alsVerwalter();

// The longest path a local socket may have, in bytes of the file name encoding, the
// terminating zero included.
int sockelPfadGrenze();

// Whether a player listens at the socket (or would, busy with another client).
bool sockelVorhanden(const QString &sockel);

// The folder a start from the menu keeps its session folder in.
QString menueStartOrdner();

// The calling thread yields to the others (the GUI thread) when the machine is busy.
void threadPrioritaetSenken();

// Replaces this process with the program, found on the search path: its window, exit code
// and signals become the caller's. Returns only on failure, with the system's reason.
QString programmErsetzen(const QString &programm, const QStringList &argumente);

// The video player's own settings folder ($MPV_HOME, else its folder in the user's
// configuration folder).
QString spielerEinstellungsOrdner();

} // namespace Plattform

#endif
