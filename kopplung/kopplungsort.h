#ifndef KOPPLUNGSORT_H
#define KOPPLUNGSORT_H

#include <QString>

// Where Morvanto and the player started by morvanto-video meet: one socket path that both
// compute alike. Whoever can connect to the player's socket can make it run programs, so the
// socket lives only in a folder that no other user can enter.
class KopplungsOrt
{
public:
    // Overrides the place; its folder must be private all the same.
    static constexpr const char *umgebungsVariable = "MORVANTO_MPV_SOCKET";
    static constexpr const char *sockelName = "morvanto-mpv.sock";

    // The socket path: from the environment variable, else in $XDG_RUNTIME_DIR, else in a
    // private folder in the user's cache, created with mode 0700 when missing. Empty, with
    // the reason in problem, when no private place exists.
    static QString sockel(QString *problem = nullptr);

    // True when the folder exists, belongs to this user and nobody else may enter it.
    static bool ordnerPrivat(const QString &ordner, QString *problem = nullptr);

private:
    static QString ersatzOrdner(QString *problem);
    static QString pruefen(const QString &pfad, QString *problem);
};

#endif
