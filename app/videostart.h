#ifndef VIDEOSTART_H
#define VIDEOSTART_H

#include <QByteArray>
#include <QString>
#include <QStringList>

// What morvanto-video hands to mpv: the socket Morvanto looks for, and an input
// configuration, for this player only, that sends the rating keys to Morvanto together
// with the player's position at the key.
class VideoStart
{
public:
    static constexpr const char *tastenDateiName = "morvanto-mpv-tasten.conf";
    // The rater prefers silence: Morvanto answers nothing in the player's picture.
    static constexpr const char *ohneMeldungen = "--ohne-meldungen";

    // mpv's own meanings of these keys are replaced in this player; the rater's own key
    // configuration comes first, so that the rest of it still holds. stumm: the keys do
    // nothing at all (a review, where a press must not look like a rating).
    static QByteArray tastenKonfiguration(const QByteArray &eigene = QByteArray(),
                                          bool stumm = false);
    // The rater's own mpv key configuration, which --input-conf would otherwise replace.
    static QByteArray eigeneTastenKonfiguration();
    // Beside the socket, in the same private folder.
    static QString tastenDatei(const QString &sockel);
    // Ours first, then the caller's options and the file.
    static QStringList argumente(const QString &sockel, const QString &tastenDatei,
                                 const QStringList &eigene);
    // True when a player already listens at the socket: a second would take its place.
    static bool spielerLaeuft(const QString &sockel);
};

#endif
