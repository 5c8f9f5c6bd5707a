#ifndef STUDIENAUFBAU_H
#define STUDIENAUFBAU_H

#include "sitzung.h"

#include <QString>
#include <QStringList>

#include <vector>

// Groups a study's sessions by client, from the file names <client>_<rater>_Verlauf.dat.
// Client and rater are split at the last "_", unless the file's lines name a client and a
// rater that make up the name another way (a rater "anna_m", say). Clients compare without
// regard to case, as on the system the console comes from.
class Studienaufbau
{
public:
    struct Gruppe
    {
        QString klient;
        std::vector<int> sitzungen; // indices, by rater name
        QStringList rater;
    };

    // False with fehler() set when a name does not follow the pattern or one rater of a
    // client appears twice.
    bool aufbauen(const std::vector<Sitzung> &sitzungen);

    // Clients with at least two raters, by name.
    const std::vector<Gruppe> &gruppen() const { return gruppen_; }
    const QStringList &warnungen() const { return warnungen_; }
    const QString &fehler() const { return fehler_; }

    static bool zerlegen(const Sitzung &s, QString &klient, QString &rater);
    // A warning when the client fields of two files of one pair differ; empty otherwise.
    static QString klientenWarnung(const Sitzung &a, const Sitzung &b);
    // A warning when the rated durations of two files of one video differ by more than a
    // fifth (another video typed with the same client number); empty otherwise.
    static QString dauerWarnung(const Sitzung &a, const Sitzung &b);

private:
    std::vector<Gruppe> gruppen_;
    QStringList warnungen_;
    QString fehler_;
};

#endif
