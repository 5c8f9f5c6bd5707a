#ifndef STUDIENDATEIEN_H
#define STUDIENDATEIEN_H

#include <QString>
#include <QStringList>

// The history files of a study: a folder contributes its *_Verlauf.dat files (not those of
// its subfolders), a named file itself. Backup copies (SIKO_...) are left out with a
// warning, since their names tell no client.
class Studiendateien
{
public:
    // False with fehler() set when no history file is found at all.
    bool sammeln(const QStringList &pfade);

    const QStringList &dateien() const { return dateien_; }
    const QStringList &warnungen() const { return warnungen_; }
    const QString &fehler() const { return fehler_; }

    static bool istSicherung(const QString &pfad);

private:
    void ordnerSammeln(const QString &ordner);
    bool aufnehmen(const QString &pfad);

    QStringList dateien_;
    QStringList warnungen_;
    QString fehler_;
};

#endif
