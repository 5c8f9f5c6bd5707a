#ifndef ATOMAREDATEI_H
#define ATOMAREDATEI_H

#include "pruefgeraet.h"

#include <QBuffer>
#include <QSaveFile>
#include <QString>

class QIODevice;
class QTextStream;

// Writes a whole file so that the target is replaced only by complete content that reached
// the device: a crash, a full disk or a failed write leaves the previous file as it was and
// no temporary file behind. A writable file in a folder the process may not write to is
// written in place instead (AmOrtSchreiber), because it could not be saved at all otherwise;
// only that save is not atomic.
class AtomareDatei
{
public:
    explicit AtomareDatei(const QString &pfad);
    // Without a successful abschliessen() the target stays untouched.
    ~AtomareDatei();
    AtomareDatei(const AtomareDatei &) = delete;
    AtomareDatei &operator=(const AtomareDatei &) = delete;

    bool oeffnen();
    // For QTextStream, QImage::save, QSvgGenerator, QPdfWriter and the like.
    QIODevice *geraet();
    // False unless every byte was taken.
    bool schreiben(const QByteArray &daten);
    // A writer that reports its own failure (QImage::save returning false) says so here;
    // abschliessen() then cancels.
    void fehlschlagMelden(const QString &grund);
    // Flushes (the stream too, whose status counts), syncs to the device and replaces the
    // target; on any failure nothing is replaced. True only when the content is on disk.
    bool abschliessen(QTextStream *stream = nullptr);

    // What failed, in German, for the rater or researcher; empty while nothing failed.
    QString fehlerText() const { return fehler; }

    static bool schreibenAtomar(const QString &pfad, const QByteArray &inhalt,
                                QString *fehlerText = nullptr);

private:
    void fehlerMerken(const QString &text);
    bool geraetFehlerfrei();
    void ordnerSynchronisieren() const;
    bool amOrtAbschliessen();

    QSaveFile datei;
    // The content of a file rewritten in place, which is written only once it is complete.
    QBuffer puffer;
    bool amOrt = false;
    // Every write goes through it, so that a short one never goes unnoticed.
    PruefGeraet pruefer;
    QString fehler;
};

#endif
