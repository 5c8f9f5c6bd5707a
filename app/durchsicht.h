#ifndef DURCHSICHT_H
#define DURCHSICHT_H

#include <QString>
#include <QStringList>

class Befehlszeile;

// morvanto-video --verlauf A_Verlauf.dat B_Verlauf.dat [...] VIDEO: the trainer's review.
// The player shows, at the bottom, one line per rater with the category running at that
// moment, disagreement marked, and every disagreeing stretch is a chapter. The files are
// read and shifted as the research companion does; the player listens on no socket Morvanto
// looks for, the rating keys do nothing, and nothing is written but a private temporary
// folder that goes with the player.
class Durchsicht
{
public:
    static constexpr const char *option = "--verlauf";
    static bool gewuenscht(const QStringList &argumente);

    // Runs the player to its end; its exit code, or ours when the call or a file is wrong.
    static int ausfuehren(const QStringList &argumente);

    // Splits the call into history files, the companion's shift options and the player's
    // arguments (the video among them); false with fehler() set.
    bool lesen(const QStringList &argumente);
    // Writes the raters' lines, the chapters and the key configuration into ordner: 0, or
    // 2 for a wrong call and 1 for a file that cannot be read or written, with fehler() set.
    // Warnings go to warnungen.
    int vorbereiten(const QString &ordner, QStringList &warnungen);
    QStringList mpvArgumente(const QString &ordner) const;

    const QString &fehler() const { return fehler_; }
    int abweichungen() const { return abweichungen_; }

private:
    bool pruefen(const QString &ordner, Befehlszeile &b);
    bool schreiben(const QString &datei, const QByteArray &inhalt);
    bool scheitern(const QString &meldung);

    QStringList dateien_;
    QStringList versatz_;
    QStringList mpv_;
    int abweichungen_ = 0;
    QString fehler_;
};

#endif
