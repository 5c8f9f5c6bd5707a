#ifndef UNTERTITEL_H
#define UNTERTITEL_H

#include "raterabschnitte.h"

#include <QString>
#include <QStringList>

// The raters' categories as subtitles: one cue per stretch of Raterabschnitte, one line
// per rater ("anna: KL"), every line of a disagreeing stretch marked with "≠" (and in ASS
// also coloured). Any player shows them under the video.
class Untertitel
{
public:
    enum class Format
    {
        WebVtt,
        Srt,
        Ass
    };

    // By the file's suffix (.vtt, .srt, .ass, in any case); false for any other.
    static bool formatErkennen(const QString &datei, Format &format);

    Untertitel(const Raterabschnitte &abschnitte, const QStringList &namen);

    QString text(Format format) const;

private:
    QString zeilen(const Raterabschnitte::Abschnitt &a, Format format) const;
    QString vtt() const;
    QString srt() const;
    QString ass() const;

    const Raterabschnitte &abschnitte_;
    QStringList namen_;
};

#endif
